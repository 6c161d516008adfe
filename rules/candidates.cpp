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

// The trial positions of one piece: for each square it could move to, the
// captures it would then have that count for the line it moved along.
// `found(code, trialRow, trialCol)` receives each one in order and may return
// true to stop the trials (a question of existence).
template <class Found>
struct ThreatTrials {
    Board& work;
    Square piece;
    int row, col;
    Found& found;
    bool stopped = false;

    template <class Scans, class Counts>
    void trial(int tr, int tc, LineCode moveCode, Scans&& scans, Counts&& counts) {
        if (stopped) return;
        CaptureCodes cc;
        scans(cc, tr, tc);
        for (int i = 0; i < cc.count && !stopped; ++i) {
            if (counts(cc.codes[i])) stopped = found(Line::combine(moveCode, cc.codes[i]), tr, tc);
        }
    }
    // Every free square along one direction, nearest first.
    template <class Scans, class Counts>
    void walk(int dr, int dc, LineCode moveCode, Scans&& scans, Counts&& counts) {
        for (int r = row + dr, c = col + dc; !stopped && isFree(work, r, c); r += dr, c += dc)
            trial(r, c, moveCode, scans, counts);
    }
    // One free square per target, where every capture counts.
    template <std::size_t N, class Scans>
    void steps(const Target (&targets)[N], Scans&& scans) {
        auto counts = [](LineCode) { return true; };
        for (const Target& t : targets) {
            if (isFree(work, row + t.dr, col + t.dc)) trial(row + t.dr, col + t.dc, t.code, scans, counts);
        }
    }
};

template <class Trials>
void pawnThreats(Trials& t) {
    auto scans = [&](CaptureCodes& cc, int r, int c) { detail::scanPawnLines(cc, t.work, t.piece, r, c); };
    auto counts = [](LineCode x) { return x == Line::PawnUpRight || x == Line::PawnUpLeft; };
    const int row = t.row, col = t.col;
    if (isFree(t.work, row + 1, col)) t.trial(row + 1, col, Line::PawnAdvance, scans, counts);
    if (row == 1 && isFree(t.work, 2, col) && isFree(t.work, 3, col)) t.trial(3, col, Line::PawnAdvance, scans, counts);
}

// A rook or queen along its row, then along its column: the captures at right
// angles to the move count (and, for a queen, the diagonals).
template <class Trials>
void straightThreats(Trials& t, bool queen) {
    auto alongRow = [&](CaptureCodes& cc, int r, int c) {
        detail::scanColumn(cc, t.work, t.piece, r, c);
        if (queen) detail::scanDiagonals(cc, t.work, t.piece, r, c);
    };
    auto countsAlongRow = [queen](LineCode x) {
        return x == Line::ColumnUp || x == Line::ColumnDown || (queen && isDiagonalCode(x));
    };
    t.walk(0, -1, Line::RowLeft, alongRow, countsAlongRow);
    t.walk(0, 1, Line::RowRight, alongRow, countsAlongRow);

    auto alongColumn = [&](CaptureCodes& cc, int r, int c) {
        detail::scanRow(cc, t.work, t.piece, r, c);
        if (queen) detail::scanDiagonals(cc, t.work, t.piece, r, c);
    };
    auto countsAlongColumn = [queen](LineCode x) {
        return x == Line::RowRight || x == Line::RowLeft || (queen && isDiagonalCode(x));
    };
    t.walk(1, 0, Line::ColumnUp, alongColumn, countsAlongColumn);
    t.walk(-1, 0, Line::ColumnDown, alongColumn, countsAlongColumn);
}

