#include "net/peer_move.h"

#include "rules/apply_move.h"
#include "rules/check.h"

namespace orbel {

bool isLegalPeerMove(const GameState& game, const MoveRecord& move) {
    if (move.isCastling()) {
        if (move.fromCol != move.fromRow) return false;
        const CastlingOffers offers = ownCastlingMoves(game, game.board);
        bool offered = false;
        for (int i = 0; i < offers.count; ++i) offered = offered || offers.moves[i].fromRow == move.fromRow;
        return offered && !isOwnKingAttacked(game.board);
    }
    if (!onBoard(move.fromRow, move.fromCol) || !onBoard(move.toRow, move.toCol)) return false;
    const Square piece = game.board.at(move.fromRow, move.fromCol);
    if (piece.owner != Own) return false;
    // The rules judge moves of the side that is Enemy and moves towards row
    // 0, so the opponent is put in that seat: a fresh game rather than a copy,
    // whose expected line would be copied for nothing.
    GameState seat(game.ownKingColumn);
    seat.board = game.board;
    flipBoard(seat.board);
    MoveRecord turned = move;
    flipMove(turned);
    return isLegalUserMove(turned, Square{piece.kind, Enemy}, seat);
}

void applyPeerMove(GameState& game, MoveRecord& move) {
    updateOwnCastlingRights(game, move);
    move.isCapture = !move.isCastling() && onBoard(move.toRow, move.toCol) &&
                             game.board.at(move.toRow, move.toCol).owner != Empty
                         ? 1
                         : 0;
    applyMove(move, game.board);
}

bool takePeerMove(GameState& game, MoveRecord& move) {
    if (!isLegalPeerMove(game, move)) return false;
    applyPeerMove(game, move);
    return true;
}

}  // namespace orbel
