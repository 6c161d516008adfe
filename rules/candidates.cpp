#include "rules/candidates.h"

#include "rules/apply_move.h"
#include "rules/attack_scan.h"
#include "rules/scan_detail.h"

namespace orbel {
namespace {

using detail::CaptureCodes;

bool isFree(const Board& board, int row, int col) noexcept {
    return onBoard(row, col) && board.at(row, col).owner == Empty;
}

bool isDiagonalCode(LineCode x) noexcept { return (x & Line::Diagonal) != 0; }
bool isRowOrColumnCode(LineCode x) noexcept { return (x & (Line::Row | Line::Column)) != 0; }

struct Target {
    int dr, dc;
    LineCode code;
};

// The knight's targets by quadrant, in the scan's order.
constexpr Target knightTargets[] = {
    {2, 1, Line::KnightUpRight},    {1, 2, Line::KnightUpRight},    {2, -1, Line::KnightUpLeft},
    {1, -2, Line::KnightUpLeft},    {-2, 1, Line::KnightDownRight}, {-1, 2, Line::KnightDownRight},
    {-2, -1, Line::KnightDownLeft}, {-1, -2, Line::KnightDownLeft},
};

// The order in which a king tries its steps for threats (not the scan's order).
constexpr Target kingThreatSteps[] = {
    {1, 0, Line::KingUp},         {-1, 0, Line::KingDown},      {0, 1, Line::KingRight},
    {0, -1, Line::KingLeft},      {1, 1, Line::KingUpRight},    {1, -1, Line::KingUpLeft},
    {-1, 1, Line::KingDownRight}, {-1, -1, Line::KingDownLeft},
};

constexpr Target diagonalMoves[] = {
    {1, 1, Line::DiagonalUpRight},
    {1, -1, Line::DiagonalUpLeft},
    {-1, 1, Line::DiagonalDownRight},
    {-1, -1, Line::DiagonalDownLeft},
};

bool isKnightJump(int r1, int c1, int r2, int c2) noexcept {
    const int dr = r1 > r2 ? r1 - r2 : r2 - r1;
    const int dc = c1 > c2 ? c1 - c2 : c2 - c1;
    return (dr == 1 && dc == 2) || (dr == 2 && dc == 1);
}

// The threats of the piece standing on (row, col) of `work`: for every trial
// square it could move to, the captures it would then have that count for the
// part that tried it. `found(code, trialRow, trialCol)` receives each one in
// order. The piece's own square is emptied while the trial scans run (a trial
// position is the board with the piece moved) and restored afterwards; the
// trial square itself is never read by a scan from it, so it is left alone.
//
// `found` may return true to stop the search early (a question of existence);
// forEachThreat then returns true.
template <class Found>
bool forEachThreat(Board& work, Square piece, int row, int col, Found&& found) {
    const Square saved = work.at(row, col);
    work.at(row, col) = EmptySquare;
    const PieceKind k = piece.kind;
    const bool queen = k == Queen;
    bool stopped = false;

    auto trial = [&](int tr, int tc, LineCode moveCode, auto&& scans, auto&& counts) {
        if (stopped) return;
        CaptureCodes cc;
        scans(cc, tr, tc);
        for (int i = 0; i < cc.count && !stopped; ++i) {
            if (counts(cc.codes[i])) stopped = found(Line::combine(moveCode, cc.codes[i]), tr, tc);
        }
    };
    auto walk = [&](int dr, int dc, LineCode moveCode, auto&& scans, auto&& counts) {
        for (int r = row + dr, c = col + dc; !stopped && isFree(work, r, c); r += dr, c += dc)
            trial(r, c, moveCode, scans, counts);
    };

    if (k == Pawn) {
        auto scans = [&](CaptureCodes& cc, int r, int c) { detail::scanPawnLines(cc, work, piece, r, c); };
        auto counts = [](LineCode x) { return x == Line::PawnUpRight || x == Line::PawnUpLeft; };
        if (isFree(work, row + 1, col)) trial(row + 1, col, Line::PawnAdvance, scans, counts);
        if (row == 1 && isFree(work, 2, col) && isFree(work, 3, col)) trial(3, col, Line::PawnAdvance, scans, counts);
    }
    if (k == Rook || queen) {
        // Along the row: captures up or down a column (and, for a queen, diagonals).
        auto scans = [&](CaptureCodes& cc, int r, int c) {
            detail::scanColumn(cc, work, piece, r, c);
            if (queen) detail::scanDiagonals(cc, work, piece, r, c);
        };
        auto counts = [queen](LineCode x) {
            return x == Line::ColumnUp || x == Line::ColumnDown || (queen && isDiagonalCode(x));
        };
        walk(0, -1, Line::RowLeft, scans, counts);
        walk(0, 1, Line::RowRight, scans, counts);
    }
    if (k == Rook || queen) {
        // Along the column: captures along a row (and, for a queen, diagonals).
        auto scans = [&](CaptureCodes& cc, int r, int c) {
            detail::scanRow(cc, work, piece, r, c);
            if (queen) detail::scanDiagonals(cc, work, piece, r, c);
        };
        auto counts = [queen](LineCode x) {
            return x == Line::RowRight || x == Line::RowLeft || (queen && isDiagonalCode(x));
        };
        walk(1, 0, Line::ColumnUp, scans, counts);
        walk(-1, 0, Line::ColumnDown, scans, counts);
    }
    if (k == Bishop || queen) {
        // Along a diagonal: captures on the diagonals at right angles to it (and,
        // for a queen, along rows and columns), never further along its own line.
        auto scans = [&](CaptureCodes& cc, int r, int c) {
            detail::scanDiagonals(cc, work, piece, r, c);
            if (queen) {
                detail::scanRow(cc, work, piece, r, c);
                detail::scanColumn(cc, work, piece, r, c);
            }
        };
        for (const Target& d : diagonalMoves) {
            const bool rising = d.code == Line::DiagonalUpRight || d.code == Line::DiagonalDownLeft;
            auto counts = [queen, rising](LineCode x) {
                const bool cross = rising ? (x == Line::DiagonalUpLeft || x == Line::DiagonalDownRight)
                                          : (x == Line::DiagonalUpRight || x == Line::DiagonalDownLeft);
                return cross || (queen && isRowOrColumnCode(x));
            };
            walk(d.dr, d.dc, d.code, scans, counts);
        }
    }
    if (k == Knight) {
        auto scans = [&](CaptureCodes& cc, int r, int c) { detail::scanKnightJumps(cc, work, piece, r, c); };
        auto counts = [](LineCode) { return true; };
        for (const Target& t : knightTargets) {
            if (isFree(work, row + t.dr, col + t.dc)) trial(row + t.dr, col + t.dc, t.code, scans, counts);
        }
    }
    if (k == King) {
        auto scans = [&](CaptureCodes& cc, int r, int c) { detail::scanKingSteps(cc, work, piece, r, c); };
        auto counts = [](LineCode) { return true; };
        for (const Target& t : kingThreatSteps) {
            if (isFree(work, row + t.dr, col + t.dc)) trial(row + t.dr, col + t.dc, t.code, scans, counts);
        }
    }
    work.at(row, col) = saved;
    return stopped;
}

void noteThreats(MoveList& moves, StatusList& statuses, Board& work, int row, int col) {
    const Square piece = work.at(row, col);
    detail::StatusSink sink(nullptr, statuses, piece, row, col);
    forEachThreat(work, piece, row, col, [&](LineCode code, int tr, int tc) {
        sink.note(CanThreaten, code);
        moves.addUnique(makeMoveRecord(row, col, tr, tc));
        return false;
    });
}

// `trial` is an empty board, lent for the trial positions and returned empty.
void noteDefences(MoveList& moves, StatusList& statuses, int row, int col, const Board& board, Board& trial) {
    const Square piece = board.at(row, col);
    // The list grows while this runs (a first CanDefend note appends an entry),
    // so it is walked by index against its current size.
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        const PieceStatus& x = statuses[i];
        if (!x.has(Attacked) || (x.row == row && x.column == col)) continue;
        const int xr = x.row, xc = x.column;

        // Moves after which the piece, alone on the board with a stand-in for
        // the attacked piece, could capture that stand-in.
        LineCode codes[64];
        int count = 0;
        trial.at(xr, xc) = {x.kind, Enemy};
        forEachThreat(trial, piece, row, col, [&](LineCode code, int, int) {
            if (count < 64) codes[count++] = code;
            return false;
        });
        trial.at(xr, xc) = EmptySquare;

        // Each one is checked on the real board.
        for (int k = 0; k < count; ++k) {
            const LineCode code = codes[k];
            const LineCode m = Line::moveCodeOf(code);
            if (Line::isKnightCode(m)) {
                const Target* first = nullptr;
                for (const Target& t : knightTargets) {
                    if (t.code == m && onBoard(row + t.dr, col + t.dc) && isKnightJump(row + t.dr, col + t.dc, xr, xc)) {
                        first = &t;
                        break;
                    }
                }
                if (!first) continue;
                const int tr = row + first->dr, tc = col + first->dc;
                if (board.at(tr, tc).owner == Empty) {
                    noteStatus(statuses, piece, row, col, CanDefend, code);
                    moves.addUnique(makeMoveRecord(row, col, tr, tc));
                }
                continue;
            }
            const Line::Step step = Line::stepOf(m);
            const Line::Step look = Line::stepOf(Line::captureCodeOf(code));
            for (int sr = row + step.dr, sc = col + step.dc; isFree(board, sr, sc); sr += step.dr, sc += step.dc) {
                bool reaches = false;
                for (int r = sr + look.dr, c = sc + look.dc; onBoard(r, c); r += look.dr, c += look.dc) {
                    if (r == xr && c == xc) {
                        reaches = true;
                        break;
                    }
                    if (board.at(r, c).owner != Empty) break;
                }
                if (reaches) {
                    noteStatus(statuses, piece, row, col, CanDefend, code);
                    moves.addUnique(makeMoveRecord(row, col, sr, sc));
                    break;
                }
            }
        }
    }
}

template <class Visit>
void forEachQuietMove(Square piece, int row, int col, const Board& board, Visit&& visit) {
    auto ray = [&](int dr, int dc) {
        for (int r = row + dr, c = col + dc; isFree(board, r, c); r += dr, c += dc) visit(r, c);
    };
    auto step = [&](int r, int c) {
        if (isFree(board, r, c)) visit(r, c);
    };
    const PieceKind k = piece.kind;
    if (k == Bishop || k == Queen) {
        ray(1, 1);
        ray(1, -1);
        ray(-1, 1);
        ray(-1, -1);
    }
    if (k == Rook || k == Queen) {
        ray(0, 1);
        ray(0, -1);
        ray(1, 0);
        ray(-1, 0);
    }
    if (k == Knight) {
        if (col == 6) {
            step(row + 2, 5);
            step(row + 1, 4);
        } else {
            step(row + 2, col + 1);
            step(row + 1, col + 2);
        }
        step(row - 2, col + 1);
        step(row - 1, col + 2);
        step(row - 2, col - 1);
        step(row - 1, col - 2);
    }
    if (k == Pawn) {
        step(row + 1, col);
        if (row == 1 && isFree(board, 2, col) && isFree(board, 3, col)) visit(3, col);
    }
    if (k == King) {
        step(row + 1, col + 1);
        step(row + 1, col);
        step(row + 1, col - 1);
        step(row, col + 1);
        step(row - 1, col + 1);
        step(row - 1, col);
        step(row - 1, col - 1);
        step(row, col - 1);
    }
}

}  // namespace

