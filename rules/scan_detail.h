// The attack scan written once, for any receiver of its findings. The public
// scans (attack_scan.h) feed a status list and a move list; move generation
// feeds cheaper receivers that only keep what it reads (trial capture codes).
// Internal to rules/.
#pragma once

#include "rules/board.h"

namespace orbel::detail {

// A Sink has:
//   void note(StatusFlag flag, LineCode code);   // a finding for the scanned piece
//   void capture(int toRow, int toCol);          // a capture move of the scanned piece

inline bool holdsEnemy(const Board& b, int r, int c) noexcept { return onBoard(r, c) && b.at(r, c).owner == Enemy; }
inline bool holdsEnemyKind(const Board& b, int r, int c, PieceKind k) noexcept {
    return holdsEnemy(b, r, c) && b.at(r, c).kind == k;
}

struct Direction {
    int dr;
    int dc;
    LineCode code;
};

inline constexpr Direction diagonalDirections[] = {
    {1, 1, Line::DiagonalUpRight},
    {1, -1, Line::DiagonalUpLeft},
    {-1, 1, Line::DiagonalDownRight},
    {-1, -1, Line::DiagonalDownLeft},
};
inline constexpr Direction rowDirections[] = {{0, 1, Line::RowRight}, {0, -1, Line::RowLeft}};
inline constexpr Direction columnDirections[] = {{1, 0, Line::ColumnUp}, {-1, 0, Line::ColumnDown}};

struct KnightQuadrant {
    int dr1, dc1, dr2, dc2;
    LineCode code;
};
inline constexpr KnightQuadrant knightQuadrants[] = {
    {2, 1, 1, 2, Line::KnightUpRight},
    {2, -1, 1, -2, Line::KnightUpLeft},
    {-2, 1, -1, 2, Line::KnightDownRight},
    {-2, -1, -1, -2, Line::KnightDownLeft},
};

// The order in which the scan looks at a king's neighbours.
inline constexpr Direction kingScanSteps[] = {
    {1, 1, Line::KingUpRight},     {1, 0, Line::KingUp},    {1, -1, Line::KingUpLeft},
    {0, -1, Line::KingLeft},       {-1, -1, Line::KingDownLeft}, {-1, 0, Line::KingDown},
    {-1, 1, Line::KingDownRight},  {0, 1, Line::KingRight},
};

template <class Sink>
void scanPawnLines(Sink& sink, const Board& b, Square piece, int row, int col) {
    if (holdsEnemyKind(b, row + 1, col + 1, Pawn)) sink.note(Attacked, Line::PawnUpRight);
    if (holdsEnemyKind(b, row + 1, col - 1, Pawn)) sink.note(Attacked, Line::PawnUpLeft);
    if (piece.kind != Pawn) return;
    if (holdsEnemy(b, row + 1, col + 1)) {
        sink.capture(row + 1, col + 1);
        sink.note(CanCapture, Line::PawnUpRight);
    }
    if (holdsEnemy(b, row + 1, col - 1)) {
        sink.capture(row + 1, col - 1);
        sink.note(CanCapture, Line::PawnUpLeft);
    }
}

// One slider line per direction: kindA/kindB both attack along it, and the
// scanned piece captures along it when it is one of them.
template <class Sink, std::size_t N>
void scanSliders(Sink& sink, const Board& b, Square piece, int row, int col, const Direction (&directions)[N],
                 PieceKind kindA, PieceKind kindB) {
    const bool captures = piece.kind == kindA || piece.kind == kindB;
    for (const Direction& d : directions) {
        int r = row + d.dr;
        int c = col + d.dc;
        while (onBoard(r, c)) {
            const Square& s = b.at(r, c);
            if (s.owner == Enemy) {
                if (captures) {
                    sink.capture(r, c);
                    sink.note(CanCapture, d.code);
                }
                if (s.kind == kindA || s.kind == kindB) sink.note(Attacked, d.code);
                break;
            }
            if (s.owner == Own) break;
            r += d.dr;
            c += d.dc;
        }
    }
}

template <class Sink>
void scanDiagonals(Sink& sink, const Board& b, Square piece, int row, int col) {
    scanSliders(sink, b, piece, row, col, diagonalDirections, Bishop, Queen);
}
template <class Sink>
void scanRow(Sink& sink, const Board& b, Square piece, int row, int col) {
    scanSliders(sink, b, piece, row, col, rowDirections, Rook, Queen);
}
template <class Sink>
void scanColumn(Sink& sink, const Board& b, Square piece, int row, int col) {
    scanSliders(sink, b, piece, row, col, columnDirections, Rook, Queen);
}

template <class Sink>
void scanKnightJumps(Sink& sink, const Board& b, Square piece, int row, int col) {
    for (const KnightQuadrant& q : knightQuadrants) {
        const int r1 = row + q.dr1, c1 = col + q.dc1;
        const int r2 = row + q.dr2, c2 = col + q.dc2;
        if (holdsEnemyKind(b, r1, c1, Knight) || holdsEnemyKind(b, r2, c2, Knight)) sink.note(Attacked, q.code);
        if (piece.kind != Knight) continue;
        const bool first = holdsEnemy(b, r1, c1);
        const bool second = holdsEnemy(b, r2, c2);
        if (!first && !second) continue;
        sink.note(CanCapture, q.code);
        if (first) sink.capture(r1, c1);
        if (second) sink.capture(r2, c2);
    }
}

template <class Sink>
void scanKingSteps(Sink& sink, const Board& b, Square piece, int row, int col) {
    for (const Direction& d : kingScanSteps) {
        const int r = row + d.dr, c = col + d.dc;
        if (!holdsEnemy(b, r, c)) continue;
        if (b.at(r, c).kind == King) {
            sink.note(Attacked, d.code);
        } else if (piece.kind == King) {
            sink.note(CanCapture, d.code);
            sink.capture(r, c);
        }
    }
}

template <class Sink>
void scanAll(Sink& sink, const Board& b, Square piece, int row, int col) {
    scanPawnLines(sink, b, piece, row, col);
    scanDiagonals(sink, b, piece, row, col);
    scanRow(sink, b, piece, row, col);
    scanColumn(sink, b, piece, row, col);
    scanKnightJumps(sink, b, piece, row, col);
    scanKingSteps(sink, b, piece, row, col);
}

// Feeds a status list (through noteStatus's rules, finding the entry once per
// scanned square) and, when given, a move list.
class StatusSink {
public:
    StatusSink(MoveList* moves, StatusList& statuses, Square piece, int row, int col)
        : moves_(moves), statuses_(statuses), piece_(piece), row_(row), col_(col) {}

    void note(StatusFlag flag, LineCode code) {
        if (!entry_) {
            entry_ = statuses_.find(row_, col_);
            if (entry_) {
                entry_->flags |= flag;
            } else {
                entry_ = &statuses_.appendEntry(piece_, row_, col_, flag);
            }
        } else {
            entry_->flags |= flag;
        }
        entry_->addCode(flag, code);
    }
    void capture(int toRow, int toCol) {
        if (moves_) moves_->addUnique(makeMoveRecord(row_, col_, toRow, toCol));
    }

private:
    MoveList* moves_;
    StatusList& statuses_;
    Square piece_;
    int row_, col_;
    // Only the scanned square's entry is touched while one sink lives, so the
    // pointer stays valid.
    PieceStatus* entry_ = nullptr;
};

// Keeps only the capture codes, in the order the scan finds them.
struct CaptureCodes {
    LineCode codes[24];
    int count = 0;

    void note(StatusFlag flag, LineCode code) noexcept {
        if (flag == CanCapture && count < 24) codes[count++] = code;
    }
    void capture(int, int) noexcept {}
};

}  // namespace orbel::detail
