#include "computer/evaluation.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "rules/apply_move.h"
#include "rules/attack_scan.h"
#include "rules/candidates.h"
#include "rules/material.h"

namespace orbel {
namespace {

bool holds(const Board& b, int r, int c, PieceKind kind, Owner owner) noexcept {
    const Square& s = b.at(r, c);
    return s.kind == kind && s.owner == owner;
}

// The first move of a list sorted by mover kind whose destination, read
// through `seen`, is (row, col); nullptr when there is none.
template <class Seen>
const MoveRecord* firstOnto(const MoveList& moves, int row, int col, Seen seen) {
    for (const MoveRecord& m : moves) {
        int r = m.toRow, c = m.toCol;
        seen(r, c);
        if (r == row && c == col) return &m;
    }
    return nullptr;
}

}  // namespace

int exchangeValue(PieceKind kind) noexcept {
    switch (kind) {
    case Pawn: return 1;
    case Knight: return 3;
    case Bishop: return 3;
    case Rook: return 5;
    case Queen: return 11;
    case King: return 100;
    default: return 0;
    }
}

int materialBalance(const Board& board) noexcept {
    const MaterialSums sums = sumMaterial(board);
    return sums.own - sums.enemy;
}

namespace {
// The shell sort of sortByMoverKind over any indexable run of n moves.
template <class Moves>
void shellSortByMoverKind(Moves& moves, int n, const Board& board) noexcept {
    if (n < 2) return;
    auto key = [&](const MoveRecord& m) { return board.at(m.fromRow, m.fromCol).kind; };
    int h = 1;
    while (h <= (n - 1) / 9) h = 3 * h + 1;
    while (h > 0) {
        for (int i = h; i < n; ++i) {
            const MoveRecord v = moves[i];
            const PieceKind kv = key(v);
            int j = i;
            while (j >= h && kv < key(moves[j - h])) {
                moves[j] = moves[j - h];
                j -= h;
            }
            moves[j] = v;
        }
        h /= 3;
    }
}
}  // namespace

void sortByMoverKind(MoveList& moves, const Board& board) noexcept {
    struct Indexed {
        MoveList& list;
        MoveRecord& operator[](int i) noexcept { return list[static_cast<std::size_t>(i)]; }
    } indexed{moves};
    shellSortByMoverKind(indexed, static_cast<int>(moves.size()), board);
}

namespace {

// The lists the slow exchange term reuses from one capture to the next.
struct WholeLists {
    MoveList recaptures;
    MoveList replies;
    StatusList statuses;
};

// The recaptures and replies on (tr, tc) after the Enemy's first capture
// there, each side taking with the first capture onto the square in its whole
// capture list sorted by mover kind; returns what they add to the balance.
int playOutByWholeLists(Board& board, int tr, int tc, WholeLists& lists) {
    int balance = 0;
    for (;;) {
        lists.recaptures.clear();
        lists.statuses.clear();
        scanAllSquares(lists.recaptures, lists.statuses, board);
        sortByMoverKind(lists.recaptures, board);
        const MoveRecord* own = firstOnto(lists.recaptures, tr, tc, [](int&, int&) {});
        if (own) {
            balance += exchangeValue(board.at(tr, tc).kind);
            applyMove(*own, board);
        }

        flipBoard(board);
        lists.replies.clear();
        lists.statuses.clear();
        scanAllSquares(lists.replies, lists.statuses, board);
        sortByMoverKind(lists.replies, board);
        flipBoard(board);
        const MoveRecord* reply = firstOnto(lists.replies, tr, tc, [](int& r, int& c) {
            r = 7 - r;
            c = 7 - c;
        });
        if (!reply) return balance;
        MoveRecord turned = *reply;
        flipMove(turned);
        balance -= exchangeValue(board.at(tr, tc).kind);
        applyMove(turned, board);
        if (!own) return balance;
    }
}

// The exchange played out from the Enemy's whole candidate list, sorted by
// mover kind, each attacked square once with its first capture.
int exchangeRiskByFullLists(const GameState& game, Board& board, const Board& saved) {
    int risk = 9999;
    bool examined[64] = {};

    flipBoard(board);
    MoveList enemyMoves;
    WholeLists lists;
    generateCandidates(game, enemyMoves, lists.statuses, board);
    sortByMoverKind(enemyMoves, board);

    for (const MoveRecord& m : enemyMoves) {
        board = saved;
        int balance = 0;
        const int tr = 7 - m.toRow, tc = 7 - m.toCol;
        if (onBoard(tr, tc) && board.at(tr, tc).owner == Own && !examined[tr * 8 + tc]) {
            examined[tr * 8 + tc] = true;
            balance = -exchangeValue(board.at(tr, tc).kind);
            applyMove(makeMoveRecord(7 - m.fromRow, 7 - m.fromCol, tr, tc), board);
            balance += playOutByWholeLists(board, tr, tc, lists);
        }
        risk = std::min(risk, balance);
    }
    board = saved;
    return risk;
}

// The capture of `side` onto (row, col) that comes first in that side's
// capture list sorted by mover kind: the capturer of the lowest kind, or, when
// several share it, the one the sort of the whole list puts first. `board` is
// restored before this returns.
bool firstCaptureOnto(Board& board, int row, int col, Owner side, Capturer& first) {
    Capturer all[MaxCapturers];
    const int n = capturersOf(board, row, col, side, all);
    if (n == 0) return false;
    int best = 0;
    bool tied = false;
    for (int i = 1; i < n; ++i) {
        if (all[i].kind < all[best].kind) {
            best = i;
            tied = false;
        } else if (all[i].kind == all[best].kind) {
            tied = true;
        }
    }
    first = all[best];
    if (!tied) return true;

    // The order among equal pieces depends on the whole list: build and sort it.
    const bool flip = side == Enemy;
    if (flip) flipBoard(board);
    MoveRecord list[MaxCaptureMoves];
    const int count = listCaptureMoves(board, list);
    shellSortByMoverKind(list, count, board);
    if (flip) flipBoard(board);
    for (int i = 0; i < count; ++i) {
        MoveRecord m = list[i];
        if (flip) flipMove(m);
        if (m.toRow == row && m.toCol == col) {
            first = {m.fromRow, m.fromCol, board.at(m.fromRow, m.fromCol).kind};
            return true;
        }
    }
    return false;  // unreachable: the capturers above are in the list
}

// The capture sequence on (tr, tc) after the Enemy's capture from (fr, fc),
// played on `board`; returns its balance.
int playOutExchange(Board& board, int fr, int fc, int tr, int tc) {
    int balance = -exchangeValue(board.at(tr, tc).kind);
    applyMove(makeMoveRecord(fr, fc, tr, tc), board);
    for (;;) {
        Capturer own{}, reply{};
        const bool recaptured = firstCaptureOnto(board, tr, tc, Own, own);
        if (recaptured) {
            balance += exchangeValue(board.at(tr, tc).kind);
            applyMove(makeMoveRecord(own.row, own.col, tr, tc), board);
        }
        if (!firstCaptureOnto(board, tr, tc, Enemy, reply)) return balance;
        balance -= exchangeValue(board.at(tr, tc).kind);
        applyMove(makeMoveRecord(reply.row, reply.col, tr, tc), board);
        if (!recaptured) return balance;
    }
}

// Whether the Enemy's candidate list holds a pawn advance: an Enemy pawn with
// the square below it empty, on the central columns when it is still on its
// first three rows (seen from the Enemy).
bool enemyHasPawnAdvance(const Board& board) noexcept {
    for (int r = 1; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const Square& s = board.at(r, c);
            if (s.kind != Pawn || s.owner != Enemy || board.at(r - 1, c).owner != Empty) continue;
            if (r <= 4 || (c >= 2 && c <= 5)) return true;
        }
    }
    return false;
}

}  // namespace

