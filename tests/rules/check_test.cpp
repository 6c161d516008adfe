#include <gtest/gtest.h>

#include <algorithm>

#include "rules/check.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

using testing::boardFromRows;
using testing::boardToRows;

GameState gameWith(const std::array<const char*, 8>& rows, int kingColumn = 3) {
    return testing::gameFromRows(rows, kingColumn);
}

// The user's drag: the piece is lifted off the board before it is judged.
bool userMove(const GameState& game, int fr, int fc, int tr, int tc) {
    GameState g = game;
    const Square piece = g.board.at(fr, fc);
    g.board.at(fr, fc) = EmptySquare;
    const bool legal = isLegalUserMove(makeMoveRecord(fr, fc, tr, tc), piece, g);
    EXPECT_EQ(g.board.at(fr, fc), EmptySquare) << "the game's board must not change";
    return legal;
}

TEST(IsOwnKingAttacked, RookOnTheKingsColumnUnlessBlocked) {
    Board open = boardFromRows({"...r....", "........", "........", "........", "........", "........", "........", "...K...."});
    EXPECT_TRUE(isOwnKingAttacked(open));
    Board blocked = boardFromRows({"...r....", "........", "........", "...N....", "........", "........", "........", "...K...."});
    EXPECT_FALSE(isOwnKingAttacked(blocked));
    // The other side's king is asked about by flipping.
    flipBoard(open);
    EXPECT_FALSE(isOwnKingAttacked(open));
}

TEST(UserDestinations, ListsEachKindInItsOrder) {
    const Board b = boardFromRows({
        "........",
        "..p.....",
        "...B....",
        "........",
        "...r.n..",
        "........",
        "........",
        "........",
    });
    std::vector<Destination> d;
    userDestinations(d, Pawn, 6, 2, b);
    // One step, two steps, then the capture up-right (column + 1).
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0].row, 5);
    EXPECT_EQ(d[1].row, 4);
    EXPECT_EQ(d[2].row, 5);
    EXPECT_EQ(d[2].col, 3);

    // Rook on (3,3): up ends on the Own bishop (listed), down runs to the
    // edge, right stops before the user's own knight, left runs to the edge.
    userDestinations(d, Rook, 3, 3, b);
    std::vector<std::pair<int, int>> got;
    for (auto x : d) got.push_back({x.row, x.col});
    EXPECT_EQ(got, (std::vector<std::pair<int, int>>{
                       {4, 3}, {5, 3}, {2, 3}, {1, 3}, {0, 3}, {3, 4}, {3, 2}, {3, 1}, {3, 0}}));
}

TEST(IsLegalUserMove, APinnedPieceMayNotUncoverItsKing) {
    // User king on (7,4); a user bishop on (6,4) shields it from the Own rook on (0,4).
    const GameState g = gameWith({"....k...", "....b...", "........", "........", "........", "........", "........", "....R..K"});
    EXPECT_FALSE(userMove(g, 6, 4, 5, 3));  // in the bishop's destinations, but uncovers check
    // A rook in the same place may move along the line of the pin.
    const GameState r = gameWith({"....k...", "....r...", "........", "........", "........", "........", "........", "....R..K"});
    EXPECT_TRUE(userMove(r, 6, 4, 3, 4));
    EXPECT_FALSE(userMove(r, 6, 4, 6, 0));
    EXPECT_TRUE(userMove(r, 6, 4, 0, 4));  // capturing the pinning rook
}

TEST(IsLegalUserMove, UncoveringCheckOnTheComputersKingIsAllowed) {
    // The user's knight stands between the user's rook and the Own king.
    const GameState g = gameWith({"....k...", "........", "r.......", "........", "n.......", "........", "........", "K......."});
    EXPECT_TRUE(userMove(g, 3, 0, 5, 1));
}