void threatMoves(const GameState&, MoveList& moves, StatusList& statuses, int row, int col, const Board& board) {
    Board work = board;
    noteThreats(moves, statuses, work, row, col);
}

void defenceMoves(const GameState&, MoveList& moves, StatusList& statuses, int row, int col, const Board& board) {
    Board trial;
    noteDefences(moves, statuses, row, col, board, trial);
}

void centralPawnPush(MoveList& moves, StatusList& statuses, int row, int col, const Board& board) {
    const Square piece = board.at(row, col);
    if (piece.kind != Pawn || row >= 3 || col < 2 || col > 5) return;
    if (row == 1 && isFree(board, 2, col) && isFree(board, 3, col)) {
        moves.addUnique(makeMoveRecord(1, col, 3, col));
        noteStatus(statuses, piece, 1, col, CentralPawnPush, 0);
        return;
    }
    if (isFree(board, row + 1, col)) {
        noteStatus(statuses, piece, row, col, CentralPawnPush, 0);
        moves.addUnique(makeMoveRecord(row, col, row + 1, col));
    }
}

void pawnPush(MoveList& moves, StatusList& statuses, int row, int col, const Board& board) {
    const Square piece = board.at(row, col);
    if (piece.kind != Pawn || row < 3) return;
    if (isFree(board, row + 1, col)) {
        noteStatus(statuses, piece, row, col, PawnPush, 0);
        moves.addUnique(makeMoveRecord(row, col, row + 1, col));
    }
}