int exchangeRiskFromWholeLists(const GameState& game, Board& board) {
    const Board saved = board;
    return exchangeRiskByFullLists(game, board, saved);
}

int exchangeRisk(const GameState& game, Board& board) {
    const Board saved = board;
    // Only the Enemy's captures can score below 0: each attacked square is
    // played out once, starting with its first capture in the sorted list;
    // every other move (not a capture, or a second capture of a square) scores
    // 0, and 9999 stands when the list is empty. The whole list is needed only
    // to know which of two equal capturers the sort puts first when they
    // disagree, and whether it holds any move besides the captures.
    bool anyZero = enemyHasPawnAdvance(board);
    bool anyCapture = false;
    int risk = 9999;
    bool attacked[64];
    markCaptureTargets(board, Enemy, attacked);
    for (int tr = 0; tr < 8; ++tr) {
        for (int tc = 0; tc < 8; ++tc) {
            if (!attacked[tr * 8 + tc]) continue;
            Capturer all[MaxCapturers];
            const int n = capturersOf(board, tr, tc, Enemy, all);
            if (n == 0) continue;
            anyCapture = true;
            if (n > 1) anyZero = true;
            PieceKind lowest = King + 1;
            for (int i = 0; i < n; ++i) lowest = std::min(lowest, all[i].kind);
            // Equal first capturers that end in the same balance need no order.
            bool agreed = true;
            int balance = 0;
            bool first = true;
            for (int i = 0; i < n; ++i) {
                if (all[i].kind != lowest) continue;
                const int b = playOutExchange(board, all[i].row, all[i].col, tr, tc);
                board = saved;
                if (!first && b != balance) agreed = false;
                balance = b;
                first = false;
            }
            if (!agreed) return exchangeRiskByFullLists(game, board, saved);
            risk = std::min(risk, balance);
        }
    }
    if (anyZero) return std::min(risk, 0);
    if (anyCapture && risk <= 0) return risk;
    // Does the Enemy have a threat move (a move that is no capture)?
    Board enemyView = saved;
    flipBoard(enemyView);
    if (hasThreatMove(enemyView)) return std::min(risk, 0);
    return exchangeRiskByFullLists(game, board, saved);
}

