// The attack scan: for each Own piece, which Enemy pieces attack it and which
// Enemy pieces it can capture. Findings go into a status list (flags Attacked
// and CanCapture with one line code each); captures also go into a move list.
//
// The scan ignores whose turn it is, pins and the safety of the Own king; a
// capture of the Enemy king is listed like any other.
#pragma once

#include "rules/board.h"

namespace orbel {

// The six scans (rules/scan_detail.h) for the piece on (row, col); returns the status list's size.
int scanSquare(MoveList& moves, StatusList& statuses, int row, int col, const Board& board);
// scanSquare for every Own square in row-major order; returns the status list's size.
int scanAllSquares(MoveList& moves, StatusList& statuses, const Board& board);

// True when an Enemy piece could capture on (row, col) by the scan's rules:
// exactly the condition under which the scan notes Attacked for a piece there.
bool isSquareAttacked(const Board& board, int row, int col) noexcept;

// A piece that could capture on a given square.
struct Capturer {
    int row;
    int col;
    PieceKind kind;
};
inline constexpr int MaxCapturers = 20;

// The pieces of `side` (Own or Enemy) that the scan would list as capturing
// the other side's piece on (row, col): exactly the capture moves onto that
// square in that side's scan. None when the square holds no piece of the
// other side. Returns how many were written to `out`.
int capturersOf(const Board& board, int row, int col, Owner side, Capturer (&out)[MaxCapturers]) noexcept;

// Marks every square holding a piece of the other side that some piece of
// `side` could capture: the squares for which capturersOf finds someone.
void markCaptureTargets(const Board& board, Owner side, bool (&targets)[64]) noexcept;

// The capture moves scanAllSquares lists for a board, in its order, without
// building the status list. Returns how many were written.
inline constexpr int MaxCaptureMoves = 512;
int listCaptureMoves(const Board& board, MoveRecord (&out)[MaxCaptureMoves]) noexcept;

// How many Enemy pieces could capture the Own piece on (row, col): the number
// of capture moves onto that square the Enemy's candidate generation lists.
int countEnemyCaptures(const Board& board, int row, int col) noexcept;

}  // namespace orbel
