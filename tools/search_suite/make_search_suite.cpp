// Writes the search suite (tests/golden/search_suite.txt): positions from real
// play in which the computer is to move, with the user's last move. The games
// are the computer against itself and against scripted users, so the suite
// covers openings, middlegames and endgames with the computer on either side.
//
//   build/tools/search_suite/make_search_suite > tests/golden/search_suite.txt
#include <iostream>
#include <random>
#include <string>

#include "computer/search.h"
#include "rules/check.h"
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

// The computer against itself: White at `whiteLevel`, Black at `blackLevel`,
// each with a game object of its own. `before` sees each side's game before
// it chooses (with the other side's last move in its own coordinates).
void playSelfGame(int whiteLevel, int blackLevel, int maxPlies, const testing::BeforeComputerMove& before) {
    // White's game holds White as Own (king column 4); Black's holds Black as Own.
    GameState white(4), black(3);
    white.level = whiteLevel;
    black.level = blackLevel;
    MoveRecord last = makeMoveRecord(-2, -2, -2, -2);
    for (int ply = 0; ply < maxPlies; ++ply) {
        GameState& mover = ply % 2 == 0 ? white : black;
        GameState& other = ply % 2 == 0 ? black : white;
        if (before) before(mover, last);
        MoveRecord result = noMoveRecord();
        chooseComputerMove(mover, result, last);
        if (!result.isMove()) return;
        other.board = mover.board;
        flipBoard(other.board);
        last = result;
        flipMove(last);
        if (isCheckmated(mover)) return;
    }
}

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
        const auto randomUser = [&](const GameState& g) {
            const std::vector<MoveRecord> moves = legalUserMoves(g);
            return moves.empty() ? noMoveRecord() : moves[rng() % moves.size()];
        };
        playScriptedGame(3, userWhite, randomUser, 160, std::ref(c));
    }
    return 0;
}
