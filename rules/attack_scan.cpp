#include "rules/attack_scan.h"

namespace orbel {
namespace {

bool isEnemy(const Board& board, int row, int col) noexcept {
    return onBoard(row, col) && board.at(row, col).owner == Enemy;
}

bool isEnemyKind(const Board& board, int row, int col, PieceKind kind) noexcept {
    return isEnemy(board, row, col) && board.at(row, col).kind == kind;
}

void addCapture(MoveList* moves, int row, int col, int toRow, int toCol) {
    if (moves) moves->addUnique(makeMoveRecord(row, col, toRow, toCol));
}

struct SliderDirection {
    int dr;
    int dc;
    LineCode code;
};

constexpr SliderDirection diagonalDirections[] = {
    {1, 1, Line::DiagonalUpRight},
    {1, -1, Line::DiagonalUpLeft},
    {-1, 1, Line::DiagonalDownRight},
    {-1, -1, Line::DiagonalDownLeft},
};
constexpr SliderDirection rowDirections[] = {{0, 1, Line::RowRight}, {0, -1, Line::RowLeft}};
constexpr SliderDirection columnDirections[] = {{1, 0, Line::ColumnUp}, {-1, 0, Line::ColumnDown}};

struct KnightQuadrant {
    int dr1, dc1, dr2, dc2;
    LineCode code;
};
constexpr KnightQuadrant knightQuadrants[] = {
    {2, 1, 1, 2, Line::KnightUpRight},
    {2, -1, 1, -2, Line::KnightUpLeft},
    {-2, 1, -1, 2, Line::KnightDownRight},
    {-2, -1, -1, -2, Line::KnightDownLeft},
};

struct KingStepDirection {
    int dr;
    int dc;
    LineCode code;
};
constexpr KingStepDirection kingScanSteps[] = {
    {1, 1, Line::KingUpRight}, {1, 0, Line::KingUp},       {1, -1, Line::KingUpLeft},
    {0, -1, Line::KingLeft},   {-1, -1, Line::KingDownLeft}, {-1, 0, Line::KingDown},
    {-1, 1, Line::KingDownRight}, {0, 1, Line::KingRight},
};

// One slider line: `attackerA`/`attackerB` are the Enemy kinds that attack
// along it, and the scanned piece captures along it when it is one of them too.
template <std::size_t N>
void scanSliderLines(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row,
                     int col, const SliderDirection (&directions)[N], PieceKind kindA, PieceKind kindB) {
    const bool captures = piece.kind == kindA || piece.kind == kindB;
    for (const SliderDirection& d : directions) {
        int r = row + d.dr;
        int c = col + d.dc;
        while (onBoard(r, c)) {
            const Square& s = board.at(r, c);
            if (s.owner == Enemy) {
                if (captures) {
                    addCapture(moves, row, col, r, c);
                    noteStatus(statuses, piece, row, col, CanCapture, d.code);
                }
                if (s.kind == kindA || s.kind == kindB) noteStatus(statuses, piece, row, col, Attacked, d.code);
                break;
            }
            if (s.owner == Own) break;
            r += d.dr;
            c += d.dc;
        }
    }
}

}  // namespace

void scanPawnLines(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row, int col) {
    if (isEnemyKind(board, row + 1, col + 1, Pawn)) noteStatus(statuses, piece, row, col, Attacked, Line::PawnUpRight);
    if (isEnemyKind(board, row + 1, col - 1, Pawn)) noteStatus(statuses, piece, row, col, Attacked, Line::PawnUpLeft);
    if (piece.kind != Pawn) return;
    if (isEnemy(board, row + 1, col + 1)) {
        addCapture(moves, row, col, row + 1, col + 1);
        noteStatus(statuses, piece, row, col, CanCapture, Line::PawnUpRight);
    }
    if (isEnemy(board, row + 1, col - 1)) {
        addCapture(moves, row, col, row + 1, col - 1);
        noteStatus(statuses, piece, row, col, CanCapture, Line::PawnUpLeft);
    }
}

void scanDiagonals(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row, int col) {
    scanSliderLines(moves, statuses, board, piece, row, col, diagonalDirections, Bishop, Queen);
}

void scanRow(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row, int col) {
    scanSliderLines(moves, statuses, board, piece, row, col, rowDirections, Rook, Queen);
}

void scanColumn(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row, int col) {
    scanSliderLines(moves, statuses, board, piece, row, col, columnDirections, Rook, Queen);
}

void scanKnightJumps(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row, int col) {
    for (const KnightQuadrant& q : knightQuadrants) {
        const int r1 = row + q.dr1, c1 = col + q.dc1;
        const int r2 = row + q.dr2, c2 = col + q.dc2;
        if (isEnemyKind(board, r1, c1, Knight) || isEnemyKind(board, r2, c2, Knight)) {
            noteStatus(statuses, piece, row, col, Attacked, q.code);
        }
        if (piece.kind != Knight) continue;
        const bool first = isEnemy(board, r1, c1);
        const bool second = isEnemy(board, r2, c2);
        if (!first && !second) continue;
        noteStatus(statuses, piece, row, col, CanCapture, q.code);
        if (first) addCapture(moves, row, col, r1, c1);
        if (second) addCapture(moves, row, col, r2, c2);
    }
}

void scanKingSteps(MoveList* moves, StatusList& statuses, const Board& board, Square piece, int row, int col) {
    for (const KingStepDirection& d : kingScanSteps) {
        const int r = row + d.dr, c = col + d.dc;
        if (!isEnemy(board, r, c)) continue;
        if (board.at(r, c).kind == King) {
            noteStatus(statuses, piece, row, col, Attacked, d.code);
        } else if (piece.kind == King) {
            noteStatus(statuses, piece, row, col, CanCapture, d.code);
            addCapture(moves, row, col, r, c);
        }
    }
}

int scanSquare(MoveList& moves, StatusList& statuses, int row, int col, const Board& board) {
    const Square piece = board.at(row, col);
    scanPawnLines(&moves, statuses, board, piece, row, col);
    scanDiagonals(&moves, statuses, board, piece, row, col);
    scanRow(&moves, statuses, board, piece, row, col);
    scanColumn(&moves, statuses, board, piece, row, col);
    scanKnightJumps(&moves, statuses, board, piece, row, col);
    scanKingSteps(&moves, statuses, board, piece, row, col);
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
    if (isEnemyKind(board, row + 1, col + 1, Pawn) || isEnemyKind(board, row + 1, col - 1, Pawn)) return true;
    auto slider = [&](int dr, int dc, PieceKind a, PieceKind b) {
        int r = row + dr, c = col + dc;
        while (onBoard(r, c)) {
            const Square& s = board.at(r, c);
            if (s.owner == Enemy) return s.kind == a || s.kind == b;
            if (s.owner == Own) return false;
            r += dr;
            c += dc;
        }
        return false;
    };
    for (const SliderDirection& d : diagonalDirections) {
        if (slider(d.dr, d.dc, Bishop, Queen)) return true;
    }
    for (const SliderDirection& d : rowDirections) {
        if (slider(d.dr, d.dc, Rook, Queen)) return true;
    }
    for (const SliderDirection& d : columnDirections) {
        if (slider(d.dr, d.dc, Rook, Queen)) return true;
    }
    for (const KnightQuadrant& q : knightQuadrants) {
        if (isEnemyKind(board, row + q.dr1, col + q.dc1, Knight) || isEnemyKind(board, row + q.dr2, col + q.dc2, Knight))
            return true;
    }
    for (const KingStepDirection& d : kingScanSteps) {
        if (isEnemyKind(board, row + d.dr, col + d.dc, King)) return true;
    }
    return false;
}

}  // namespace orbel
