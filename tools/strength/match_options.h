// What a strength match plays: the computer's levels, the engine's strengths,
// how many games of each pairing, and the engine's time per move; read from
// the command line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/strength/uci_opponent.h"

namespace orbel::strength {

struct MatchOptions {
    std::vector<int> levels;  // the computer's levels, as New Game Setup sets them
    std::vector<Strength> opponents;
    int gamesPerPairing = 24;
    unsigned seed = 1;
    int moveTimeMs = 100;
    int maxPlies = 200;
    std::string enginePath = "/usr/games/stockfish";
    std::string resultsPath;  // where each game is recorded, and from where a run resumes
    bool reportOnly = false;
    bool help = false;
};

// Reads the arguments after the program's name; "" when they read, else
// what is wrong with them. Levels and opponents not given get their defaults.
std::string parseOptions(const std::vector<std::string_view>& args, MatchOptions& options);

std::string helpText();

// "Easy", "Medium", "Hard" for the levels New Game Setup offers, else "Level 2".
std::string levelName(int level);

}  // namespace orbel::strength
