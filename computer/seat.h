// The side at the top of the drawn board (the computer, the network opponent,
// Black at one board) as the rules and the computer hold it: a game object in
// their own frame with that side's castling fields, its ply count, its level
// and the line it expects. The rest of the program asks in absolute terms;
// the seat turns the questions into the frame. Standard C++ only.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "rules/position.h"

namespace orbel {

class TopSeat {
public:
    // A new game object for `side`: the starting position, both castling
    // fields, no plies, level 5.
    explicit TopSeat(Side side);

    Side side() const { return side_; }
    // The game object, shared with the computer's thread while it chooses:
    // nothing else touches it then.
    const std::shared_ptr<GameState>& game() const { return game_; }
    int level() const { return game_->level; }
    void setLevel(int level) { game_->level = level; }

    // The board follows the position (after a move of either side, a loaded
    // game, a game set up from a text, Undo).
    void follow(const StandardPosition& position);
    // A game begun elsewhere: the board, the seat's castling fields from the
    // position, the plies played and whether the seat's side has castled.
    void setUp(const StandardPosition& position, int moveCount, bool hasCastled);
    // A move of the seat's side chosen elsewhere (the network opponent's),
    // about to be played in `before`: the castling fields it gives up.
    void noteOwnMove(const StandardMove& move, const StandardPosition& before);
    // Undo Move: the board back at `position`, two plies fewer.
    void takeBack(const StandardPosition& position);

    // Is the side to move in `position` checkmated, as the rules judge it
    // (their candidate moves, with this seat's castling fields)?
    bool isMated(const StandardPosition& position) const;

    // Whether the computer takes a draw offered in the position it follows.
    bool acceptsDraw() const;

    // The user's move as the computer's choice reads it; the marker of a
    // game the computer opens as White.
    MoveRecord lastMoveRecord(const StandardMove& userMove) const;
    static MoveRecord openingMarker();
    // The record the computer chose, played in `before`, in absolute terms.
    StandardMove chosenMove(const MoveRecord& record, const StandardPosition& before) const;

    // The Brain pane's text, unless the search is changing the line just now.
    std::optional<std::string> brainText() const;

private:
    Side side_;
    std::shared_ptr<GameState> game_;
};

}  // namespace orbel
