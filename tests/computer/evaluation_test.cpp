#include <gtest/gtest.h>

#include <fstream>

#include "computer/evaluation.h"
#include "rules/apply_move.h"
#include "rules/candidates.h"
#include "tools/engine/engine_session.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

using testing::boardFromRows;
using testing::gameFromRows;

TEST(EvaluatePosition, KingsPawnOpeningScoresTwentyFour) {
    GameState g(4);
    applyMove(makeMoveRecord(1, 4, 3, 4), g.board);
    const Board before = g.board;
    EXPECT_EQ(materialBalance(g.board), 0);
    EXPECT_EQ(exchangeRisk(g, g.board), 0);
    // 10 for the Enemy's minor pieces on row 7 (owners are not looked at), 2 for the pawn on (3,4).
    EXPECT_EQ(positionalScore(g, g.board), 12);
    EXPECT_EQ(evaluatePosition(g, g.board), 24);
    EXPECT_EQ(g.board, before);
}

TEST(MaterialBalance, CountsTheQueenAsEightAndTheKingAsNothing) {
    const Board b = boardFromRows({"....k...", "........", "........", "........", "........", "........", "....Q...", "....K..R"});
    EXPECT_EQ(materialBalance(b), 13);
    EXPECT_EQ(materialBalance(startingPosition(3)), 0);
}

TEST(ExchangeRisk, AnUndefendedKnightTakenByAPawnCostsThree) {
    GameState g = gameFromRows({"....k...", "........", "........", "....p...", "...N....", "........", "........", "....K..."});
    const Board before = g.board;
    EXPECT_EQ(exchangeRisk(g, g.board), -3);
    EXPECT_EQ(g.board, before);
    const int material = materialBalance(g.board);
    const int positional = positionalScore(g, g.board);
    EXPECT_EQ(evaluatePosition(g, g.board), 10 * material - 15 + 2 * positional);
}

TEST(ExchangeRisk, ARecaptureCountsWhileQuietMovesKeepTheTermAtZero) {
    // The queen may take the pawn on (3,3), but the pawn on (2,2) takes back:
    // -1 + 11 = +10, so the quiet moves' 0 is the minimum.
    GameState g = gameFromRows({".......k", "...q....", "........", "........", "...P....", "..P.....", "........", "....K..."});
    EXPECT_EQ(exchangeRisk(g, g.board), 0);
    // Without the defender the pawn is simply lost.
    g.board.at(2, 2) = EmptySquare;
    EXPECT_EQ(exchangeRisk(g, g.board), -1);
}

TEST(ExchangeRisk, OnlyTheLowestAttackerByKindIsPlayedOut) {
    // Pawn first: -3 (knight) +1 (pawn takes pawn) -1 (queen takes pawn) = -3.
    // Queen first would have been +7.
    GameState g = gameFromRows({"....k...", "........", "........", "....p...", "...N...q", "..P.....", "........", "K......."});
    EXPECT_EQ(exchangeRisk(g, g.board), -3);
}

TEST(ExchangeRisk, AnEnemyWithoutCandidatesScoresTheSentinel) {
    // A lone Enemy king far from everything has no capture, threat or push.
    GameState g = gameFromRows({"k.......", "........", "........", "........", "........", "........", "P.......", "....K..."});
    EXPECT_EQ(exchangeRisk(g, g.board), 9999);
    EXPECT_EQ(evaluatePosition(g, g.board), 10 * 1 + 5 * 9999 + 2 * positionalScore(g, g.board));
}

TEST(PositionalScore, CastledPositions) {
    GameState g = gameFromRows({"........", "........", "........", "........", "........", "........", "........", ".....rK."});
    g.canCastleShort = g.canCastleLong = 0;
    EXPECT_EQ(positionalScore(g, g.board), 4);  // a rook of either owner beside the king on (0,6)

    GameState q = gameFromRows({"........", "........", "........", "........", "........", "........", "........", "..Kr...."});
    q.canCastleShort = q.canCastleLong = 0;
    EXPECT_EQ(positionalScore(q, q.board), 0);  // on (0,2) the rook must be Own

    // Still able to castle, king gone from home and not castled: -2.
    q.canCastleShort = 1;
    EXPECT_EQ(positionalScore(q, q.board), -2);
    // The castled position suppresses that penalty.
    g.canCastleShort = 1;
    EXPECT_EQ(positionalScore(g, g.board), 4);
    // So does having castled.
    q.hasCastled = 1;
    EXPECT_EQ(positionalScore(q, q.board), 4);
}

