#include "rules/attack_scan.h"

#include "rules/scan_detail.h"

namespace orbel {

void scanPawnLines(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row, int col) {
    detail::StatusSink sink(moves, statuses, piece, row, col);
    detail::scanPawnLines(sink, board, piece, row, col);
}

void scanDiagonals(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row, int col) {
    detail::StatusSink sink(moves, statuses, piece, row, col);
    detail::scanDiagonals(sink, board, piece, row, col);
}

void scanRow(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row, int col) {
    detail::StatusSink sink(moves, statuses, piece, row, col);
    detail::scanRow(sink, board, piece, row, col);
}

void scanColumn(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row, int col) {
    detail::StatusSink sink(moves, statuses, piece, row, col);
    detail::scanColumn(sink, board, piece, row, col);
}

void scanKnightJumps(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row, int col) {
    detail::StatusSink sink(moves, statuses, piece, row, col);
    detail::scanKnightJumps(sink, board, piece, row, col);
}

void scanKingSteps(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row, int col) {
    detail::StatusSink sink(moves, statuses, piece, row, col);
    detail::scanKingSteps(sink, board, piece, row, col);
}

int scanSquare(MoveList& moves, StatusList& statuses, int row, int col, const Board& board) {
    const Square piece = board.at(row, col);
    detail::StatusSink sink(&moves, statuses, piece, row, col);
    detail::scanAll(sink, board, piece, row, col);
    return static_cast<int>(statuses.size());
}

int scanAllSquares(MoveList& moves, StatusList& statuses, const Board& board) {
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            if (board.at(r, c).owner == Own) scanSquare(moves, statuses, r, c, board);
        }
    }
    return static_cast<int>(statuses.size());
}

bool isSquareAttacked(const Board& board, int row, int col) noexcept {
    using namespace detail;
    if (holdsEnemyKind(board, row + 1, col + 1, Pawn) || holdsEnemyKind(board, row + 1, col - 1, Pawn)) return true;
    auto firstOnLine = [&](const Direction& d, PieceKind a, PieceKind b) {
        for (int r = row + d.dr, c = col + d.dc; onBoard(r, c); r += d.dr, c += d.dc) {
            const Square& s = board.at(r, c);
            if (s.owner == Enemy) return s.kind == a || s.kind == b;
            if (s.owner == Own) return false;
        }
        return false;
    };
    for (const Direction& d : diagonalDirections)
        if (firstOnLine(d, Bishop, Queen)) return true;
    for (const Direction& d : rowDirections)
        if (firstOnLine(d, Rook, Queen)) return true;
    for (const Direction& d : columnDirections)
        if (firstOnLine(d, Rook, Queen)) return true;
    for (const KnightQuadrant& q : knightQuadrants) {
        if (holdsEnemyKind(board, row + q.dr1, col + q.dc1, Knight) || holdsEnemyKind(board, row + q.dr2, col + q.dc2, Knight))
            return true;
    }
    for (const Direction& d : kingScanSteps)
        if (holdsEnemyKind(board, row + d.dr, col + d.dc, King)) return true;
    return false;
}

int countEnemyCaptures(const Board& board, int row, int col) noexcept {
    using namespace detail;
    int count = 0;
    // Enemy pawns capture downwards, onto the square from one row above.
    count += holdsEnemyKind(board, row + 1, col + 1, Pawn);
    count += holdsEnemyKind(board, row + 1, col - 1, Pawn);
    auto firstOnLine = [&](const Direction& d, PieceKind a, PieceKind b) {
        for (int r = row + d.dr, c = col + d.dc; onBoard(r, c); r += d.dr, c += d.dc) {
            const Square& s = board.at(r, c);
            if (s.owner == Enemy) return s.kind == a || s.kind == b;
            if (s.owner == Own) return false;
        }
        return false;
    };
    for (const Direction& d : diagonalDirections) count += firstOnLine(d, Bishop, Queen);
    for (const Direction& d : rowDirections) count += firstOnLine(d, Rook, Queen);
    for (const Direction& d : columnDirections) count += firstOnLine(d, Rook, Queen);
    for (const KnightQuadrant& q : knightQuadrants) {
        count += holdsEnemyKind(board, row + q.dr1, col + q.dc1, Knight);
        count += holdsEnemyKind(board, row + q.dr2, col + q.dc2, Knight);
    }
    // A king never captures a king.
    if (board.at(row, col).kind != King) {
        for (const Direction& d : kingScanSteps) count += holdsEnemyKind(board, row + d.dr, col + d.dc, King);
    }
    return count;
}

}  // namespace orbel
