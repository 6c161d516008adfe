// Starting a one-player game, as the New Game Setup dialog does on OK.
#pragma once

#include "game/game_window.h"

namespace orbel {

// The game levels the dialog offers.
inline constexpr int LevelEasy = 1;
inline constexpr int LevelMedium = 3;
inline constexpr int LevelHard = 5;

// A new game for the chosen colour at the chosen level (resetForNewGame);
// the computer opens at once when the user takes Black.
void startOnePlayerGame(GameWindow& window, bool userPlaysBlack, int level);

// The box shown when something failed inside the computer's move choice.
void showFatalError(GameWindow& window);

}  // namespace orbel