void backRankPiece(MoveList&, StatusList& statuses, int row, int col, const Board& board) {
    const Square piece = board.at(row, col);
    if (row != 0 || piece.kind == King) return;
    noteStatus(statuses, piece, row, col, BackRank, 0);
}

int generateCandidates(const GameState&, MoveList& moves, StatusList& statuses, const Board& board) {
    // One working copy serves every trial position of this call.
    Board work = board;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const Square piece = work.at(r, c);
            if (piece.owner != Own) continue;
            detail::StatusSink sink(&moves, statuses, piece, r, c);
            detail::scanAll(sink, work, piece, r, c);
            noteThreats(moves, statuses, work, r, c);
            centralPawnPush(moves, statuses, r, c, work);
            pawnPush(moves, statuses, r, c, work);
            backRankPiece(moves, statuses, r, c, work);
        }
    }
    Board trial;
    for (int r = 7; r >= 0; --r) {
        for (int c = 7; c >= 0; --c) {
            if (work.at(r, c).owner == Own) noteDefences(moves, statuses, r, c, work, trial);
        }
    }
    return static_cast<int>(statuses.size());
}

bool hasThreatMove(const Board& board) {
    Board work = board;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const Square piece = work.at(r, c);
            if (piece.owner != Own) continue;
            if (forEachThreat(work, piece, r, c, [](LineCode, int, int) { return true; })) return true;
        }
    }
    return false;
}

