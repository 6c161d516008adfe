// Writes the search suite (tests/golden/search_suite.txt): positions from real
// play in which the computer is to move, with the user's last move. The games
// are the computer against itself and against scripted users, so the suite
// covers openings, middlegames and endgames with the computer on either side.
//
//   build/tools/search_suite/make_search_suite > tests/golden/search_suite.txt
#include <iostream>
#include <random>
#include <string>

#include "tests/support/scripted_play.h"
#include "tools/engine/engine_session.h"

namespace {

using namespace orbel;

struct Collector {
    std::string source;
    int every;
    int skip;
    int seen = 0;

    void operator()(const GameState& game, const MoveRecord& last) {
        ++seen;
        if (seen <= skip || (seen - skip) % every != 0) return;
        std::cout << "# " << source << ", computer move " << seen << '\n'
                  << "set " << engine::stateNumbers(game) << '\n'
                  << "last " << last.fromRow << ' ' << last.fromCol << ' ' << last.toRow << ' ' << last.toCol << '\n';
    }
};

}  // namespace

int main() {
    using namespace orbel::testing;
    std::cout << "# The computer to move: a position (as for orbel-engine's set) and the user's last move.\n";
    {
        Collector c{"self-play, Hard against Hard", 7, 0};
        playSelfGame(5, 5, 160, std::ref(c));
    }
    {
        Collector c{"self-play, Medium against Hard", 8, 3};
        playSelfGame(3, 5, 160, std::ref(c));
    }
    {
        Collector c{"self-play, Hard against Easy", 6, 2};
        playSelfGame(5, 1, 160, std::ref(c));
    }
    for (bool userWhite : {true, false}) {
        Collector c{std::string("Hard against a first-legal-move user playing ") + (userWhite ? "White" : "Black"), 4, 1};
        playScriptedGame(5, userWhite, firstLegalUserMove, 120, std::ref(c));
    }
    for (bool userWhite : {true, false}) {
        std::mt19937 rng(userWhite ? 41 : 28);
        Collector c{std::string("Medium against a random user playing ") + (userWhite ? "White" : "Black"), 5, 0};
        playScriptedGame(3, userWhite, [&](const GameState& g) { return randomLegalUserMove(g, rng); }, 160,
                         std::ref(c));
    }
    return 0;
}
