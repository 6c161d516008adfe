#include "rules/candidates.h"

#include "rules/apply_move.h"
#include "rules/attack_scan.h"

namespace orbel {
namespace {

bool isFree(const Board& board, int row, int col) noexcept {
    return onBoard(row, col) && board.at(row, col).owner == Empty;
}

using ScanFn = void (*)(MoveList*, StatusList&, const Board&, Square, int, int);

// Which capture codes found from a trial square count for a part.
enum class Counts {
    PawnCaptures,          // 1040, 2064
    ColumnCaptures,        // 68, 132 (+ diagonals for a queen)
    RowCaptures,           // 258, 514 (+ diagonals for a queen)
    CrossDiagonals,        // the diagonals at right angles (+ rows and columns for a queen)
    Everything,            // every knight or king capture
};

bool isDiagonalCode(LineCode x) { return (x & 0xFFFF & Line::Diagonal) != 0; }
bool isRowOrColumnCode(LineCode x) { return (x & (Line::Row | Line::Column)) != 0; }

bool counts(Counts rule, LineCode moveCode, LineCode x, bool queen) {
    switch (rule) {
    case Counts::PawnCaptures: return x == Line::PawnUpRight || x == Line::PawnUpLeft;
    case Counts::ColumnCaptures: return x == Line::ColumnUp || x == Line::ColumnDown || (queen && isDiagonalCode(x));
    case Counts::RowCaptures: return x == Line::RowRight || x == Line::RowLeft || (queen && isDiagonalCode(x));
    case Counts::CrossDiagonals: {
        const bool rising = moveCode == Line::DiagonalUpRight || moveCode == Line::DiagonalDownLeft;
        const bool cross = rising ? (x == Line::DiagonalUpLeft || x == Line::DiagonalDownRight)
                                  : (x == Line::DiagonalUpRight || x == Line::DiagonalDownLeft);
        return cross || (queen && isRowOrColumnCode(x));
    }
    case Counts::Everything: return true;
    }
    return false;
}

struct ThreatContext {
    MoveList& moves;
    StatusList& statuses;
    StatusList& trialStatuses;
    const Board& board;
    Square piece;
    int row, col;
};

// Tries the piece on (tr, tc): the captures it would then have that count
// become threats of the piece on its real square.
void tryThreatSquare(ThreatContext& ctx, int tr, int tc, LineCode moveCode, const ScanFn* scans, int scanCount,
                     Counts rule) {
    Board trial = ctx.board;
    trial.at(ctx.row, ctx.col) = EmptySquare;
    trial.at(tr, tc) = ctx.piece;
    ctx.trialStatuses.clear();
    for (int i = 0; i < scanCount; ++i) scans[i](nullptr, ctx.trialStatuses, trial, ctx.piece, tr, tc);
    const PieceStatus* entry = ctx.trialStatuses.find(tr, tc);
    if (!entry) return;
    const bool queen = ctx.piece.kind == Queen;
    for (LineCode x : entry->captures) {
        if (!counts(rule, moveCode, x, queen)) continue;
        noteStatus(ctx.statuses, ctx.piece, ctx.row, ctx.col, CanThreaten, Line::combine(moveCode, x));
        ctx.moves.addUnique(makeMoveRecord(ctx.row, ctx.col, tr, tc));
    }
}

void walkThreatLine(ThreatContext& ctx, int dr, int dc, LineCode moveCode, const ScanFn* scans, int scanCount,
                    Counts rule) {
    for (int r = ctx.row + dr, c = ctx.col + dc; isFree(ctx.board, r, c); r += dr, c += dc) {
        tryThreatSquare(ctx, r, c, moveCode, scans, scanCount, rule);
    }
}

struct Target {
    int dr, dc;
    LineCode code;
};

constexpr Target knightTargets[] = {
    {2, 1, Line::KnightUpRight},    {1, 2, Line::KnightUpRight},    {2, -1, Line::KnightUpLeft},
    {1, -2, Line::KnightUpLeft},    {-2, 1, Line::KnightDownRight}, {-1, 2, Line::KnightDownRight},
    {-2, -1, Line::KnightDownLeft}, {-1, -2, Line::KnightDownLeft},
};

constexpr Target kingThreatSteps[] = {
    {1, 0, Line::KingUp},       {-1, 0, Line::KingDown},       {0, 1, Line::KingRight},
    {0, -1, Line::KingLeft},    {1, 1, Line::KingUpRight},     {1, -1, Line::KingUpLeft},
    {-1, 1, Line::KingDownRight}, {-1, -1, Line::KingDownLeft},
};

constexpr Target diagonalMoves[] = {
    {1, 1, Line::DiagonalUpRight},
    {1, -1, Line::DiagonalUpLeft},
    {-1, 1, Line::DiagonalDownRight},
    {-1, -1, Line::DiagonalDownLeft},
};

bool isKnightJump(int r1, int c1, int r2, int c2) {
    const int dr = r1 > r2 ? r1 - r2 : r2 - r1;
    const int dc = c1 > c2 ? c1 - c2 : c2 - c1;
    return (dr == 1 && dc == 2) || (dr == 2 && dc == 1);
}

void threatMovesInto(const GameState&, MoveList& moves, StatusList& statuses, StatusList& trialStatuses, int row,
                     int col, const Board& board) {
    const Square piece = board.at(row, col);
    ThreatContext ctx{moves, statuses, trialStatuses, board, piece, row, col};
    const PieceKind k = piece.kind;
    const bool queen = k == Queen;

    if (k == Pawn) {
        static constexpr ScanFn scans[] = {scanPawnLines};
        if (isFree(board, row + 1, col)) tryThreatSquare(ctx, row + 1, col, Line::PawnAdvance, scans, 1, Counts::PawnCaptures);
        if (row == 1 && isFree(board, 2, col) && isFree(board, 3, col))
            tryThreatSquare(ctx, 3, col, Line::PawnAdvance, scans, 1, Counts::PawnCaptures);
    }
    if (k == Rook || queen) {
        static constexpr ScanFn rowPartRook[] = {scanColumn};
        static constexpr ScanFn rowPartQueen[] = {scanColumn, scanDiagonals};
        const ScanFn* scans = queen ? rowPartQueen : rowPartRook;
        const int n = queen ? 2 : 1;
        walkThreatLine(ctx, 0, -1, Line::RowLeft, scans, n, Counts::ColumnCaptures);
        walkThreatLine(ctx, 0, 1, Line::RowRight, scans, n, Counts::ColumnCaptures);
    }
    if (k == Rook || queen) {
        static constexpr ScanFn columnPartRook[] = {scanRow};
        static constexpr ScanFn columnPartQueen[] = {scanRow, scanDiagonals};
        const ScanFn* scans = queen ? columnPartQueen : columnPartRook;
        const int n = queen ? 2 : 1;
        walkThreatLine(ctx, 1, 0, Line::ColumnUp, scans, n, Counts::RowCaptures);
        walkThreatLine(ctx, -1, 0, Line::ColumnDown, scans, n, Counts::RowCaptures);
    }
    if (k == Bishop || queen) {
        static constexpr ScanFn diagonalPartBishop[] = {scanDiagonals};
        static constexpr ScanFn diagonalPartQueen[] = {scanDiagonals, scanRow, scanColumn};
        const ScanFn* scans = queen ? diagonalPartQueen : diagonalPartBishop;
        const int n = queen ? 3 : 1;
        for (const Target& d : diagonalMoves) walkThreatLine(ctx, d.dr, d.dc, d.code, scans, n, Counts::CrossDiagonals);
    }
    if (k == Knight) {
        static constexpr ScanFn scans[] = {scanKnightJumps};
        for (const Target& t : knightTargets) {
            const int r = row + t.dr, c = col + t.dc;
            if (isFree(board, r, c)) tryThreatSquare(ctx, r, c, t.code, scans, 1, Counts::Everything);
        }
    }
    if (k == King) {
        static constexpr ScanFn scans[] = {scanKingSteps};
        for (const Target& t : kingThreatSteps) {
            const int r = row + t.dr, c = col + t.dc;
            if (isFree(board, r, c)) tryThreatSquare(ctx, r, c, t.code, scans, 1, Counts::Everything);
        }
    }
}

}  // namespace

void threatMoves(const GameState& game, MoveList& moves, StatusList& statuses, int row, int col, const Board& board) {
    StatusList trialStatuses;
    threatMovesInto(game, moves, statuses, trialStatuses, row, col, board);
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
    if (row + 1 < 8 && isFree(board, row + 1, col)) {
        noteStatus(statuses, piece, row, col, PawnPush, 0);
        moves.addUnique(makeMoveRecord(row, col, row + 1, col));
    }
}

void backRankPiece(MoveList&, StatusList& statuses, int row, int col, const Board& board) {
    const Square piece = board.at(row, col);
    if (row != 0 || piece.kind == King) return;
    noteStatus(statuses, piece, row, col, BackRank, 0);
}

void defenceMoves(const GameState& game, MoveList& moves, StatusList& statuses, int row, int col, const Board& board) {
    const Square piece = board.at(row, col);
    StatusList trialStatuses;
    StatusList privateStatuses;
    MoveList privateMoves;
    // The list grows while this runs (a first CanDefend note appends an entry),
    // so it is walked by index against its current size.
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        const PieceStatus& x = statuses[i];
        if (!x.has(Attacked) || (x.row == row && x.column == col)) continue;
        const int xr = x.row, xc = x.column;

        Board trial;
        trial.at(row, col) = piece;
        trial.at(xr, xc) = {x.kind, Enemy};
        privateStatuses.clear();
        privateMoves.clear();
        threatMovesInto(game, privateMoves, privateStatuses, trialStatuses, row, col, trial);
        const PieceStatus* own = privateStatuses.find(row, col);
        if (!own) continue;

        for (LineCode code : own->threats) {
            const LineCode m = Line::moveCodeOf(code);
            const LineCode xCapture = Line::captureCodeOf(code);
            if (Line::isKnightCode(m)) {
                const Target* first = nullptr;
                for (const Target& t : knightTargets) {
                    if (t.code != m) continue;
                    if (onBoard(row + t.dr, col + t.dc) && isKnightJump(row + t.dr, col + t.dc, xr, xc)) {
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
            const Line::Step look = Line::stepOf(xCapture);
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

int generateCandidates(const GameState& game, MoveList& moves, StatusList& statuses, const Board& board) {
    StatusList trialStatuses;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            if (board.at(r, c).owner != Own) continue;
            scanSquare(moves, statuses, r, c, board);
            threatMovesInto(game, moves, statuses, trialStatuses, r, c, board);
            centralPawnPush(moves, statuses, r, c, board);
            pawnPush(moves, statuses, r, c, board);
            backRankPiece(moves, statuses, r, c, board);
        }
    }
    for (int r = 7; r >= 0; --r) {
        for (int c = 7; c >= 0; --c) {
            if (board.at(r, c).owner == Own) defenceMoves(game, moves, statuses, r, c, board);
        }
    }
    return static_cast<int>(statuses.size());
}

void quietMoves(MoveList& out, Square piece, int row, int col, const Board& board) {
    auto ray = [&](int dr, int dc) {
        for (int r = row + dr, c = col + dc; isFree(board, r, c); r += dr, c += dc) {
            out.append(makeMoveRecord(row, col, r, c));
        }
    };
    auto step = [&](int r, int c) {
        if (isFree(board, r, c)) out.append(makeMoveRecord(row, col, r, c));
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
        if (row == 1 && isFree(board, 2, col) && isFree(board, 3, col)) out.append(makeMoveRecord(row, col, 3, col));
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

MoveRecord bestSquareMove(const GameState& game, Board& board, const Board& kept, const PieceStatus& entry) {
    MoveRecord answer = noMoveRecord();
    int best = 999;
    const int row = entry.row, col = entry.column;
    const Square piece = board.at(row, col);
    MoveList quiet;
    quietMoves(quiet, piece, row, col, board);
    MoveList replies;
    StatusList replyStatuses;
    for (const MoveRecord& q : quiet) {
        board.at(row, col) = EmptySquare;
        board.at(q.toRow, q.toCol) = piece;
        flipBoard(board);
        replies.clear();
        replyStatuses.clear();
        generateCandidates(game, replies, replyStatuses, board);
        int count = 0;
        for (const MoveRecord& m : replies) {
            if (7 - m.toRow == q.toRow && 7 - m.toCol == q.toCol) ++count;
        }
        board = kept;
        if (count < best) {
            best = count;
            answer = q;
        }
    }
    return answer;
}

int buildMoveList(const GameState& game, MoveList& moves, StatusList& statuses, Board& board) {
    const Board kept = board;
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        const PieceStatus& e = statuses[i];
        if (e.has(Attacked)) {
            const MoveRecord m = bestSquareMove(game, board, kept, e);
            if (m.isMove()) moves.addUnique(m);
        }
        if (e.has(BackRank)) {
            const MoveRecord m = bestSquareMove(game, board, kept, e);
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
