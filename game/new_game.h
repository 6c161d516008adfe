// Starting a one-player game: as the New Game Setup dialog does on OK, or
// from a position and moves another chess program wrote.
#pragma once

#include <vector>

#include "game/game_window.h"

namespace orbel {

// The game levels the dialog offers.
inline constexpr int LevelEasy = 1;
inline constexpr int LevelMedium = 3;
inline constexpr int LevelHard = 5;

// A new game for the chosen colour at the chosen level (resetForNewGame);
// the computer opens at once when the user takes Black.
void startOnePlayerGame(GameWindow& window, bool userPlaysBlack, int level);

// A game against the computer at `level` that has reached the end of
// `moves`, played one after the other from `start` (each legal under these
// rules): the user plays the side to move there, and the computer waits for
// the user's move. The lists show the moves in the program's notation, with
// "..." in White's place when Black moved first. The standard move list
// holds them, so the game exports as it came.
void startImportedGame(GameWindow& window, const StandardPosition& start, const std::vector<StandardMove>& moves,
                       int level);

// The box shown when something failed inside the computer's move choice.
void showFatalError(GameWindow& window);

}  // namespace orbel
