// The game's two written move lists, as the history panes show them and a
// saved game keeps them: every move in the program's notation in its side's
// list; a mate by the computer or the network opponent written as the
// result ("1-0", "0-1") in its place. Listens to the game; lives on the
// window's thread.
#pragma once

#include <QObject>
#include <vector>

#include "game/game.h"
#include "game/notation/move_text.h"

namespace orbel {

class MoveLists : public QObject {
    Q_OBJECT
public:
    explicit MoveLists(Game& game, QObject* parent = nullptr);

    const MoveHistory& list(Side side) const { return side == Side::White ? white_ : black_; }
    MoveHistory& list(Side side) { return side == Side::White ? white_ : black_; }

    // A saved game's lists, as the file holds them, with the check mark its
    // file keeps for the opponent's last move.
    void setFromFile(MoveHistory white, MoveHistory black, bool opponentCheckMark);
    // What a save writes as the opponent's last move's check mark: the
    // loaded file's until the opponent moves; then set only by a network
    // opponent's mating move, whose game the file can no longer continue.
    bool opponentCheckMark() const { return opponentCheckMark_; }
    // The moves of a game read from a text, each in its side's list; "..."
    // in White's place when Black moved first, so that each line pairs a
    // White move with Black's answer.
    void writeReplayed(const StandardPosition& start, const std::vector<StandardMove>& moves);

signals:
    // Both lists were emptied (a new game).
    void cleared();
    // A line was written at the end of a side's list.
    void lineAdded(orbel::Side side);
    // Lines were taken away or replaced (Undo, a loaded game).
    void changed();

private:
    void begun(GameStart how);
    void record(const PlayedMove& move);
    void write(Side side, std::string text);

    MoveHistory white_;
    MoveHistory black_;
    bool opponentCheckMark_ = false;
};

}  // namespace orbel
