// A side's player, behind one interface: the user at the board (mouse or
// keyboard), a second user at the same board, the computer on its thread, or
// the user of another copy across the network. A way of playing is a pair of
// them at the table (table.h); each hands its moves to the table as values.
#pragma once

#include <QObject>

#include "game/played_move.h"

namespace orbel {

class Player;

// Where a player's moves go: the table it sits at, which plays them in the
// game and gives the turn to the other side.
class MoveArbiter {
public:
    virtual ~MoveArbiter() = default;
    virtual PlayOutcome play(Player& player, const StandardMove& move, bool quiet = false) = 0;
};

class Player : public QObject {
    Q_OBJECT
public:
    Player(MoveArbiter& table, PlayerKind kind, QObject* parent = nullptr)
        : QObject(parent), table_(table), kind_(kind) {}

    Side side() const { return side_; }
    PlayerKind kind() const { return kind_; }
    // Seated at the table for the game on the board, playing `side`; or
    // standing up when another way of playing is seated.
    void seat(Side side) {
        side_ = side;
        seated_ = true;
    }
    void unseat() { seated_ = false; }
    bool seated() const { return seated_; }
    // The other side has moved: this side is to move.
    virtual void yourTurn(const PlayedMove& last) { (void)last; }
    // The game this player is seated in has ended.
    virtual void gameEnded(EndReason reason) { (void)reason; }

protected:
    MoveArbiter& table_;
    PlayerKind kind_;

private:
    Side side_ = Side::White;
    bool seated_ = false;
};

// A user at this board: the moves arrive from the mouse and the keyboard
// through the hand (hand.h). Against the computer or across the network it
// is "you"; at one board, two of them are White and Black.
class LocalPlayer : public Player {
    Q_OBJECT
public:
    explicit LocalPlayer(MoveArbiter& table, QObject* parent = nullptr) : Player(table, PlayerKind::User, parent) {}
    void seatAs(Side side, PlayerKind kind) {
        seat(side);
        kind_ = kind;
    }
};

}  // namespace orbel
