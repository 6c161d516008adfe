// The vocabulary of the rules: squares, boards held from one side's point of
// view, move records, move lists and the per-piece analysis records.
//
// A board is always held from the side called Own: its back rank is row 0 and
// its pawns advance towards row 7. Nothing here records whose turn it is; to
// ask a question about the other side, flip the board, ask, and flip back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace orbel {

using PieceKind = std::int32_t;
inline constexpr PieceKind Pawn = 1;
inline constexpr PieceKind Knight = 2;
inline constexpr PieceKind Bishop = 3;
inline constexpr PieceKind Rook = 4;
inline constexpr PieceKind Queen = 5;
inline constexpr PieceKind King = 6;
inline constexpr PieceKind NoPiece = 102;

using Owner = std::int32_t;
inline constexpr Owner Own = 100;
inline constexpr Owner Enemy = 101;
inline constexpr Owner Empty = 102;

// Castling codes carried in MoveRecord::fromRow / fromCol.
inline constexpr std::int32_t CastleShort = 99;
inline constexpr std::int32_t CastleLong = 100;
inline constexpr std::int32_t CastleByEnemy = 101;

// Which rules a game is played by: this program's own (no en passant, a pawn
// always becomes a queen, castling may leave or cross an attacked square, no
// draws), or standard chess. They differ only where a function asks this.
enum class RuleSet : std::uint8_t { Orbel, Standard };

struct Square {
    PieceKind kind = NoPiece;
    Owner owner = Empty;

    friend bool operator==(const Square&, const Square&) = default;
};

inline constexpr Square EmptySquare{NoPiece, Empty};

inline constexpr bool onBoard(int row, int col) noexcept {
    return static_cast<unsigned>(row) < 8u && static_cast<unsigned>(col) < 8u;
}

struct Board {
    std::array<Square, 64> squares;

    Board() noexcept { squares.fill(EmptySquare); }

    Square& at(int row, int col) noexcept { return squares[static_cast<std::size_t>(row * 8 + col)]; }
    const Square& at(int row, int col) const noexcept {
        return squares[static_cast<std::size_t>(row * 8 + col)];
    }
    // Reads of a square that may lie off the board see an empty square.
    Square get(int row, int col) const noexcept { return onBoard(row, col) ? at(row, col) : EmptySquare; }

    friend bool operator==(const Board&, const Board&) = default;
};

// The same position seen from the other side: square i moves to 63 - i and
// Own and Enemy swap; anything that is neither becomes an empty square.
void flipBoard(Board& board) noexcept;

// One move. Castling is coded in the from-fields (99 short, 100 long; fromCol
// equal to fromRow for Own, 101 for Enemy); a record with fromRow -1 holds no
// move. The record carries no position of its own: nothing ever reads one,
// and leaving it out keeps move lists small enough to copy freely.
struct MoveRecord {
    std::int32_t fromRow = -1;
    std::int32_t fromCol = -1;
    std::int32_t toRow = -1;
    std::int32_t toCol = -1;
    std::uint8_t isCapture = 0;
    std::uint8_t givesCheck = 0;
    // Standard chess only: the pawn beside the from-square is taken en
    // passant; a pawn reaching the last rank becomes this kind (0: a queen).
    std::uint8_t enPassant = 0;
    std::uint8_t promotion = 0;

    bool isCastling() const noexcept { return fromRow == CastleShort || fromRow == CastleLong; }
    bool isMove() const noexcept { return fromRow != -1; }
};

MoveRecord makeMoveRecord(int fromRow, int fromCol, int toRow, int toCol) noexcept;
MoveRecord noMoveRecord() noexcept;
bool sameMove(const MoveRecord& a, const MoveRecord& b) noexcept;
// The record as the other side sees it after flipBoard: coordinates become 7
// minus themselves; castling codes switch between Own and Enemy.
void flipMove(MoveRecord& move) noexcept;

// A growable list of moves in insertion order. clear() keeps the storage, so a
// list reused inside a loop stops allocating once it has grown.
class MoveList {
public:
    // Appends unless a move with the same four coordinates is listed already.
    void addUnique(const MoveRecord& move);
    void append(const MoveRecord& move) { moves_.push_back(move); }

