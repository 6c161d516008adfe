// The exchange term, which the recorded games reach only in ordinary
// positions: played out by hand in sparse ones, and its shortcut against the
// whole-list computation on every recorded position.
#include <gtest/gtest.h>

#include <fstream>

#include "computer/evaluation.h"
#include "rules/apply_move.h"
#include "rules/candidates.h"
#include "tests/support/board_text.h"
#include "tools/engine/engine_session.h"

namespace orbel {
namespace {

using namespace testing;

// The exchange term of each position, and the weighted sum it enters.
TEST(ExchangeRisk, PlaysOutTheWorstCaptureSequence) {
    const struct {
        const char* name;
        Diagram diagram;
        int risk;
    } rows[] = {
        {"an undefended knight taken by a pawn",
         diagramOf({{7, "....k..."}, {4, "....p..."}, {3, "...N...."}, {0, "....K..."}}), -3},
        // The queen may take the pawn on (3,3), but the pawn on (2,2) takes
        // back: -1 + 11 = +10, so the quiet moves' 0 is the minimum.
        {"a recapture counts while quiet moves keep the term at zero",
         diagramOf({{7, ".......k"}, {6, "...q...."}, {3, "...P...."}, {2, "..P....."}, {0, "....K..."}}), 0},
        {"without the defender the pawn is lost",
         diagramOf({{7, ".......k"}, {6, "...q...."}, {3, "...P...."}, {0, "....K..."}}), -1},
        // Pawn first: -3 (knight) +1 (pawn takes pawn) -1 (queen takes pawn);
        // queen first would have been +7.
        {"only the lowest attacker by kind is played out",
         diagramOf({{7, "....k..."}, {4, "....p..."}, {3, "...N...q"}, {2, "..P....."}, {0, "K......."}}), -3},
        // A lone Enemy king far from everything has no capture, threat or push.
        {"an enemy without candidates scores the sentinel",
         diagramOf({{7, "k......."}, {1, "P......."}, {0, "....K..."}}), 9999},
        {"a blocked enemy pawn has no advance",
         diagramOf({{7, ".......k"}, {3, "....P..."}, {1, "....p..."}, {0, "....K..."}}), 9999},
        {"an enemy whose one capture loses the capturer scores above zero",
         diagramOf({{7, ".bk....."}, {5, ".p......"}, {4, "....P..."}, {2, "..Q....."}, {0, "....K..."}}), 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        GameState g = gameFromRows(row.diagram);
        const Board before = g.board;
        EXPECT_EQ(exchangeRisk(g, g.board), row.risk);
        EXPECT_EQ(g.board, before);
        const Evaluation e = evaluationTerms(g, g.board);
        EXPECT_EQ(e.exchange, row.risk);
        EXPECT_EQ(e.total, 10 * materialBalance(before) + 5 * row.risk + 2 * positionalScore(g, before));
    }
}

// The fast exchange term against the slow one on every recorded position, in
// both orientations, and on every position one candidate move later.
TEST(ExchangeRisk, AgreesWithTheWholeListComputationEverywhere) {
    std::ifstream in(ORBEL_GOLDEN_DIR "/candidates.golden");
    ASSERT_TRUE(in);
    int compared = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("set ", 0) != 0) continue;
        engine::EngineSession session;
        ASSERT_EQ(session.handleLine(line), "ok");
        GameState game = session.game();
        for (int side = 0; side < 2; ++side, flipBoard(game.board)) {
            MoveList moves;
            StatusList statuses;
            candidateMoves(game, game.board, moves, statuses);
            std::vector<Board> boards{game.board};
            for (const MoveRecord& m : moves) {
                boards.push_back(game.board);
                applyMove(m, boards.back());
            }
            for (Board& b : boards) {
                Board fast = b, slow = b;
                ASSERT_EQ(exchangeRisk(game, fast), exchangeRiskFromWholeLists(game, slow)) << boardToRows(b);
                ASSERT_EQ(fast, b);
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 10000);
}

}  // namespace
}  // namespace orbel
