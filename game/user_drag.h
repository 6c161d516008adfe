// The local user's drag on the game's board, shared by one-player and
// network play: the user's pieces are Enemy, at home on row 7, and the game's
// board is the one drawn.
#pragma once

#include "game/game_window.h"

namespace orbel {

// Takes the user's piece under (x, y) into the hand; false when there is none.
bool liftUserPiece(GameWindow& window, int x, int y);

// Puts the piece in hand down at (x, y): a castle, a legal move, or back where
// it came from. Sets humanMove (from = to when refused) with its capture and
// check marks, shows "Check!" for a checking move, and returns whether a move
// was made. False at once when the hand is empty.
bool dropUserPiece(GameWindow& window, int x, int y);

// After a move was made: the user's castling rights, then the move recorded.
void recordUserMove(GameWindow& window);

// After the user's move: "You: ..." in the live text; `mates` when it ended the game.
void announceUserMove(GameWindow& window, bool mates);

// After the user's move: is the opponent (Own on the game's board) mated?
bool userMoveMates(GameState& game);

}  // namespace orbel
