#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "rules/candidates.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

using testing::boardFromRows;
using testing::gameFromRows;
using Moves = std::vector<std::array<int, 4>>;
using Codes = std::vector<LineCode>;

Moves coordinates(const MoveList& moves) {
    Moves out;
    for (const MoveRecord& m : moves) out.push_back({m.fromRow, m.fromCol, m.toRow, m.toCol});
    return out;
}

bool contains(const MoveList& moves, std::array<int, 4> m) {
    const Moves all = coordinates(moves);
    return std::find(all.begin(), all.end(), m) != all.end();
}

const PieceStatus* entryAt(const StatusList& list, int row, int col) {
    for (const PieceStatus& e : list)
        if (e.row == row && e.column == col) return &e;
    return nullptr;
}

struct Generated {
    MoveList moves;
    StatusList statuses;
};

Generated generate(const GameState& game) {
    Generated g;
    candidateMoves(game, game.board, g.moves, g.statuses);
    return g;
}

class StartingCandidates : public ::testing::TestWithParam<int> {};

// The king and queen are boxed in, so both king columns give the same list.
TEST_P(StartingCandidates, AreExactlyTheDevelopingMovesInOrder) {
    const GameState game(GetParam());
    const Generated g = generate(game);
    EXPECT_EQ(coordinates(g.moves), (Moves{
                                         {1, 2, 3, 2}, {1, 3, 3, 3}, {1, 4, 3, 4}, {1, 5, 3, 5},
                                         {0, 1, 2, 2},
                                         {1, 3, 2, 3}, {1, 2, 2, 2}, {1, 1, 2, 1}, {1, 1, 3, 1},
                                         {1, 6, 2, 6}, {1, 6, 3, 6}, {1, 5, 2, 5}, {1, 4, 2, 4},
                                         {0, 6, 2, 5},
                                     }));
    for (const MoveRecord& m : g.moves) {
        EXPECT_EQ(m.isCapture, 0);
        EXPECT_EQ(m.givesCheck, 0);
    }

    ASSERT_EQ(g.statuses.size(), 11u);
    const int kingColumn = GetParam();
    std::vector<int> backRankColumns;
    for (int c = 0; c < 8; ++c)
        if (c != kingColumn) backRankColumns.push_back(c);
    for (std::size_t i = 0; i < 7; ++i) {
        const PieceStatus& e = g.statuses[i];
        EXPECT_EQ(e.flags, BackRank);
        EXPECT_EQ(e.row, 0);
        EXPECT_EQ(e.column, backRankColumns[i]);
        EXPECT_EQ(e.owner, Own);
    }
    for (std::size_t i = 7; i < 11; ++i) {
        const PieceStatus& e = g.statuses[i];
        EXPECT_EQ(e.flags, CentralPawnPush);
        EXPECT_EQ(e.kind, Pawn);
        EXPECT_EQ(e.row, 1);
        EXPECT_EQ(e.column, static_cast<int>(i) - 5);
        EXPECT_TRUE(e.attackedBy.empty() && e.captures.empty() && e.threats.empty() && e.defences.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(BothKingColumns, StartingCandidates, ::testing::Values(3, 4));

TEST(ThreatMoves, RookMovingAlongItsRowToAttackUpAColumn) {
    const GameState game = gameFromRows({"........", "........", "........", "...n....", "........", "........", "........", "R......."});
    const Generated g = generate(game);
    const PieceStatus* rook = entryAt(g.statuses, 0, 0);
    ASSERT_NE(rook, nullptr);
    EXPECT_TRUE(rook->has(CanThreaten));
    EXPECT_NE(std::find(rook->threats.begin(), rook->threats.end(), 16908356), rook->threats.end());
    EXPECT_TRUE(contains(g.moves, {0, 0, 0, 3}));

    GameState blocked = game;
    blocked.board.at(2, 3) = {Pawn, Own};
    const Generated b = generate(blocked);
    const PieceStatus* r2 = entryAt(b.statuses, 0, 0);
    ASSERT_NE(r2, nullptr);  // the column walk up still threatens the knight along row 4
    EXPECT_EQ(std::find(r2->threats.begin(), r2->threats.end(), 16908356), r2->threats.end());
    EXPECT_FALSE(contains(b.moves, {0, 0, 0, 3}));
}

TEST(ThreatMoves, DiagonalMovesOnlyCountCapturesAtRightAngles) {
    // The bishop on (0,0) can only walk up-right. From (3,3) it would see the
    // knight on (5,1) at right angles (up-left) and the rook on (5,5) straight
    // ahead along its own diagonal, which does not count.
    const GameState game = gameFromRows({"........", "........", ".n...r..", "........", "........", "........", "........", "B......."});
    const Generated g = generate(game);
    const PieceStatus* bishop = entryAt(g.statuses, 0, 0);
    ASSERT_NE(bishop, nullptr);
    EXPECT_EQ(bishop->threats, (Codes{Line::combine(1025, 2049)}));
    EXPECT_TRUE(contains(g.moves, {0, 0, 3, 3}));
    EXPECT_FALSE(contains(g.moves, {0, 0, 4, 4}));
}

TEST(DefenceMoves, RookSteppingUpToGuardAnAttackedKnight) {
    const GameState game = gameFromRows({"........", "........", ".....b..", "........", "...N....", "........", "........", "..R....."});
    const Generated g = generate(game);
    const PieceStatus* rook = entryAt(g.statuses, 0, 2);
    ASSERT_NE(rook, nullptr);
    EXPECT_TRUE(rook->has(CanDefend));
    EXPECT_NE(std::find(rook->defences.begin(), rook->defences.end(), 4456706), rook->defences.end());
    EXPECT_TRUE(contains(g.moves, {0, 2, 3, 2}));

    GameState blocked = game;
    blocked.board.at(2, 2) = {Pawn, Own};
    const Generated b = generate(blocked);
    const PieceStatus* r2 = entryAt(b.statuses, 0, 2);
    ASSERT_NE(r2, nullptr);
    EXPECT_EQ(std::find(r2->defences.begin(), r2->defences.end(), 4456706), r2->defences.end());
    EXPECT_FALSE(contains(b.moves, {0, 2, 3, 2}));
}

TEST(DefenceMoves, KnightDefenceUsesOnlyTheFirstFittingTargetOfItsQuadrant) {
    // The knight on (3,3) guards the bishop on (6,6) from (5,4) or from (4,5);
    // (5,4) comes first in its quadrant, so only that one is ever tried.
    const GameState game = gameFromRows({".......p", "......B.", "........", "........", "...N....", "........", "........", "........"});
    const Generated g = generate(game);
    const PieceStatus* knight = entryAt(g.statuses, 3, 3);
    ASSERT_NE(knight, nullptr);
    const LineCode code = Line::combine(1032, 1032);
    EXPECT_EQ(knight->defences, (Codes{code, code}));
    EXPECT_TRUE(contains(g.moves, {3, 3, 5, 4}));

    GameState blocked = game;
    blocked.board.at(5, 4) = {Pawn, Own};
    const Generated b = generate(blocked);
    const PieceStatus* k2 = entryAt(b.statuses, 3, 3);
    EXPECT_TRUE(k2 == nullptr || k2->defences.empty());
    EXPECT_FALSE(contains(b.moves, {3, 3, 4, 5}));
}

TEST(BestSquareMove, FleesToTheSquareFewestCapturesReachEarliestFirst) {
    // Rook on (3,3) attacked by the pawn on (4,4). Along its row to the right
    // (its first quiet moves) the knight covers (3,4) and (3,6), the pawn (3,5);
    // (3,7) is the first square nothing reaches.
    GameState game = gameFromRows({"........", "........", ".....n..", "....p...", "...R....", "........", "........", "........"});
    Generated g;
    g.moves.clear();
    generateCandidates(game, g.moves, g.statuses, game.board);
    const PieceStatus* rook = entryAt(g.statuses, 3, 3);
    ASSERT_NE(rook, nullptr);
    ASSERT_TRUE(rook->has(Attacked));
    Board work = game.board;
    const MoveRecord flight = bestSquareMove(game, work, *rook);
    EXPECT_TRUE(sameMove(flight, makeMoveRecord(3, 3, 3, 7)));
    EXPECT_EQ(work, game.board);
}

TEST(BestSquareMove, APieceWithNowhereToGoGetsNoFlight) {
    const GameState game = gameFromRows({"........", "........", "........", "........", "........", ".P......", "..P.....", "N......r"});
    const Generated g = generate(game);
    const PieceStatus* knight = entryAt(g.statuses, 0, 0);
    ASSERT_NE(knight, nullptr);
    EXPECT_TRUE(knight->has(Attacked));
    for (const MoveRecord& m : g.moves) EXPECT_FALSE(m.fromRow == 0 && m.fromCol == 0);
}

TEST(BuildMoveList, KingInTheCornerFleesWithoutLookingOffTheBoard) {
    const GameState game = gameFromRows({"r.......", "........", "........", "........", "........", "........", "........", "K......."});
    const Generated g = generate(game);
    EXPECT_EQ(coordinates(g.moves), (Moves{{0, 0, 1, 1}}));
}

TEST(BuildMoveList, BishopAtHomeOnTheEdgeOpensWithThePawnsOnTheBoard) {
    const GameState left = gameFromRows({"........", "........", "........", "........", "........", "........", "PP......", "B......."});
    EXPECT_EQ(coordinates(generate(left).moves), (Moves{{1, 1, 2, 1}, {1, 1, 3, 1}, {1, 0, 2, 0}, {1, 0, 3, 0}}));

    const GameState right = gameFromRows({"........", "........", "........", "........", "........", "........", "......PP", ".......B"});
    EXPECT_EQ(coordinates(generate(right).moves), (Moves{{1, 7, 2, 7}, {1, 7, 3, 7}, {1, 6, 2, 6}, {1, 6, 3, 6}}));
}

TEST(BuildMoveList, CastlingIsAppendedWithoutADuplicateTest) {
    GameState game = gameFromRows({"....k...", "pppppppp", "........", "........", "........", "........", "PPPPPPPP", "R...K..R"});
    Generated g = generate(game);
    ASSERT_FALSE(g.moves.empty());
    EXPECT_TRUE(sameMove(g.moves[g.moves.size() - 2], makeMoveRecord(99, 99, 99, 99)));
    EXPECT_TRUE(sameMove(g.moves[g.moves.size() - 1], makeMoveRecord(100, 100, 99, 99)));

    Board work = game.board;
    buildMoveList(game, g.moves, g.statuses, work);
    const auto shortCastles = std::count_if(g.moves.begin(), g.moves.end(),
                                            [](const MoveRecord& m) { return m.fromRow == 99; });
    EXPECT_EQ(shortCastles, 2);
    EXPECT_EQ(work, game.board);
}

TEST(BuildMoveList, LeavesTheBoardAsItFoundIt) {
    GameState game = gameFromRows({
        "r.bqk..r",
        "pp..bppp",
        "..np.n..",
        "..p.p...",
        "..B.P...",
        "..NP.N..",
        "PPP..PPP",
        "R.BQK..R",
    });
    Board work = game.board;
    MoveList moves;
    StatusList statuses;
    generateCandidates(game, moves, statuses, work);
    buildMoveList(game, moves, statuses, work);
    EXPECT_EQ(work, game.board);
    EXPECT_GT(moves.size(), 10u);
}

TEST(QuietMoves, KnightOnColumnSixLooksUpToTheLeft) {
    const Board b = boardFromRows({"........", "........", "........", "........", "........", "........", "........", "......N."});
    MoveList out;
    quietMoves(out, {Knight, Own}, 0, 6, b);
    EXPECT_EQ(coordinates(out), (Moves{{0, 6, 2, 5}, {0, 6, 1, 4}}));

    MoveList other;
    quietMoves(other, {Knight, Own}, 3, 3, b);
    EXPECT_EQ(coordinates(other), (Moves{{3, 3, 5, 4}, {3, 3, 4, 5}, {3, 3, 1, 4}, {3, 3, 2, 5}, {3, 3, 1, 2}, {3, 3, 2, 1}}));
}

TEST(QuietMoves, QueenListsDiagonalsBeforeLines) {
    const Board b = boardFromRows({"........", "........", "........", "........", "........", "PPP.....", "PQP.....", "PPP....."});
    MoveList out;
    quietMoves(out, {Queen, Own}, 1, 1, b);
    EXPECT_TRUE(out.empty());
    const Board open = boardFromRows({"........", "........", "........", "........", "..P.....", "P.......", "Q.P.....", "PP......"});
    quietMoves(out, {Queen, Own}, 1, 0, open);
    EXPECT_EQ(coordinates(out), (Moves{{1, 0, 2, 1}, {1, 0, 1, 1}}));
}

}  // namespace
}  // namespace orbel

namespace orbel {
namespace {

TEST(HasThreatMove, AgreesWithTheStatusList) {
    std::ifstream in(ORBEL_GOLDEN_DIR "/candidates.golden");
    ASSERT_TRUE(in);
    int withThreats = 0, without = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("set ", 0) != 0) continue;
        std::istringstream numbers(line.substr(4));
        GameState g(4);
        for (Square& s : g.board.squares) numbers >> s.kind >> s.owner;
        for (int side = 0; side < 2; ++side) {
            Generated gen = generate(g);
            const bool listed = std::any_of(gen.statuses.begin(), gen.statuses.end(),
                                            [](const PieceStatus& e) { return e.has(CanThreaten); });
            ASSERT_EQ(hasThreatMove(g.board), listed) << testing::boardToRows(g.board);
            (listed ? withThreats : without)++;
            flipBoard(g.board);
        }
    }
    EXPECT_GT(withThreats, 100);
    EXPECT_GT(without, 10);
}

}  // namespace
}  // namespace orbel
