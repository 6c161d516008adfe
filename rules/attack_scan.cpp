#include "rules/attack_scan.h"

#include "rules/geometry.h"
#include "rules/scan_detail.h"

namespace orbel {

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

namespace {

using geometry::tables;

// The first occupied square along a line out of `from`, or -1.
inline int firstOccupied(const Board& board, int from, int direction) noexcept {
    const geometry::SquareList& line = tables.lines[from][direction];
    for (int i = 0; i < line.count; ++i) {
        const int s = line.squares[i];
        if (board.squares[static_cast<std::size_t>(s)].owner != Empty) return s;
    }
    return -1;
}

inline const Square& at(const Board& board, int s) noexcept { return board.squares[static_cast<std::size_t>(s)]; }

inline bool isPiece(const Board& board, int s, Owner owner, PieceKind kind) noexcept {
    const Square& q = at(board, s);
    return q.owner == owner && q.kind == kind;
}

// Pieces of `side` that could capture on `target` (which holds a piece of
// the other side), handed to `found(square)`; `kingsCapture` says whether a
// king may (it never takes a king).
template <class Found>
void forEachCapturer(const Board& board, int target, Owner side, bool kingsCapture, Found&& found) {
    const int row = target / 8, col = target % 8;
    // Own pawns capture upwards, Enemy pawns downwards.
    const int pawnRow = side == Own ? row - 1 : row + 1;
    if (pawnRow >= 0 && pawnRow < 8) {
        if (col > 0 && isPiece(board, pawnRow * 8 + col - 1, side, Pawn)) found(pawnRow * 8 + col - 1);
        if (col < 7 && isPiece(board, pawnRow * 8 + col + 1, side, Pawn)) found(pawnRow * 8 + col + 1);
    }
    for (int d = 0; d < 8; ++d) {
        const int s = firstOccupied(board, target, d);
        if (s < 0) continue;
        const Square& q = at(board, s);
        const PieceKind slider = d < 4 ? Bishop : Rook;
        if (q.owner == side && (q.kind == slider || q.kind == Queen)) found(s);
    }
    const geometry::SquareList& jumps = tables.knight[target];
    for (int i = 0; i < jumps.count; ++i)
        if (isPiece(board, jumps.squares[i], side, Knight)) found(jumps.squares[i]);
    if (kingsCapture) {
        const geometry::SquareList& steps = tables.king[target];
        for (int i = 0; i < steps.count; ++i)
            if (isPiece(board, steps.squares[i], side, King)) found(steps.squares[i]);
    }
}

}  // namespace

bool isSquareAttacked(const Board& board, int row, int col) noexcept {
    // The scan's Attacked: Enemy pawns from above, sliders of the line's kind,
    // knights, and the Enemy king (which attacks even a king).
    const int target = row * 8 + col;
    if (row + 1 < 8) {
        if (col > 0 && isPiece(board, (row + 1) * 8 + col - 1, Enemy, Pawn)) return true;
        if (col < 7 && isPiece(board, (row + 1) * 8 + col + 1, Enemy, Pawn)) return true;
    }
    for (int d = 0; d < 8; ++d) {
        const int s = firstOccupied(board, target, d);
        if (s < 0) continue;
        const Square& q = at(board, s);
        if (q.owner == Enemy && (q.kind == (d < 4 ? Bishop : Rook) || q.kind == Queen)) return true;
    }
    const geometry::SquareList& jumps = tables.knight[target];
    for (int i = 0; i < jumps.count; ++i)
        if (isPiece(board, jumps.squares[i], Enemy, Knight)) return true;
    const geometry::SquareList& steps = tables.king[target];
    for (int i = 0; i < steps.count; ++i)
        if (isPiece(board, steps.squares[i], Enemy, King)) return true;
    return false;
}

int capturersOf(const Board& board, int row, int col, Owner side, Capturer (&out)[MaxCapturers]) noexcept {
    const Owner victim = side == Own ? Enemy : Own;
    if (!onBoard(row, col) || board.at(row, col).owner != victim) return 0;
    int n = 0;
    forEachCapturer(board, row * 8 + col, side, board.at(row, col).kind != King, [&](int s) {
        out[n++] = {s / 8, s % 8, at(board, s).kind};
    });
    return n;
}

void markCaptureTargets(const Board& board, Owner side, bool (&targets)[64]) noexcept {
    const Owner victim = side == Own ? Enemy : Own;
    for (bool& t : targets) t = false;
    auto mark = [&](int s, bool kingCaptures) {
        const Square& q = at(board, s);
        if (q.owner == victim && (kingCaptures || q.kind != King)) targets[s] = true;
    };
    const int forward = side == Own ? 1 : -1;
    for (int s = 0; s < 64; ++s) {
        const Square& p = at(board, s);
        if (p.owner != side) continue;
        const int r = s / 8, c = s % 8;
        auto lines = [&](int first, int last) {
            for (int d = first; d <= last; ++d) {
                const int t = firstOccupied(board, s, d);
                if (t >= 0) mark(t, true);
            }
        };
        switch (p.kind) {
        case Pawn:
            if (r + forward >= 0 && r + forward < 8) {
                if (c > 0) mark((r + forward) * 8 + c - 1, true);
                if (c < 7) mark((r + forward) * 8 + c + 1, true);
            }
            break;
        case Knight: {
            const geometry::SquareList& jumps = tables.knight[s];
            for (int i = 0; i < jumps.count; ++i) mark(jumps.squares[i], true);
            break;
        }
        case Bishop: lines(0, 3); break;
        case Rook: lines(4, 7); break;
        case Queen: lines(0, 7); break;
        case King: {
            const geometry::SquareList& steps = tables.king[s];
            for (int i = 0; i < steps.count; ++i) mark(steps.squares[i], false);
            break;
        }
        default: break;
        }
    }
}

int listCaptureMoves(const Board& board, MoveRecord (&out)[MaxCaptureMoves]) noexcept {
    struct Sink {
        MoveRecord (&out)[MaxCaptureMoves];
        int n;
        int fromRow, fromCol;
        void note(StatusFlag, LineCode) noexcept {}
        void capture(int r, int c) noexcept {
            // Each piece captures each target once, so no duplicates arise.
            if (n < MaxCaptureMoves) out[n++] = makeMoveRecord(fromRow, fromCol, r, c);
        }
    } sink{out, 0, 0, 0};
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const Square piece = board.at(r, c);
            if (piece.owner != Own) continue;
            sink.fromRow = r;
            sink.fromCol = c;
            detail::scanAll(sink, board, piece, r, c);
        }
    }
    return sink.n;
}

int countEnemyCaptures(const Board& board, int row, int col) noexcept {
    Capturer capturers[MaxCapturers];
    return capturersOf(board, row, col, Enemy, capturers);
}

}  // namespace orbel
