// The command interpreter behind orbel-engine: one held game, one command line
// in, one answer line out. Kept apart from the program's main() so that tests
// and the fuzzer can drive it directly.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "rules/board.h"

namespace orbel::engine {

// The numbers of a `get` answer (and of a `set` command) for a game.
std::string stateNumbers(const GameState& game);

class EngineSession {
public:
    EngineSession();

    // Handles one input line (without its "\n"; a single trailing "\r" is
    // dropped here) and returns the answer line without its "\n".
    std::string handleLine(std::string_view line);

    const GameState& game() const { return *game_; }

private:
    std::unique_ptr<GameState> game_;
};

}  // namespace orbel::engine
