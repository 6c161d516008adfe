// Two-player play at one machine: White at the bottom, each side in turn
// picks up its own pieces, and the turn passes after every move.
#pragma once

#include "game/game_window.h"

namespace orbel {

int twoPlayerProc(GameWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam);

// New 2 Player Game: empty lists, a new game with White at the bottom,
// White to move with all four castling rights, and twoPlayerProc installed.
void startTwoPlayerGame(GameWindow& window);

}  // namespace orbel