    void clear() noexcept { moves_.clear(); }
    std::size_t size() const noexcept { return moves_.size(); }
    bool empty() const noexcept { return moves_.empty(); }
    MoveRecord& operator[](std::size_t i) noexcept { return moves_[i]; }
    const MoveRecord& operator[](std::size_t i) const noexcept { return moves_[i]; }
    auto begin() noexcept { return moves_.begin(); }
    auto end() noexcept { return moves_.end(); }
    auto begin() const noexcept { return moves_.begin(); }
    auto end() const noexcept { return moves_.end(); }

private:
    std::vector<MoveRecord> moves_;
};

// Relation code: a line-kind bit and a direction bit in the low 16 bits; a
// move followed by a capture keeps the move's code in the high 16 bits.
using LineCode = std::int32_t;

namespace Line {
inline constexpr LineCode Diagonal = 1;
inline constexpr LineCode Row = 2;
inline constexpr LineCode Column = 4;
inline constexpr LineCode KnightJump = 8;
inline constexpr LineCode PawnLine = 16;
inline constexpr LineCode KingStep = 32;

inline constexpr LineCode Up = 64;
inline constexpr LineCode Down = 128;
inline constexpr LineCode Right = 256;
inline constexpr LineCode Left = 512;
inline constexpr LineCode UpRight = 1024;
inline constexpr LineCode UpLeft = 2048;
inline constexpr LineCode DownRight = 4096;
inline constexpr LineCode DownLeft = 8192;

inline constexpr LineCode DiagonalUpRight = Diagonal | UpRight;      // 1025
inline constexpr LineCode DiagonalUpLeft = Diagonal | UpLeft;        // 2049
inline constexpr LineCode DiagonalDownRight = Diagonal | DownRight;  // 4097
inline constexpr LineCode DiagonalDownLeft = Diagonal | DownLeft;    // 8193
inline constexpr LineCode RowRight = Row | Right;                    // 258
inline constexpr LineCode RowLeft = Row | Left;                      // 514
inline constexpr LineCode ColumnUp = Column | Up;                    // 68
inline constexpr LineCode ColumnDown = Column | Down;                // 132
inline constexpr LineCode KnightUpRight = KnightJump | UpRight;      // 1032
inline constexpr LineCode KnightUpLeft = KnightJump | UpLeft;        // 2056
inline constexpr LineCode KnightDownRight = KnightJump | DownRight;  // 4104
inline constexpr LineCode KnightDownLeft = KnightJump | DownLeft;    // 8200
inline constexpr LineCode PawnUpRight = PawnLine | UpRight;          // 1040
inline constexpr LineCode PawnUpLeft = PawnLine | UpLeft;            // 2064
inline constexpr LineCode PawnAdvance = PawnLine | Up;               // 80
inline constexpr LineCode KingUp = KingStep | Up;                    // 96
inline constexpr LineCode KingDown = KingStep | Down;                // 160
inline constexpr LineCode KingRight = KingStep | Right;              // 288
inline constexpr LineCode KingLeft = KingStep | Left;                // 544
inline constexpr LineCode KingUpRight = KingStep | UpRight;          // 1056
inline constexpr LineCode KingUpLeft = KingStep | UpLeft;            // 2080
inline constexpr LineCode KingDownRight = KingStep | DownRight;      // 4128
inline constexpr LineCode KingDownLeft = KingStep | DownLeft;        // 8224

inline constexpr LineCode combine(LineCode move, LineCode capture) noexcept { return move * 65536 + capture; }
inline constexpr LineCode moveCodeOf(LineCode combined) noexcept { return (combined >> 16) & 0xFFFF; }
inline constexpr LineCode captureCodeOf(LineCode combined) noexcept { return combined & 0xFFFF; }

// The (row, column) step of a code's direction bit; (0, 0) when it has none.
struct Step {
    int dr;
    int dc;
};
constexpr Step stepOf(LineCode code) noexcept {
    if (code & Up) return {1, 0};
    if (code & Down) return {-1, 0};
    if (code & Right) return {0, 1};
    if (code & Left) return {0, -1};
    if (code & UpRight) return {1, 1};
    if (code & UpLeft) return {1, -1};
    if (code & DownRight) return {-1, 1};
    if (code & DownLeft) return {-1, -1};
    return {0, 0};
}
constexpr bool isKnightCode(LineCode code) noexcept { return (code & KnightJump) != 0; }
}  // namespace Line

