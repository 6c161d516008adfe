// The drawn board in standard terms: which side is at the top, whose move it
// is in each way of playing, and the position the user reads and types moves
// against.
#pragma once

#include "game/standard_position.h"
#include "game/ui_state.h"

namespace orbel {

// The side whose pieces are Own on the drawn board (at the top): the
// computer's or the remote player's, and Black's at one board, where White
// is at the bottom.
inline Side topSide(const UiState& ui) { return ui.humanPlaysBlack ? Side::White : Side::Black; }

// The square of the standard board at (row, col) of the drawn board.
inline int shownSquare(const UiState& ui, int row, int col) { return standardSquare(row, col, topSide(ui)); }

// Whether the side at the bottom may move now: it is the user's turn (in
// two-player play whoever's turn it is) and a game is on the board.
bool userMayMove(const UiState& ui, PlayMode mode);

// The drawn board with the side to move and the castling rights the window
// keeps: in one-player and network play the user's side while it is theirs
// to move, the other side otherwise.
StandardPosition shownPosition(const UiState& ui, PlayMode mode);

}  // namespace orbel
