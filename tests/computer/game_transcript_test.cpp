// Whole games through the logic alone, the computer at each level against a
// user who always plays the first legal move in row-major square order. The
// transcripts under tests/golden/games pin every move, value and ply count.
#include <gtest/gtest.h>

#include "tests/support/golden.h"
#include "tests/support/scripted_play.h"

namespace orbel::testing {
namespace {

struct GameCase {
    int level;
    bool userPlaysWhite;
};

void PrintTo(const GameCase& c, std::ostream* os) { *os << "level " << c.level << (c.userPlaysWhite ? " white" : " black"); }

class ScriptedGame : public ::testing::TestWithParam<GameCase> {};

// Under standard rules the computer may also take the user's pawn en passant
// and may not castle through check; where neither arises it plays as before.
void underStandardRules(GameState& game, const MoveRecord& last) {
    game.rules = RuleSet::Standard;
    const bool doubleStep = last.fromRow == 6 && last.toRow == 4 && last.fromCol == last.toCol &&
                            game.board.at(4, last.toCol) == Square{Pawn, Enemy};
    game.enPassantRow = static_cast<std::int8_t>(doubleStep ? 5 : -1);
    game.enPassantCol = static_cast<std::int8_t>(doubleStep ? last.toCol : -1);
}

TEST_P(ScriptedGame, FollowsItsTranscript) {
    const GameCase c = GetParam();
    const GameRecord record = playScriptedGame(c.level, c.userPlaysWhite, firstLegalUserMove, 200);
    const std::string got = transcript(record);
    const std::string path = std::string(ORBEL_GOLDEN_DIR) + "/games/level" + std::to_string(c.level) + "-user-" +
                             (c.userPlaysWhite ? "white" : "black") + ".txt";
    if (regeneratingGolden()) {
        writeFile(path, got);
        GTEST_SKIP() << "rewrote " << path;
    }
    EXPECT_EQ(got, readFile(path)) << path;
    const GameRecord standard = playScriptedGame(c.level, c.userPlaysWhite, firstLegalUserMove, 200, underStandardRules);
    EXPECT_EQ(transcript(standard), got) << "under standard rules";
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, ScriptedGame,
                         ::testing::Values(GameCase{1, true}, GameCase{1, false}, GameCase{3, true},
                                           GameCase{3, false}, GameCase{5, true}, GameCase{5, false}),
                         [](const ::testing::TestParamInfo<GameCase>& p) {
                             return "Level" + std::to_string(p.param.level) +
                                    (p.param.userPlaysWhite ? "UserWhite" : "UserBlack");
                         });

}  // namespace
}  // namespace orbel::testing