enum StatusFlag : std::int32_t {
    Attacked = 1,
    CanDefend = 2,
    CentralPawnPush = 4,
    PawnPush = 8,
    BackRank = 32,
    CanCapture = 64,
    CanThreaten = 128,
};

// What the analysis found out about one Own piece.
struct PieceStatus {
    PieceKind kind = NoPiece;
    Owner owner = Empty;
    std::int32_t row = 0;
    std::int32_t column = 0;
    std::int32_t flags = 0;
    std::vector<LineCode> attackedBy;  // flag Attacked
    std::vector<LineCode> captures;    // flag CanCapture
    std::vector<LineCode> threats;     // flag CanThreaten
    std::vector<LineCode> defences;    // flag CanDefend

    bool has(StatusFlag flag) const noexcept { return (flags & flag) != 0; }
    // Files a code under the array that belongs to `flag` (Attacked,
    // CanCapture, CanThreaten, CanDefend); other flags and code 0 keep none.
    void addCode(std::int32_t flag, LineCode code);
};

// At most one entry per square, in order of first mention. clear() keeps the
// entries and their code arrays allocated so that reuse in a loop is free.
class StatusList {
public:
    std::size_t size() const noexcept { return count_; }
    bool empty() const noexcept { return count_ == 0; }
    void clear() noexcept { count_ = 0; }
    PieceStatus& operator[](std::size_t i) noexcept { return entries_[i]; }
    const PieceStatus& operator[](std::size_t i) const noexcept { return entries_[i]; }
    const PieceStatus* begin() const noexcept { return entries_.data(); }
    const PieceStatus* end() const noexcept { return entries_.data() + count_; }

    // The entry for (row, column), or nullptr.
    PieceStatus* find(int row, int column) noexcept;
    // A fresh entry at the end, its arrays emptied.
    PieceStatus& appendEntry(const Square& piece, int row, int column, std::int32_t flags);

private:
    std::vector<PieceStatus> entries_;
    std::size_t count_ = 0;
};

void noteStatus(StatusList& list, const Square& piece, int row, int column, std::int32_t flag, LineCode code);

// Guards a game's expectedLine and searchValue while the computer's thread
// writes them and the display reads them. A copied game gets a lock of its own.
class LineLock {
public:
    LineLock() = default;
    LineLock(const LineLock&) noexcept {}
    LineLock& operator=(const LineLock&) noexcept { return *this; }
    std::mutex& mutex() const noexcept { return mutex_; }

private:
    mutable std::mutex mutex_;
};

// The game object: the position the rules and the computer work on, with the
// computer player's counters and its own side's castling fields.
struct GameState {
    explicit GameState(std::int32_t ownKingColumn);

    std::int32_t moveCount = 0;
    std::int32_t searchValue = 0;
    std::int32_t level = 5;
    std::int32_t searchBusy = 0;
    Board board;
    MoveList expectedLine;
    std::uint8_t canCastleShort = 1;
    std::uint8_t canCastleLong = 1;
    std::uint8_t hasCastled = 0;
    std::int32_t ownKingColumn = 4;
    RuleSet rules = RuleSet::Orbel;
    // Standard chess: the square, on this board, that the opponent's pawn
    // just crossed with its double step; row -1 when there is none.
    std::int8_t enPassantRow = -1;
    std::int8_t enPassantCol = -1;
    // Held by whoever changes expectedLine or searchValue, or reads them from
    // another thread; searchBusy is set inside it while the line changes.
    LineLock lineLock;
};

// The starting position with the Own king on column ownKingColumn (3: Own plays
// Black, anything else: Own plays White).
Board startingPosition(std::int32_t ownKingColumn);

}  // namespace orbel
