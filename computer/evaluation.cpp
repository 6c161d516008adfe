#include "computer/evaluation.h"

#include <algorithm>
#include <atomic>

#include "rules/apply_move.h"
#include "rules/attack_scan.h"
#include "rules/candidates.h"

namespace orbel {
namespace {

int materialValue(PieceKind kind) noexcept {
    switch (kind) {
    case Pawn: return 1;
    case Knight: return 3;
    case Bishop: return 3;
    case Rook: return 5;
    case Queen: return 8;
    default: return 0;
    }
}

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
    int own = 1, enemy = 1;
    for (const Square& s : board.squares) {
        if (s.owner == Own) {
            own += materialValue(s.kind);
        } else if (s.owner == Enemy) {
            enemy += materialValue(s.kind);
        }
    }
    return own - enemy;
}

void sortByMoverKind(MoveList& moves, const Board& board) noexcept {
    const int n = static_cast<int>(moves.size());
    if (n < 2) return;
    auto key = [&](const MoveRecord& m) { return board.at(m.fromRow, m.fromCol).kind; };
    int h = 1;
    while (h <= (n - 1) / 9) h = 3 * h + 1;
    while (h > 0) {
        for (int i = h; i < n; ++i) {
            const MoveRecord v = moves[static_cast<std::size_t>(i)];
            const PieceKind kv = key(v);
            int j = i;
            while (j >= h && kv < key(moves[static_cast<std::size_t>(j - h)])) {
                moves[static_cast<std::size_t>(j)] = moves[static_cast<std::size_t>(j - h)];
                j -= h;
            }
            moves[static_cast<std::size_t>(j)] = v;
        }
        h /= 3;
    }
}

void flipMove(MoveRecord& move) noexcept {
    if (move.isCastling()) {
        if (move.fromCol == move.fromRow) {
            move.fromCol = CastleByEnemy;
        } else if (move.fromCol == CastleByEnemy) {
            move.fromCol = move.fromRow;
        }
        return;
    }
    move.fromRow = 7 - move.fromRow;
    move.fromCol = 7 - move.fromCol;
    move.toRow = 7 - move.toRow;
    move.toCol = 7 - move.toCol;
}

int exchangeRisk(const GameState& game, Board& board) {
    const Board saved = board;
    int risk = 9999;
    bool examined[64] = {};

    flipBoard(board);
    MoveList enemyMoves;
    StatusList statuses;
    generateCandidates(game, enemyMoves, statuses, board);
    sortByMoverKind(enemyMoves, board);

    MoveList recaptures, replies;
    for (const MoveRecord& m : enemyMoves) {
        board = saved;
        int balance = 0;
        const int tr = 7 - m.toRow, tc = 7 - m.toCol;
        if (onBoard(tr, tc) && board.at(tr, tc).owner == Own && !examined[tr * 8 + tc]) {
            examined[tr * 8 + tc] = true;
            balance = -exchangeValue(board.at(tr, tc).kind);
            applyMove(makeMoveRecord(7 - m.fromRow, 7 - m.fromCol, tr, tc), board);
            for (;;) {
                recaptures.clear();
                statuses.clear();
                scanAllSquares(recaptures, statuses, board);
                sortByMoverKind(recaptures, board);
                const MoveRecord* own = firstOnto(recaptures, tr, tc, [](int&, int&) {});
                if (own) {
                    balance += exchangeValue(board.at(tr, tc).kind);
                    applyMove(*own, board);
                }

                flipBoard(board);
                replies.clear();
                statuses.clear();
                scanAllSquares(replies, statuses, board);
                sortByMoverKind(replies, board);
                flipBoard(board);
                const MoveRecord* reply = firstOnto(replies, tr, tc, [](int& r, int& c) {
                    r = 7 - r;
                    c = 7 - c;
                });
                if (!reply) break;
                MoveRecord turned = *reply;
                flipMove(turned);
                balance -= exchangeValue(board.at(tr, tc).kind);
                applyMove(turned, board);
                if (!own) break;
            }
        }
        risk = std::min(risk, balance);
    }
    board = saved;
    return risk;
}

bool developmentPattern(const Board& board) noexcept {
    return (holds(board, 2, 5, Knight, Own) && holds(board, 1, 4, Bishop, Own)) ||
           (holds(board, 2, 2, Knight, Own) && holds(board, 1, 2, Bishop, Own));
}

int positionalScore(const GameState& game, const Board& board) {
    int score = 0;

    // Minor pieces off the edges (row 0 and column 0 are not looked at), of either side.
    for (int r = 1; r < 8; ++r) {
        for (int c = 1; c < 8; ++c) {
            const PieceKind k = board.at(r, c).kind;
            if (k == Bishop) score += 2;
            if (k == Knight) score += 3;
        }
    }

    // Castled king.
    bool castled = game.hasCastled != 0;
    if (!castled) {
        castled = (holds(board, 0, 6, King, Own) && board.at(0, 5).kind == Rook) ||
                  (holds(board, 0, 2, King, Own) && holds(board, 0, 3, Rook, Own)) ||
                  (holds(board, 0, 1, King, Own) && holds(board, 0, 2, Rook, Own)) ||
                  (holds(board, 0, 5, King, Own) && holds(board, 0, 4, Rook, Own));
    }
    if (castled) score += 4;

    // Pawn centre; an uncastled king on column 3 dislikes pawns on its side of the centre.
    const bool crowdedKingSide = !game.hasCastled && game.ownKingColumn == 3;
    for (int r : {4, 3, 2}) {
        for (int c = 1; c <= 6; ++c) {
            const Square& s = board.at(r, c);
            if (s.kind != Pawn) continue;
            if (s.owner == Own) score += (c == 3 || c == 4) ? 2 : 1;
            if (crowdedKingSide && c <= 3 && (s.owner == Own || s.owner == Enemy)) score -= 1;
        }
    }

    // Checks on the Enemy king, doubled pawns, doubled rooks.
    MoveList ownCaptures;
    bool capturesListed = false;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const Square& s = board.at(r, c);
            if (s.owner == Enemy && s.kind == King) {
                if (!capturesListed) {
                    StatusList statuses;
                    scanAllSquares(ownCaptures, statuses, board);
                    capturesListed = true;
                }
                for (const MoveRecord& m : ownCaptures)
                    if (m.toRow == r && m.toCol == c) score += 2;
            } else if (s.owner == Own && (s.kind == Pawn || s.kind == Rook)) {
                int others = 0;
                for (int rr = 0; rr < 8; ++rr)
                    if (rr != r && holds(board, rr, c, s.kind, Own)) ++others;
                score += s.kind == Pawn ? -2 * others : 3 * others;
            }
        }
    }

    // An uncastled king that has left home while it could still castle.
    if (!game.hasCastled && (game.canCastleShort || game.canCastleLong) &&
        board.get(0, game.ownKingColumn).kind != King && !castled) {
        score -= 2;
    }

    if (developmentPattern(board)) score += 2;
    return score;
}

#ifdef ORBEL_COUNT_EVALUATIONS
namespace {
std::atomic<std::uint64_t> evaluationCounter{0};
}
std::uint64_t evaluationsCounted() noexcept { return evaluationCounter.load(std::memory_order_relaxed); }
#endif

int evaluatePosition(const GameState& game, Board& board) {
#ifdef ORBEL_COUNT_EVALUATIONS
    evaluationCounter.fetch_add(1, std::memory_order_relaxed);
#endif
    const int material = materialBalance(board);
    const int exchange = exchangeRisk(game, board);
    const int positional = positionalScore(game, board);
    return 10 * material + 5 * exchange + 2 * positional;
}

}  // namespace orbel