bool developmentPattern(const Board& board) noexcept {
    return (holds(board, 2, 5, Knight, Own) && holds(board, 1, 4, Bishop, Own)) ||
           (holds(board, 2, 2, Knight, Own) && holds(board, 1, 2, Bishop, Own));
}

namespace {

// Own pawns and Own rooks per column, for the doubled-piece rule.
struct ColumnCounts {
    int pawns[8] = {};
    int rooks[8] = {};
};

// Rules 1, 3 and the checks of rule 4 for one square; counts its Own pawn or
// rook for the rest of rule 4.
int squareScore(const Board& board, int r, int c, bool crowdedKingSide, ColumnCounts& counts) {
    const Square& s = board.at(r, c);
    switch (s.kind) {
    case Bishop: return r > 0 && c > 0 ? 2 : 0;
    case Knight: return r > 0 && c > 0 ? 3 : 0;
    case Pawn: {
        int score = 0;
        if (r >= 2 && r <= 4 && c >= 1 && c <= 6) {
            if (s.owner == Own) score += (c == 3 || c == 4) ? 2 : 1;
            if (crowdedKingSide && c <= 3 && (s.owner == Own || s.owner == Enemy)) score -= 1;
        }
        if (s.owner == Own) ++counts.pawns[c];
        return score;
    }
    case Rook:
        if (s.owner == Own) ++counts.rooks[c];
        return 0;
    case King: {
        if (s.owner != Enemy) return 0;
        Capturer checking[MaxCapturers];
        return 2 * capturersOf(board, r, c, Own, checking);
    }
    default: return 0;
    }
}

// Rule 4: each Own pawn costs 2 per other Own pawn on its column, each Own
// rook gains 3 per other.
int doubledPiecesScore(const ColumnCounts& counts) {
    int score = 0;
    for (int c = 0; c < 8; ++c) {
        score -= 2 * counts.pawns[c] * (counts.pawns[c] - 1);
        score += 3 * counts.rooks[c] * (counts.rooks[c] - 1);
    }
    return score;
}

// King and rook where a castle would have put them. Beside a king on (0,6)
// a rook of either owner will do.
bool looksCastled(const Board& board) noexcept {
    return (holds(board, 0, 6, King, Own) && board.at(0, 5).kind == Rook) ||
           (holds(board, 0, 2, King, Own) && holds(board, 0, 3, Rook, Own)) ||
           (holds(board, 0, 1, King, Own) && holds(board, 0, 2, Rook, Own)) ||
           (holds(board, 0, 5, King, Own) && holds(board, 0, 4, Rook, Own));
}

}  // namespace

int positionalScore(const GameState& game, const Board& board) {
    // The rules:
    // 1. minor pieces of either side off row 0 and column 0: bishop 2, knight 3;
    // 2. a castled king: 4;
    // 3. Own pawns on rows 2 to 4, columns 1 to 6: 2 in the centre, 1 beside it;
    //    while an uncastled king has column 3, every pawn there on columns 1 to
    //    3 costs 1;
    // 4. 2 for each Own capture move onto the Enemy king; each Own pawn costs
    //    2 per other Own pawn on its column, each Own rook gains 3 per other;
    // 5. an uncastled king gone from home while a right is left: -2;
    // 6. the development pattern: 2.
    int score = 0;
    const bool crowdedKingSide = !game.hasCastled && game.ownKingColumn == 3;
    ColumnCounts counts;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) score += squareScore(board, r, c, crowdedKingSide, counts);
    }
    score += doubledPiecesScore(counts);

    const bool castled = game.hasCastled != 0 || looksCastled(board);
    if (castled) score += 4;

    if (!game.hasCastled && (game.canCastleShort || game.canCastleLong) &&
        board.get(0, game.ownKingColumn).kind != King && !castled) {
        score -= 2;
    }

    if (developmentPattern(board)) score += 2;
    return score;
}

Evaluation evaluationTerms(const GameState& game, Board& board) {
    Evaluation e;
    e.material = materialBalance(board);
    e.exchange = exchangeRisk(game, board);
    e.positional = positionalScore(game, board);
    e.total = 10 * e.material + 5 * e.exchange + 2 * e.positional;
    return e;
}

int evaluatePosition(const GameState& game, Board& board) {
    return evaluationTerms(game, board).total;
}

}  // namespace orbel
