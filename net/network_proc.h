// Network play's mode procedure: the local user's moves checked, shown and
// sent, the opponent's applied, the game started and ended on the board.
#pragma once

#include "game/game_window.h"

namespace orbel {

int networkProc(GameWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace orbel