TEST(IsLegalUserMove, AMoveThatLeavesTheKingInCheckIsRefused) {
    // The user is in check from the Own queen along row 7; a pawn move does not help.
    const GameState g = gameWith({"....k..Q", "pppp....", "........", "........", "........", "........", "........", "K......."});
    EXPECT_FALSE(userMove(g, 6, 0, 5, 0));
    EXPECT_TRUE(userMove(g, 7, 4, 6, 4));
}

TEST(IsLegalUserMove, PawnPushesAndCaptures) {
    const GameState g = gameWith({"....k...", "..p.....", "........", "..N.....", "........", "........", "........", "K......."});
    EXPECT_TRUE(userMove(g, 6, 2, 5, 2));
    EXPECT_FALSE(userMove(g, 6, 2, 4, 2));  // (4,2) occupied
    EXPECT_FALSE(userMove(g, 6, 2, 5, 3));  // diagonal onto an empty square
    EXPECT_FALSE(userMove(g, 6, 2, 7, 2));  // backwards

    const GameState capture = gameWith({"....k...", "..p.....", ".B......", "........", "........", "........", "........", "K......."});
    EXPECT_TRUE(userMove(capture, 6, 2, 5, 1));
}

TEST(IsLegalUserMove, AKingMayNotStepNextToTheOtherKing) {
    const GameState g = gameWith({"....k...", "........", "....K...", "........", "........", "........", "........", "........"});
    EXPECT_FALSE(userMove(g, 7, 4, 6, 4));
    EXPECT_FALSE(userMove(g, 7, 4, 6, 3));
    EXPECT_TRUE(userMove(g, 7, 4, 7, 3));
}

TEST(IsLegalUserMove, DestinationsOffTheBoardAreRefused) {
    const GameState g = gameWith({"k.......", "........", "........", "........", "........", "........", "........", "K......r"});
    EXPECT_FALSE(userMove(g, 0, 7, 0, 8));
    EXPECT_FALSE(userMove(g, 0, 7, -1, 7));
    EXPECT_FALSE(userMove(g, 0, 7, 0, -1));
}

// A held board with the user as Own (the side that has just moved), and the
// computer (Enemy, king on row 7) to move.
GameState mateTest(const std::array<const char*, 8>& rows) {
    GameState g(4);
    g.board = boardFromRows(rows);
    return g;
}

TEST(IsCheckmated, QueenProtectedByAPawnMates) {
    GameState g = mateTest({"....k...", "....Q...", "...P....", "........", "........", "........", "........", "....K..."});
    const Board before = g.board;
    EXPECT_TRUE(isCheckmated(g));
    EXPECT_EQ(g.board, before) << boardToRows(g.board);
}

TEST(IsCheckmated, CapturingTheCheckingPieceEscapes) {
    GameState g = mateTest({"....k...", "....Q...", "........", "........", "........", "........", "........", "....K..."});
    const Board before = g.board;
    EXPECT_FALSE(isCheckmated(g));
    EXPECT_EQ(g.board, before);

    // Or another piece takes it.
    GameState r = mateTest({"....k...", "r...Q...", "...P....", "........", "........", "........", "........", "....K..."});
    EXPECT_FALSE(isCheckmated(r));
}

TEST(IsCheckmated, NotInCheckIsNeverMate) {
    // The computer's king has no move at all but is not attacked.
    GameState g = mateTest({"k.......", "..Q.....", ".K......", "........", "........", "........", "........", "........"});
    const Board before = g.board;
    EXPECT_FALSE(isCheckmated(g));
    EXPECT_EQ(g.board, before);
}

TEST(IsCheckmated, BackRankMateWithTheKingBoxedInByItsOwnPawns) {
    GameState g = mateTest({"R.....k.", ".....ppp", "........", "........", "........", "........", "........", "....K..."});
    const Board before = g.board;
    EXPECT_TRUE(isCheckmated(g));
    EXPECT_EQ(g.board, before);
    // With an escape square the candidate flight is found.
    g.board.at(6, 7) = EmptySquare;
    EXPECT_FALSE(isCheckmated(g));
}

}  // namespace
}  // namespace orbel