// A bishop or queen along a diagonal: captures on the diagonals at right
// angles to it (and, for a queen, along rows and columns), never further
// along its own line.
template <class Trials>
void diagonalThreats(Trials& t, bool queen) {
    auto scans = [&](CaptureCodes& cc, int r, int c) {
        detail::scanDiagonals(cc, t.work, t.piece, r, c);
        if (queen) {
            detail::scanRow(cc, t.work, t.piece, r, c);
            detail::scanColumn(cc, t.work, t.piece, r, c);
        }
    };
    for (const Target& d : diagonalMoves) {
        const bool rising = d.code == Line::DiagonalUpRight || d.code == Line::DiagonalDownLeft;
        auto counts = [queen, rising](LineCode x) {
            const bool cross = rising ? (x == Line::DiagonalUpLeft || x == Line::DiagonalDownRight)
                                      : (x == Line::DiagonalUpRight || x == Line::DiagonalDownLeft);
            return cross || (queen && isRowOrColumnCode(x));
        };
        t.walk(d.dr, d.dc, d.code, scans, counts);
    }
}

// The threats of the piece standing on (row, col) of `work`, in order, to
// `found` (see ThreatTrials); returns whether `found` stopped them. The
// piece's own square is emptied while the trial scans run (a trial position
// is the board with the piece moved) and restored afterwards; the trial
// square itself is never read by a scan from it, so it is left alone.
template <class Found>
bool forEachThreat(Board& work, Square piece, int row, int col, Found&& found) {
    const Square saved = work.at(row, col);
    work.at(row, col) = EmptySquare;
    ThreatTrials<Found> t{work, piece, row, col, found};
    switch (piece.kind) {
    case Pawn: pawnThreats(t); break;
    case Rook: straightThreats(t, false); break;
    case Queen:
        straightThreats(t, true);
        diagonalThreats(t, true);
        break;
    case Bishop: diagonalThreats(t, false); break;
    case Knight:
        t.steps(knightTargets, [&](CaptureCodes& cc, int r, int c) { detail::scanKnightJumps(cc, work, piece, r, c); });
        break;
    case King:
        t.steps(kingThreatSteps, [&](CaptureCodes& cc, int r, int c) { detail::scanKingSteps(cc, work, piece, r, c); });
        break;
    default: break;
    }
    work.at(row, col) = saved;
    return t.stopped;
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

// A knight's defence found on the trial board, checked on the real one: only
// the first target of its quadrant from which it would reach (xr, xc) is
// tried, and it must be empty.
void noteKnightDefence(MoveList& moves, StatusList& statuses, int row, int col, const Board& board, LineCode code,
                       int xr, int xc) {
    const LineCode m = Line::moveCodeOf(code);
    for (const Target& t : knightTargets) {
        if (t.code != m || !onBoard(row + t.dr, col + t.dc) || !isKnightJump(row + t.dr, col + t.dc, xr, xc)) continue;
        const int tr = row + t.dr, tc = col + t.dc;
        if (board.at(tr, tc).owner == Empty) {
            noteStatus(statuses, board.at(row, col), row, col, CanDefend, code);
            moves.addUnique(makeMoveRecord(row, col, tr, tc));
        }
        return;
    }
}

// A slider's, pawn's or king's defence found on the trial board, checked on
// the real one: the first free square along the move's line from which the
// capture's line reaches (xr, xc) unblocked.
void noteLineDefence(MoveList& moves, StatusList& statuses, int row, int col, const Board& board, LineCode code,
                     int xr, int xc) {
    const Line::Step step = Line::stepOf(Line::moveCodeOf(code));
    const Line::Step look = Line::stepOf(Line::captureCodeOf(code));
    for (int sr = row + step.dr, sc = col + step.dc; isFree(board, sr, sc); sr += step.dr, sc += step.dc) {
        for (int r = sr + look.dr, c = sc + look.dc; onBoard(r, c); r += look.dr, c += look.dc) {
            if (r == xr && c == xc) {
                noteStatus(statuses, board.at(row, col), row, col, CanDefend, code);
                moves.addUnique(makeMoveRecord(row, col, sr, sc));
                return;
            }
            if (board.at(r, c).owner != Empty) break;
        }
    }
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
            if (Line::isKnightCode(Line::moveCodeOf(codes[k]))) {
                noteKnightDefence(moves, statuses, row, col, board, codes[k], xr, xc);
            } else {
                noteLineDefence(moves, statuses, row, col, board, codes[k], xr, xc);
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
