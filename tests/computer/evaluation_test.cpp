// The evaluation's terms where the recorded games seldom go (sparse positions,
// castled shapes), and the exchange term's shortcut against the whole-list
// computation on every recorded position.
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

// The terms of sparse positions and the weighted sum they enter. Castling:
// 1 both rights left, 0 none, 2 the computer has castled.
TEST(EvaluationTerms, OfSparsePositions) {
    const struct {
        const char* name;
        Diagram diagram;
        int castling, material, exchange, positional;
    } rows[] = {
        {"an undefended knight taken by a pawn",
         diagramOf({{7, "....k..."}, {4, "....p..."}, {3, "...N...."}, {0, "....K..."}}), 1, 2, -3, 3},
        // The queen may take the pawn on (3,3), but the pawn on (2,2) takes
        // back: -1 + 11 = +10, so the quiet moves' 0 is the minimum.
        {"a recapture counts while quiet moves keep the exchange at zero",
         diagramOf({{7, ".......k"}, {6, "...q...."}, {3, "...P...."}, {2, "..P....."}, {0, "....K..."}}), 1, -6, 0, 3},
        {"without the defender the pawn is lost",
         diagramOf({{7, ".......k"}, {6, "...q...."}, {3, "...P...."}, {0, "....K..."}}), 1, -7, -1, 2},
        // Pawn first: -3 (knight) +1 (pawn takes pawn) -1 (queen takes pawn);
        // queen first would have been +7.
        {"only the lowest attacker by kind is played out",
         diagramOf({{7, "....k..."}, {4, "....p..."}, {3, "...N...q"}, {2, "..P....."}, {0, "K......."}}), 1, -5, -3,
         2},
        // A lone Enemy king far from everything has no capture, threat or push.
        {"an enemy without candidates scores the sentinel",
         diagramOf({{7, "k......."}, {1, "P......."}, {0, "....K..."}}), 1, 1, 9999, 0},
        {"a blocked enemy pawn has no advance",
         diagramOf({{7, ".......k"}, {3, "....P..."}, {1, "....p..."}, {0, "....K..."}}), 1, 0, 9999, 2},
        {"nor has a wing pawn on its first rows", diagramOf({{7, "k......."}, {5, "p......."}, {0, "....K..."}}), 1,
         -1, 9999, 0},
        {"an enemy whose one capture loses the capturer scores above zero",
         diagramOf({{7, ".bk....."}, {5, ".p......"}, {4, "....P..."}, {2, "..Q....."}, {0, "....K..."}}), 1, 5, 2, 6},
        {"king on (0,6), rook on (0,5): castled", diagramOf({{7, "k......."}, {0, ".....RK."}}), 0, 5, 9999, 4},
        {"king on (0,2), rook on (0,3): castled", diagramOf({{7, "k......."}, {0, "..KR...."}}), 0, 5, 9999, 4},
        {"king on (0,1), rook on (0,2): castled", diagramOf({{7, "k......."}, {0, ".KR....."}}), 0, 5, 9999, 4},
        {"king on (0,5), rook on (0,4): castled", diagramOf({{7, "k......."}, {0, "....RK.."}}), 0, 5, 9999, 4},
        {"a king gone from home with its rights left", diagramOf({{7, "k......."}, {0, "..K....."}}), 1, 0, 9999, -2},
        {"a king that has castled", diagramOf({{7, "k......."}, {0, "..K....."}}), 2, 0, 9999, 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        GameState g = gameFromRows(row.diagram);
        g.canCastleShort = g.canCastleLong = row.castling == 1;
        g.hasCastled = row.castling == 2;
        const Board before = g.board;
        const Evaluation e = evaluationTerms(g, g.board);
        EXPECT_EQ(e.material, row.material);
        EXPECT_EQ(e.exchange, row.exchange);
        EXPECT_EQ(e.positional, row.positional);
        EXPECT_EQ(e.total, 10 * row.material + 5 * row.exchange + 2 * row.positional);
        EXPECT_EQ(exchangeRisk(g, g.board), row.exchange);
        EXPECT_EQ(g.board, before);
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
