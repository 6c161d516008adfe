// Positions and moves in the terms every other chess program uses: White and
// Black pieces on a1..h8, the side to move, the four castling rights and the
// full-move number. The rules hold a board from one side (Own at home on row
// 0, Enemy on row 7); the conversions here turn such a board and its move
// records into these absolute terms and back, for notation, FEN and PGN.
// Standard C++ only.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "rules/apply_move.h"
#include "rules/board.h"

namespace orbel {

enum class Side : std::uint8_t { White, Black };
constexpr Side other(Side side) noexcept { return side == Side::White ? Side::Black : Side::White; }

struct Piece {
    PieceKind kind = NoPiece;
    Side side = Side::White;

    bool empty() const noexcept { return kind == NoPiece; }
    friend bool operator==(const Piece&, const Piece&) = default;
};

// Squares are numbered a1 = 0, b1 = 1, ..., h8 = 63.
constexpr int squareAt(int file, int rank) noexcept { return rank * 8 + file; }
constexpr int fileOf(int square) noexcept { return square % 8; }
constexpr int rankOf(int square) noexcept { return square / 8; }

struct StandardPosition {
    std::array<Piece, 64> squares{};
    Side toMove = Side::White;
    // Each side's rights, indexed by Side, in the type the move flow keeps them in.
    std::array<UserCastlingRights, 2> castling{};
    int fullMove = 1;
    // The square a pawn's double step just crossed, or -1. Standard chess
    // could capture there en passant; this program never does, and FEN says
    // "-", but a standard checkmate test must know.
    int enPassantTarget = -1;

    Piece at(int square) const noexcept { return squares[static_cast<std::size_t>(square)]; }
    UserCastlingRights& rightsOf(Side side) noexcept { return castling[static_cast<std::size_t>(side)]; }
    const UserCastlingRights& rightsOf(Side side) const noexcept {
        return castling[static_cast<std::size_t>(side)];
    }
    friend bool operator==(const StandardPosition&, const StandardPosition&) = default;
};

// The usual starting position, White to move, every right, move 1.
StandardPosition initialPosition();

// A move in absolute terms. A castle is written as the king's step (e1 to g1,
// e8 to c8 ...) with `castle` saying which; a pawn reaching the last rank
// always becomes a queen (`promotes`).
enum class Castle : std::uint8_t { None, Short, Long };
struct StandardMove {
    std::int8_t from = -1;
    std::int8_t to = -1;
    Castle castle = Castle::None;
    bool promotes = false;

    friend bool operator==(const StandardMove&, const StandardMove&) = default;
};

// Where a square of the standard board lies on a board held with `ownSide`'s
// pieces as Own. Own White: column c is file a+c, row r rank r+1. Own Black:
// column c is file h-c, row r rank 8-r. The drawn board of one-player and
// network play holds the computer or remote player as Own; two-player play
// holds Black as Own.
struct HeldSquare {
    int row;
    int col;
};
HeldSquare heldSquare(int square, Side ownSide) noexcept;
int standardSquare(int row, int col, Side ownSide) noexcept;
// The kings' home column on such a board: GameState::ownKingColumn.
constexpr int kingColumnFor(Side ownSide) noexcept { return ownSide == Side::White ? 4 : 3; }

// The pieces of a held board in absolute terms; squares holding anything but
// an Own or Enemy piece of kind 1..6 read as empty. Side to move, rights and
// move number are the caller's, as the program keeps them apart.
StandardPosition standardPosition(const Board& board, Side ownSide, Side toMove,
                                  const UserCastlingRights& ownRights, const UserCastlingRights& enemyRights,
                                  int fullMove);
// The pieces of a position on a board held with `ownSide` as Own.
Board heldBoard(const StandardPosition& position, Side ownSide);

// A move record of a board held with `ownSide` as Own, played in `before`
// (where it is the side to move's): castling records of either owner code
// become the mover's castle, whatever their to-fields hold.
StandardMove standardMove(const MoveRecord& record, const StandardPosition& before, Side ownSide);
// The record the rules apply for a move on a board held with `ownSide` as Own:
// (99|100, 99|100, 99, 99) for an Own castle, (99|100, 101, 7, king's column)
// for an Enemy castle, otherwise the two squares.
MoveRecord heldMoveRecord(const StandardMove& move, Side ownSide);

// "e4", or "" for a number that is no square.
std::string_view squareName(int square) noexcept;

}  // namespace orbel
