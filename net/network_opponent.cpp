#include "net/network_opponent.h"

#include "game/game.h"
#include "rules/held_frame.h"
#include "rules/standard_moves.h"

namespace orbel {

NetworkOpponent::NetworkOpponent(MoveArbiter& table, Game& game, NetworkSession& session, QObject* parent)
    : Player(table, PlayerKind::Remote, parent), game_(game), session_(session) {
    connect(&session_, &NetworkSession::moveReceived, this, &NetworkOpponent::received);
    connect(&session_, &NetworkSession::peerLeft, this, &NetworkOpponent::left);
    connect(&game_, &Game::movePlayed, this, &NetworkOpponent::sendLocalMove);
}

void NetworkOpponent::received(const MoveRecord& record) {
    if (!seated() || !session_.netGameActive()) return;
    StandardPosition before = game_.position();
    const bool inTurn = before.toMove == side();
    before.toMove = side();
    const std::optional<StandardMove> move = moveFromPeer(record, before, side());
    // Out of turn, or impossible on this board: the two boards no longer agree.
    if (!inTurn || !move || !isLegalMove(before, *move)) {
        session_.refuseMove();
        game_.end(EndReason::OpponentCheated, std::nullopt);
        return;
    }
    game_.seat().noteOwnMove(*move, before);
    table_.play(*this, *move);
}

void NetworkOpponent::sendLocalMove(const PlayedMove& move) {
    if (!seated() || !session_.netGameActive() || move.mover == side()) return;
    // As the local user's board holds it; the message turns it to the peer's.
    session_.sendMove(heldMoveRecord(move.move, side()));
}

void NetworkOpponent::left(PeerEnd how) {
    if (!seated()) return;
    if (how == PeerEnd::Resigned) {
        game_.end(EndReason::OpponentResigned, other(side()));
    } else {
        game_.end(EndReason::OpponentLeft, std::nullopt);
    }
}

void NetworkOpponent::gameEnded(EndReason reason) {
    // The game ended on the board: the connection closes on this side too.
    if (reason == EndReason::Checkmate && session_.netGameActive()) session_.gameOver();
}

}  // namespace orbel
