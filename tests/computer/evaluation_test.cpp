#include <gtest/gtest.h>

#include <fstream>

#include "computer/evaluation.h"
#include "rules/apply_move.h"
#include "rules/candidates.h"
#include "tools/engine/engine_session.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

using namespace testing;

TEST(EvaluatePosition, KingsPawnOpeningScoresTwentyFour) {
    GameState g(4);
    applyMove(makeMoveRecord(1, 4, 3, 4), g.board);
    const Board before = g.board;
    const Evaluation e = evaluationTerms(g, g.board);
    EXPECT_EQ(e.material, 0);
    EXPECT_EQ(e.exchange, 0);
    // 10 for the Enemy's minor pieces on row 7 (owners are not looked at), 2 for the pawn on (3,4).
    EXPECT_EQ(e.positional, 12);
    EXPECT_EQ(e.total, 24);
    EXPECT_EQ(evaluatePosition(g, g.board), 24);
    EXPECT_EQ(g.board, before);
}

TEST(MaterialBalance, CountsTheQueenAsEightAndTheKingAsNothing) {
    const Board b = boardFromRows(diagramOf({{7, "....k..."}, {1, "....Q..."}, {0, "....K..R"}}));
    EXPECT_EQ(materialBalance(b), 13);
    EXPECT_EQ(materialBalance(startingPosition(3)), 0);
}

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
        {"an enemy without candidates scores the sentinel", diagramOf({{7, "k......."}, {1, "P......."}, {0, "....K..."}}),
         9999},
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

TEST(PositionalScore, ScoresDevelopmentCastlingAndPawns) {
    const struct {
        const char* name;
        Diagram diagram;
        int kingColumn;
        bool canCastleShort, hasCastled;
        int score;
    } rows[] = {
        {"a rook of either owner beside the king on (0,6)", diagramOf({{0, ".....rK."}}), 4, false, false, 4},
        {"the castled position suppresses the -2", diagramOf({{0, ".....rK."}}), 4, true, false, 4},
        {"on (0,2) the rook must be Own", diagramOf({{0, "..Kr...."}}), 4, false, false, 0},
        {"able to castle, king gone from home and not castled", diagramOf({{0, "..Kr...."}}), 4, true, false, -2},
        {"having castled", diagramOf({{0, "..Kr...."}}), 4, true, true, 4},
        {"doubled pawns", diagramOf({{2, "P......."}, {1, "P......."}}), 4, false, false, -4},
        {"tripled pawns", diagramOf({{4, "P......."}, {2, "P......."}, {1, "P......."}}), 4, false, false, -12},
        {"doubled rooks", diagramOf({{1, "R......."}, {0, "R......."}}), 4, false, false, 6},
        {"a centre pawn beside the uncastled king on column 3: +2 -1", diagramOf({{3, "...P...."}}), 3, false, false, 1},
        {"an enemy pawn there costs 1 too", diagramOf({{2, ".p......"}}), 3, false, false, -1},
        {"with the king column 4 it costs nothing", diagramOf({{2, ".p......"}}), 4, false, false, 0},
        {"a wing pawn", diagramOf({{4, "......P."}}), 4, false, false, 1},
        {"only the rook on (0,4) checks the king", diagramOf({{7, "....k..."}, {0, "R...R..."}}), 4, false, false, 2},
        {"a knight in the centre giving check", diagramOf({{7, "....k..."}, {5, ".....N.."}, {0, "R...R..."}}), 4, false,
         false, 2 + 3 + 2},
    };
    for (const auto& row : rows) {
        GameState g = gameFromRows(row.diagram, row.kingColumn);
        g.canCastleShort = row.canCastleShort;
        g.canCastleLong = 0;
        g.hasCastled = row.hasCastled;
        EXPECT_EQ(positionalScore(g, g.board), row.score) << row.name;
    }
}

TEST(PositionalScore, DevelopmentPattern) {
    EXPECT_TRUE(developmentPattern(boardFromRows(diagramOf({{2, ".....N.."}, {1, "....B..."}}))));
    EXPECT_TRUE(developmentPattern(boardFromRows(diagramOf({{2, "..N....."}, {1, "..B....."}}))));
    EXPECT_FALSE(developmentPattern(boardFromRows(diagramOf({{2, ".....n.."}, {1, "....B..."}}))));
}

TEST(SortByMoverKind, ReproducesTheShellSortsOrderOfEqualKeys) {
    // Ten moves whose movers have kinds 3,1,1,1,1,2,2,2,2,2 in list order. The
    // 4-step pass carries move 4 ahead of moves 1 to 3 and move 8 ahead of
    // moves 5 to 7, so the result is not the stable order.
    Board b;
    const PieceKind kinds[10] = {Bishop, Pawn, Pawn, Pawn, Pawn, Knight, Knight, Knight, Knight, Knight};
    MoveList moves;
    for (int i = 0; i < 10; ++i) {
        b.at(i / 8 + 2, i % 8) = {kinds[i], Own};
        moves.append(makeMoveRecord(i / 8 + 2, i % 8, 7, i % 8));
    }
    sortByMoverKind(moves, b);
    std::vector<int> order;
    for (const MoveRecord& m : moves) order.push_back((m.fromRow - 2) * 8 + m.fromCol);
    EXPECT_EQ(order, (std::vector<int>{4, 1, 2, 3, 8, 5, 6, 7, 9, 0}));
}

}  // namespace
}  // namespace orbel

namespace orbel {
namespace {

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
        for (int side = 0; side < 2; ++side) {
            MoveList moves;
            StatusList statuses;
            candidateMoves(game, game.board, moves, statuses);
            std::vector<Board> boards{game.board};
            for (const MoveRecord& m : moves) {
                Board b = game.board;
                applyMove(m, b);
                boards.push_back(b);
            }
            for (Board& b : boards) {
                Board fast = b, slow = b;
                ASSERT_EQ(exchangeRisk(game, fast), exchangeRiskFromWholeLists(game, slow)) << testing::boardToRows(b);
                ASSERT_EQ(fast, b);
                ++compared;
            }
            flipBoard(game.board);
        }
    }
    EXPECT_GT(compared, 10000);
}

}  // namespace
}  // namespace orbel
