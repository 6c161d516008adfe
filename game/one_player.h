// One-player play: the user drags the pieces at the bottom of the board, the
// computer answers on its thread, and the game ends by mate or resignation.
#pragma once

#include "game/game_window.h"

namespace orbel {

int onePlayerProc(GameWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam);

// The computer's move has been handed back (computerMoveReady): restore the
// interface, then show, record and announce the move.
void finishComputerMove(GameWindow& window);

// Rebuilds the Brain pane from the game's expected line, unless the search
// is changing it.
void refreshBrainPane(GameWindow& window);

}  // namespace orbel
