#include "rules/check.h"

#include <exception>

#include "rules/apply_move.h"
#include "rules/attack_scan.h"
#include "rules/candidates.h"

namespace orbel {

bool isOwnKingAttacked(const Board& board) {
    // The scan notes Attacked for an Own king exactly when isSquareAttacked
    // holds for its square, so the status list need not be built.
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const Square& s = board.at(r, c);
            if (s.owner == Own && s.kind == King && isSquareAttacked(board, r, c)) return true;
        }
    }
    return false;
}

void userDestinations(std::vector<Destination>& out, PieceKind kind, int fromRow, int fromCol, const Board& board) {
    out.clear();
    auto isEmptySq = [&](int r, int c) { return onBoard(r, c) && board.at(r, c).owner == Empty; };
    auto isOpen = [&](int r, int c) { return onBoard(r, c) && board.at(r, c).owner != Enemy; };
    auto ray = [&](int dr, int dc) {
        for (int r = fromRow + dr, c = fromCol + dc; onBoard(r, c); r += dr, c += dc) {
            const Owner o = board.at(r, c).owner;
            if (o == Enemy) break;
            out.push_back({r, c});
            if (o == Own) break;
        }
    };
    auto step = [&](int r, int c) {
        if (isOpen(r, c)) out.push_back({r, c});
    };
    const int r = fromRow, c = fromCol;
    switch (kind) {
    case Pawn:
        if (isEmptySq(r - 1, c)) out.push_back({r - 1, c});
        if (r == 6 && isEmptySq(5, c) && isEmptySq(4, c)) out.push_back({4, c});
        if (onBoard(r - 1, c + 1) && board.at(r - 1, c + 1).owner == Own) out.push_back({r - 1, c + 1});
        if (onBoard(r - 1, c - 1) && board.at(r - 1, c - 1).owner == Own) out.push_back({r - 1, c - 1});
        break;
    case Knight:
        step(r + 2, c + 1);
        step(r + 1, c + 2);
        step(r + 2, c - 1);
        step(r + 1, c - 2);
        step(r - 2, c + 1);
        step(r - 1, c + 2);
        step(r - 2, c - 1);
        step(r - 1, c - 2);
        break;
    case Rook:
    case Queen:
        ray(1, 0);
        ray(-1, 0);
        ray(0, 1);
        ray(0, -1);
        if (kind == Rook) break;
        [[fallthrough]];
    case Bishop:
        ray(1, 1);
        ray(1, -1);
        ray(-1, 1);
        ray(-1, -1);
        break;
    case King:
        step(r + 1, c);
        step(r + 1, c + 1);
        step(r - 1, c + 1);
        step(r + 1, c - 1);
        step(r - 1, c - 1);
        step(r - 1, c);
        step(r, c + 1);
        step(r, c - 1);
        break;
    default: break;
    }
}

bool isLegalUserMove(const MoveRecord& move, Square piece, const GameState& game) {
    if (!onBoard(move.toRow, move.toCol)) return false;
    // The piece is put back on its square below, so that square must exist.
    if (!onBoard(move.fromRow, move.fromCol)) return false;
    Board trial = game.board;
    trial.at(move.fromRow, move.fromCol) = piece;
    applyMove(move, trial);
    flipBoard(trial);
    if (isOwnKingAttacked(trial)) return false;
    std::vector<Destination> destinations;
    destinations.reserve(32);
    userDestinations(destinations, piece.kind, move.fromRow, move.fromCol, game.board);
    for (const Destination& d : destinations) {
        if (d.row == move.toRow && d.col == move.toCol) return true;
    }
    return false;
}

bool isCheckmated(GameState& game) {
    const Board saved = game.board;
    try {
        flipBoard(game.board);
        if (!isOwnKingAttacked(game.board)) {
            game.board = saved;
            return false;
        }
        const Board flipped = game.board;
        MoveList moves;
        StatusList statuses;
        generateCandidates(game, moves, statuses, game.board);
        buildMoveList(game, moves, statuses, game.board);
        for (const MoveRecord& m : moves) {
            applyMove(m, game.board);
            const bool escapes = !isOwnKingAttacked(game.board);
            game.board = flipped;
            if (escapes) {
                game.board = saved;
                return false;
            }
        }
    } catch (const std::exception&) {
        // Out of memory while generating: the game goes on.
        game.board = saved;
        return false;
    }
    game.board = saved;
    return true;
}

}  // namespace orbel
