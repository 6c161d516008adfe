// The user of the other copy as a player at this board: its moves arrive
// from the session as the four numbers of MOVE and are played here when the
// rules allow them; the local user's moves go out to it. A move out of turn
// or one the rules refuse ends the game. With a copy of this version it
// also tells the session where the game stands, plays its last move again
// when the other side missed it, and carries out the offers both agreed.
#pragma once

#include "game/player.h"
#include "net/network_session.h"

namespace orbel {

class Game;

class NetworkOpponent : public Player {
    Q_OBJECT
public:
    NetworkOpponent(MoveArbiter& table, Game& game, NetworkSession& session, QObject* parent = nullptr);

    void gameEnded(EndReason reason) override;

private:
    void received(const MoveRecord& move);
    void sendLocalMove(const PlayedMove& move);
    void left(PeerEnd how);
    GameCheckpoint checkpoint() const;
    void sendAgain();
    void settled(const OfferMessage& reply);

    Game& game_;
    NetworkSession& session_;
};

}  // namespace orbel
