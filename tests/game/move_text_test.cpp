#include <gtest/gtest.h>

#include "game/game_record.h"
#include "game/move_text.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

MoveRecord move(int fr, int fc, int tr, int tc, bool capture = false, bool check = false) {
    MoveRecord m = makeMoveRecord(fr, fc, tr, tc);
    m.isCapture = capture;
    m.givesCheck = check;
    return m;
}

TEST(MoveText, CastlingWithAndWithoutCheck) {
    const Board b;
    EXPECT_EQ(moveText(move(99, 101, 7, 1, false, true), b, false), "O-O+");
    EXPECT_EQ(moveText(move(100, 101, 7, 5), b, false), "O-O-O");
    EXPECT_EQ(moveText(move(99, 99, 99, 99), b, true), "O-O");
}

TEST(MoveText, PawnCapturesReadTheSameForEitherColour) {
    // User playing White: the board's column c is file h-c, row r is rank 8-r.
    Board white;
    white.at(3, 4) = {Pawn, Enemy};  // e4 takes on d5
    EXPECT_EQ(moveText(move(4, 3, 3, 4, true), white, false), "xd5");
    // User playing Black: column c is file a+c, row r is rank r+1.
    Board black;
    black.at(4, 3) = {Pawn, Enemy};
    EXPECT_EQ(moveText(move(3, 4, 4, 3, true), black, true), "xd5");
    // A plain pawn move has no letter at all.
    Board push;
    push.at(4, 3) = {Pawn, Enemy};
    EXPECT_EQ(moveText(move(6, 3, 4, 3), push, false), "e4");
}

TEST(MoveText, APromotionShowsTheQueenItBecame) {
    Board b;
    b.at(0, 3) = {Queen, Enemy};  // e8 for a user playing White
    EXPECT_EQ(moveText(move(1, 4, 0, 3, true), b, false), "Qxe8");
    EXPECT_EQ(moveText(move(1, 4, 0, 3, true, true), b, false), "Qxe8+");
}

TEST(MoveText, PiecesOfBothSidesGetTheirLetters) {
    Board b;
    b.at(2, 2) = {Knight, Own};
    b.at(5, 5) = {Bishop, Enemy};
    b.at(7, 7) = {Rook, Own};
    b.at(0, 0) = {King, Enemy};
    // User playing Black: the computer's knight to (2,2) is c3.
    EXPECT_EQ(moveText(move(0, 1, 2, 2), b, true), "Nc3");
    EXPECT_EQ(moveText(move(4, 4, 5, 5, true, true), b, true), "Bxf6+");
    // User playing White: (7,7) is a1, (0,0) is h8.
    EXPECT_EQ(moveText(move(7, 5, 7, 7), b, false), "Ra1");
    EXPECT_EQ(moveText(move(1, 0, 0, 0), b, false), "Kh8");
}

TEST(MoveHistory, KeepsOldTextsPastTheCountAndGrowsPastItsLines) {
    MoveHistory h;
    ASSERT_EQ(h.lines.size(), static_cast<std::size_t>(MoveHistory::StandardLines));
    Board b;
    b.at(4, 3) = {Pawn, Enemy};
    writeMoveText(move(6, 3, 4, 3), h, 0, b, false);
    h.count = 1;
    EXPECT_EQ(h.lines[0], "e4");
    h.setLine(130, "Qh5");
    EXPECT_EQ(h.lines.size(), 131u);
    EXPECT_EQ(h.lines[130], "Qh5");
    h.clear();
    EXPECT_EQ(h.count, 0);
    EXPECT_TRUE(h.lines[0].empty());
    h.setLine(-1, "nothing");  // ignored
    EXPECT_EQ(h.lines.size(), 131u);
    EXPECT_TRUE(h.lines[0].empty());
}

TEST(BrainText, ListsTheLineAndTheValue) {
    MoveList line;
    EXPECT_EQ(brainText(line, -3), "Brain:\n\n\nValue: -3");
    line.append(makeMoveRecord(1, 4, 3, 4));
    line.append(makeMoveRecord(6, 3, 4, 3));
    line.append(makeMoveRecord(1, 3, 3, 3));
    EXPECT_EQ(brainText(line, 24), "Brain:\n1,4,3,4, 6,3,4,3, 1,3,3,3, \n\nValue: 24");
    std::string text;
    formatMoveNumbers(makeMoveRecord(CastleShort, CastleShort, 99, 99), text);
    EXPECT_EQ(text, "99,99,99,99, ");
}

TEST(GameRecord, TakeBackRestoresThePositionAndNeverCountsBelowNothing) {
    GameRecord g;
    g.newGame(false);
    ASSERT_EQ(g.currentGame->ownKingColumn, 3);
    const Board before = g.currentGame->board;
    g.undoBoard = before;
    g.currentGame->board.at(4, 3) = {Pawn, Enemy};
    g.currentGame->moveCount = 2;
    g.whiteHistory.count = 1;
    g.takeBack();
    EXPECT_EQ(g.currentGame->board, before);
    EXPECT_EQ(g.displayBoard, before);
    EXPECT_EQ(g.currentGame->moveCount, 0);
    EXPECT_EQ(g.whiteHistory.count, 0);
    EXPECT_EQ(g.blackHistory.count, 0);
    g.takeBack();
    EXPECT_EQ(g.whiteHistory.count, 0);
    EXPECT_EQ(g.currentGame->board, before);
}

}  // namespace
}  // namespace orbel
