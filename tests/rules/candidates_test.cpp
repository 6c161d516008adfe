#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "rules/candidates.h"
#include "tests/support/board_text.h"
#include "tests/support/rule_lists.h"

namespace orbel {
namespace {

using namespace testing;
using namespace Line;

class StartingCandidates : public ::testing::TestWithParam<int> {};

// The king and queen are boxed in, so both king columns give the same list.
TEST_P(StartingCandidates, AreExactlyTheDevelopingMovesInOrder) {
    const int kingColumn = GetParam();
    const GameState game(kingColumn);
    const Lists g = generated(game);
    EXPECT_EQ(coordinates(g.moves), (Moves{
                                         {1, 2, 3, 2}, {1, 3, 3, 3}, {1, 4, 3, 4}, {1, 5, 3, 5},
                                         {0, 1, 2, 2},
                                         {1, 3, 2, 3}, {1, 2, 2, 2}, {1, 1, 2, 1}, {1, 1, 3, 1},
                                         {1, 6, 2, 6}, {1, 6, 3, 6}, {1, 5, 2, 5}, {1, 4, 2, 4},
                                         {0, 6, 2, 5},
                                     }));
    for (const MoveRecord& m : g.moves) EXPECT_EQ(m.isCapture + m.givesCheck, 0);

    // The back rank but the king, then the four central pawns; no codes at all.
    std::vector<std::array<int, 3>> entries;  // row, column, flags
    for (int c = 0; c < 8; ++c)
        if (c != kingColumn) entries.push_back({0, c, BackRank});
    for (int c = 2; c <= 5; ++c) entries.push_back({1, c, CentralPawnPush});
    std::vector<std::array<int, 3>> got;
    for (const PieceStatus& e : g.statuses) {
        got.push_back({e.row, e.column, e.flags});
        EXPECT_EQ((Square{e.kind, e.owner}), game.board.at(e.row, e.column));
        EXPECT_TRUE(e.attackedBy.empty() && e.captures.empty() && e.threats.empty() && e.defences.empty());
    }
    EXPECT_EQ(got, entries);
}

INSTANTIATE_TEST_SUITE_P(BothKingColumns, StartingCandidates, ::testing::Values(3, 4));

// A threat or defence of one piece: noted with its codes and listed as a move
// while the way is free; gone, code and move, once an Own pawn stands in it.
TEST(ThreatAndDefenceMoves, NeedTheirWayFree) {
    const struct {
        const char* name;
        Diagram diagram;
        int row, col;
        StatusFlag flag;
        Codes codes;  // the piece's codes under `flag`, the way free
        LineCode code;
        Coordinates move;
        int blockRow, blockCol;
        Coordinates neverListed;
    } rows[] = {
        {"a rook moves along its row to attack up a column", diagramOf({{4, "...n...."}, {0, "R......."}}), 0, 0,
         CanThreaten, {combine(RowRight, ColumnUp), combine(ColumnUp, RowRight)}, combine(RowRight, ColumnUp),
         {0, 0, 0, 3}, 2, 3, {}},
        // From (3,3) the bishop sees the knight on (5,1) at right angles and the
        // rook on (5,5) straight ahead, along its own diagonal, which does not count.
        {"a diagonal move counts only captures at right angles", diagramOf({{5, ".n...r.."}, {0, "B......."}}), 0, 0,
         CanThreaten, {combine(DiagonalUpRight, DiagonalUpLeft)}, combine(DiagonalUpRight, DiagonalUpLeft),
         {0, 0, 3, 3}, 2, 2, {0, 0, 4, 4}},
        {"a rook steps up to guard an attacked knight", diagramOf({{5, ".....b.."}, {3, "...N...."}, {0, "..R....."}}),
         0, 2, CanDefend, {combine(RowRight, ColumnUp), combine(ColumnUp, RowRight)}, combine(ColumnUp, RowRight),
         {0, 2, 3, 2}, 2, 2, {}},
        // The knight guards the bishop from (5,4) or from (4,5); (5,4) comes
        // first in its quadrant, so only that one is ever tried.
        {"a knight defends from the first fitting target of its quadrant",
         diagramOf({{7, ".......p"}, {6, "......B."}, {3, "...N...."}}),
         3, 3, CanDefend, {combine(KnightUpRight, KnightUpRight), combine(KnightUpRight, KnightUpRight)},
         combine(KnightUpRight, KnightUpRight), {3, 3, 5, 4}, 5, 4, {3, 3, 4, 5}},
    };
    const auto codesOf = [](const Lists& lists, int row, int col, StatusFlag flag) {
        const PieceStatus* e = lists.at(row, col);
        if (!e || !e->has(flag)) return Codes{};
        return flag == CanThreaten ? e->threats : e->defences;
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        GameState game = gameFromRows(row.diagram);
        const Lists free = generated(game);
        EXPECT_EQ(codesOf(free, row.row, row.col, row.flag), row.codes);
        EXPECT_TRUE(free.listsMove(row.move));
        EXPECT_FALSE(free.listsMove(row.neverListed));

        game.board.at(row.blockRow, row.blockCol) = {Pawn, Own};
        const Lists blocked = generated(game);
        const Codes left = codesOf(blocked, row.row, row.col, row.flag);
        EXPECT_EQ(std::count(left.begin(), left.end(), row.code), 0);
        EXPECT_FALSE(blocked.listsMove(row.move));
        EXPECT_FALSE(blocked.listsMove(row.neverListed));
    }
}

TEST(BestSquareMove, FleesToTheSquareFewestCapturesReachEarliestFirst) {
    // Rook on (3,3) attacked by the pawn on (4,4). Along its row to the right
    // (its first quiet moves) the knight covers (3,4) and (3,6), the pawn (3,5);
    // (3,7) is the first square nothing reaches.
    GameState game = gameFromRows(diagramOf({{5, ".....n.."}, {4, "....p..."}, {3, "...R...."}}));
    Lists g;
    generateCandidates(game, g.moves, g.statuses, game.board);
    ASSERT_TRUE(g.at(3, 3) && g.at(3, 3)->has(Attacked));
    Board work = game.board;
    EXPECT_TRUE(sameMove(bestSquareMove(game, work, *g.at(3, 3)), makeMoveRecord(3, 3, 3, 7)));
    EXPECT_EQ(work, game.board);
}

// The moves the generator lists for a position, in order.
TEST(BuildMoveList, ListsFlightsAndOpeningMoves) {
    const struct {
        const char* name;
        Diagram diagram;
        Moves moves;
    } rows[] = {
        {"a king in the corner flees without looking off the board", diagramOf({{7, "r......."}, {0, "K......."}}),
         {{0, 0, 1, 1}}},
        {"an attacked knight with nowhere to go gets no flight",
         diagramOf({{2, ".P......"}, {1, "..P....."}, {0, "N......r"}}), {{1, 2, 3, 2}}},
        {"a bishop at home on the left edge opens with the pawns on the board",
         diagramOf({{1, "PP......"}, {0, "B......."}}), {{1, 1, 2, 1}, {1, 1, 3, 1}, {1, 0, 2, 0}, {1, 0, 3, 0}}},
        {"a bishop at home on the right edge opens with the pawns on the board",
         diagramOf({{1, "......PP"}, {0, ".......B"}}), {{1, 7, 2, 7}, {1, 7, 3, 7}, {1, 6, 2, 6}, {1, 6, 3, 6}}},
    };
    for (const auto& row : rows) EXPECT_EQ(coordinates(generated(gameFromRows(row.diagram)).moves), row.moves) << row.name;
}

TEST(BuildMoveList, CastlingIsAppendedWithoutADuplicateTest) {
    GameState game = gameFromRows(diagramOf({{7, "....k..."}, {6, "pppppppp"}, {1, "PPPPPPPP"}, {0, "R...K..R"}}));
    Lists g = generated(game);
    ASSERT_GE(g.moves.size(), 2u);
    EXPECT_TRUE(sameMove(g.moves[g.moves.size() - 2], makeMoveRecord(CastleShort, CastleShort, 99, 99)));
    EXPECT_TRUE(sameMove(g.moves[g.moves.size() - 1], makeMoveRecord(CastleLong, CastleLong, 99, 99)));

    Board work = game.board;
    buildMoveList(game, g.moves, g.statuses, work);
    const auto isShort = [](const MoveRecord& m) { return m.fromRow == CastleShort; };
    EXPECT_EQ(std::count_if(g.moves.begin(), g.moves.end(), isShort), 2);
    EXPECT_EQ(work, game.board);
}

TEST(BuildMoveList, LeavesTheBoardAsItFoundIt) {
    const GameState game = gameFromRows({
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
    Lists g;
    generateCandidates(game, g.moves, g.statuses, work);
    buildMoveList(game, g.moves, g.statuses, work);
    EXPECT_EQ(work, game.board);
    EXPECT_GT(g.moves.size(), 10u);
}

TEST(QuietMoves, ListEachKindsSquaresInItsOrder) {
    const Board lone = boardFromRows(diagramOf({{0, "......N."}}));
    const Board boxedIn = boardFromRows(diagramOf({{2, "PPP....."}, {1, "PQP....."}, {0, "PPP....."}}));
    const Board open = boardFromRows(diagramOf({{3, "..P....."}, {2, "P......."}, {1, "Q.P....."}, {0, "PP......"}}));
    const struct {
        const char* name;
        Square piece;
        int row, col;
        const Board& board;
        Moves moves;
    } rows[] = {
        {"a knight on column six looks up to the left", {Knight, Own}, 0, 6, lone, {{0, 6, 2, 5}, {0, 6, 1, 4}}},
        {"a knight elsewhere", {Knight, Own}, 3, 3, lone,
         {{3, 3, 5, 4}, {3, 3, 4, 5}, {3, 3, 1, 4}, {3, 3, 2, 5}, {3, 3, 1, 2}, {3, 3, 2, 1}}},
        {"a queen boxed in", {Queen, Own}, 1, 1, boxedIn, {}},
        {"a queen lists diagonals before lines", {Queen, Own}, 1, 0, open, {{1, 0, 2, 1}, {1, 0, 1, 1}}},
    };
    for (const auto& row : rows) {
        MoveList out;
        quietMoves(out, row.piece, row.row, row.col, row.board);
        EXPECT_EQ(coordinates(out), row.moves) << row.name;
    }
}

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
            const Lists gen = generated(g);
            const bool listed = std::any_of(gen.statuses.begin(), gen.statuses.end(),
                                            [](const PieceStatus& e) { return e.has(CanThreaten); });
            ASSERT_EQ(hasThreatMove(g.board), listed) << boardToRows(g.board);
            (listed ? withThreats : without)++;
            flipBoard(g.board);
        }
    }
    EXPECT_GT(withThreats, 100);
    EXPECT_GT(without, 10);
}

}  // namespace
}  // namespace orbel