TEST(PositionalScore, DoubledPawnsAndRooks) {
    GameState g = gameFromRows({"........", "........", "........", "........", "........", "P.......", "P.......", "........"});
    g.canCastleShort = g.canCastleLong = 0;
    EXPECT_EQ(positionalScore(g, g.board), -4);
    g.board.at(4, 0) = {Pawn, Own};
    EXPECT_EQ(positionalScore(g, g.board), -12);

    GameState r = gameFromRows({"........", "........", "........", "........", "........", "........", "R.......", "R......."});
    r.canCastleShort = r.canCastleLong = 0;
    EXPECT_EQ(positionalScore(r, r.board), 6);
}

TEST(PositionalScore, PawnCentreAndTheKingColumnThreeRule) {
    GameState g = gameFromRows({"........", "........", "........", "........", "...P....", "........", "........", "........"}, 3);
    g.canCastleShort = g.canCastleLong = 0;
    EXPECT_EQ(positionalScore(g, g.board), 1);  // +2 centre, -1 beside the uncastled king

    GameState e = gameFromRows({"........", "........", "........", "........", "........", ".p......", "........", "........"}, 3);
    e.canCastleShort = e.canCastleLong = 0;
    EXPECT_EQ(positionalScore(e, e.board), -1);

    // With the king column 4 the same Enemy pawn costs nothing.
    e.ownKingColumn = 4;
    EXPECT_EQ(positionalScore(e, e.board), 0);

    GameState wing = gameFromRows({"........", "........", "........", "......P.", "........", "........", "........", "........"});
    wing.canCastleShort = wing.canCastleLong = 0;
    EXPECT_EQ(positionalScore(wing, wing.board), 1);
}

TEST(PositionalScore, EachCheckingPieceCountsTwo) {
    GameState g = gameFromRows({"....k...", "........", "........", "........", "........", "........", "........", "R...R..."});
    g.canCastleShort = g.canCastleLong = 0;
    EXPECT_EQ(positionalScore(g, g.board), 2);  // only the rook on (0,4) sees the king
    g.board.at(5, 5) = {Knight, Own};
    EXPECT_EQ(positionalScore(g, g.board), 2 + 3 + 2);  // knight in the centre and giving check
}

TEST(PositionalScore, DevelopmentPattern) {
    const Board b = boardFromRows({"........", "........", "........", "........", "........", ".....N..", "....B...", "........"});
    EXPECT_TRUE(developmentPattern(b));
    const Board other = boardFromRows({"........", "........", "........", "........", "........", "..N.....", "..B.....", "........"});
    EXPECT_TRUE(developmentPattern(other));
    const Board enemy = boardFromRows({"........", "........", "........", "........", "........", ".....n..", "....B...", "........"});
    EXPECT_FALSE(developmentPattern(enemy));
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

TEST(FlipMove, TurnsCoordinatesAndCastlingSides) {
    MoveRecord m = makeMoveRecord(1, 4, 3, 4);
    m.isCapture = 1;
    flipMove(m);
    EXPECT_TRUE(sameMove(m, makeMoveRecord(6, 3, 4, 3)));
    EXPECT_EQ(m.isCapture, 1);
    flipMove(m);
    EXPECT_TRUE(sameMove(m, makeMoveRecord(1, 4, 3, 4)));

    MoveRecord own = makeMoveRecord(99, 99, 99, 99);
    flipMove(own);
    EXPECT_TRUE(sameMove(own, makeMoveRecord(99, 101, 99, 99)));
    flipMove(own);
    EXPECT_TRUE(sameMove(own, makeMoveRecord(99, 99, 99, 99)));

    MoveRecord user = makeMoveRecord(100, 101, 7, 2);
    flipMove(user);
    EXPECT_TRUE(sameMove(user, makeMoveRecord(100, 100, 7, 2)));
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