void quietMoves(MoveList& out, Square piece, int row, int col, const Board& board) {
    forEachQuietMove(piece, row, col, board, [&](int r, int c) { out.append(makeMoveRecord(row, col, r, c)); });
}

MoveRecord bestSquareMove(const GameState&, Board& board, const PieceStatus& entry) {
    const int row = entry.row, col = entry.column;
    const Square piece = board.at(row, col);
    struct Destination {
        int row, col;
    };
    Destination destinations[32];
    int count = 0;
    forEachQuietMove(piece, row, col, board, [&](int r, int c) {
        if (count < 32) destinations[count++] = {r, c};
    });

    // The opponent's candidate moves that end on the piece's new square are
    // exactly its captures there, so counting those needs no full generation.
    MoveRecord answer = noMoveRecord();
    int best = 999;
    board.at(row, col) = EmptySquare;
    for (int i = 0; i < count; ++i) {
        const Destination d = destinations[i];
        board.at(d.row, d.col) = piece;
        const int reached = countEnemyCaptures(board, d.row, d.col);
        board.at(d.row, d.col) = EmptySquare;
        if (reached < best) {
            best = reached;
            answer = makeMoveRecord(row, col, d.row, d.col);
        }
    }
    board.at(row, col) = piece;
    return answer;
}

int buildMoveList(const GameState& game, MoveList& moves, StatusList& statuses, Board& board) {
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        const PieceStatus& e = statuses[i];
        if (e.has(Attacked)) {
            const MoveRecord m = bestSquareMove(game, board, e);
            if (m.isMove()) moves.addUnique(m);
        }
        if (e.has(BackRank)) {
            const MoveRecord m = bestSquareMove(game, board, e);
            if (m.isMove()) moves.addUnique(m);
            if (e.kind == Bishop) {
                for (int c : {e.column + 1, e.column, e.column - 1}) {
                    if (c < 0 || c > 7) continue;
                    const Square& s = board.at(1, c);
                    if (s.kind != Pawn || s.owner != Own) continue;
                    if (isFree(board, 2, c)) moves.addUnique(makeMoveRecord(1, c, 2, c));
                    if (isFree(board, 2, c) && isFree(board, 3, c)) moves.addUnique(makeMoveRecord(1, c, 3, c));
                }
            }
        }
    }
    const CastlingOffers castles = ownCastlingMoves(game, board);
    for (int i = 0; i < castles.count; ++i) moves.append(castles.moves[i]);
    return static_cast<int>(moves.size());
}

void candidateMoves(const GameState& game, const Board& board, MoveList& moves, StatusList& statuses) {
    Board work = board;
    moves.clear();
    statuses.clear();
    generateCandidates(game, moves, statuses, work);
    buildMoveList(game, moves, statuses, work);
}

}  // namespace orbel
