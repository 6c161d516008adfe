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
    connect(&session_, &NetworkSession::lastMoveWanted, this, &NetworkOpponent::sendAgain);
    connect(&session_, &NetworkSession::offerSettled, this, &NetworkOpponent::settled);
    session_.checkpoint = [this] { return checkpoint(); };
}

GameCheckpoint NetworkOpponent::checkpoint() const {
    GameCheckpoint point;
    if (!seated() || !game_.exists()) return point;
    const std::vector<PlayedMove>& plays = game_.plays();
    point.moves = static_cast<int>(plays.size());
    point.position = positionText(game_.position());
    if (!plays.empty()) {
        point.before = positionText(plays.back().before);
        point.lastIsOwn = plays.back().mover != side();
    }
    return point;
}

void NetworkOpponent::sendAgain() {
    const std::vector<PlayedMove>& plays = game_.plays();
    if (!seated() || plays.empty() || plays.back().mover == side()) return;
    session_.sendMove(heldMoveRecord(plays.back().move, side()));
}

void NetworkOpponent::settled(const OfferMessage& reply) {
    if (!seated() || !reply.yes) return;
    if (reply.kind == OfferKind::Draw) game_.agreeDraw();
    if (reply.kind == OfferKind::Takeback) game_.takeBackLast();
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
    // The game ended on the board: the connection closes on this side too,
    // or stays for the chat and a rematch with a copy of this version.
    if ((reason == EndReason::Checkmate || reason == EndReason::Drawn) && session_.netGameActive()) session_.gameOver();
}

}  // namespace orbel
