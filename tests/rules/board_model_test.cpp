#include <gtest/gtest.h>

#include "rules/board.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

using testing::boardFromRows;

TEST(FlipBoard, TwiceGivesBackTheSameBoard) {
    Board b = boardFromRows({
        "r...k..r",
        "pp.q.ppp",
        "..n..n..",
        "...pP...",
        ".b.P....",
        "..N..N..",
        "PP...PPP",
        "R..QKB.R",
    });
    const Board original = b;
    flipBoard(b);
    EXPECT_NE(b, original);
    flipBoard(b);
    EXPECT_EQ(b, original);
}

TEST(FlipBoard, TurnsEachStartingPositionIntoTheOther) {
    Board black = startingPosition(3);
    flipBoard(black);
    EXPECT_EQ(black, startingPosition(4));

    Board white = startingPosition(4);
    flipBoard(white);
    EXPECT_EQ(white, startingPosition(3));
}

TEST(FlipBoard, MovesSquaresAcrossTheCentreAndSwapsOwners) {
    Board b;
    b.at(0, 1) = {Knight, Own};
    b.at(6, 2) = {Pawn, Enemy};
    flipBoard(b);
    EXPECT_EQ(b.at(7, 6), (Square{Knight, Enemy}));
    EXPECT_EQ(b.at(1, 5), (Square{Pawn, Own}));
    EXPECT_EQ(b.at(0, 1), EmptySquare);
    EXPECT_EQ(b.at(6, 2), EmptySquare);
}

TEST(FlipBoard, SquaresOfNoKnownOwnerBecomeEmpty) {
    Board b;
    b.at(2, 3) = {Queen, Empty};
    b.at(4, 4) = {Rook, 57};
    flipBoard(b);
    EXPECT_EQ(b.at(5, 4), EmptySquare);
    EXPECT_EQ(b.at(3, 3), EmptySquare);
}

TEST(StartingPosition, PlacesKingAndQueenByTheKingColumn) {
    const Board white = startingPosition(4);
    EXPECT_EQ(white.at(0, 3), (Square{Queen, Own}));
    EXPECT_EQ(white.at(0, 4), (Square{King, Own}));
    EXPECT_EQ(white.at(7, 4), (Square{King, Enemy}));

    const Board black = startingPosition(3);
    EXPECT_EQ(black.at(0, 3), (Square{King, Own}));
    EXPECT_EQ(black.at(0, 4), (Square{Queen, Own}));
    EXPECT_EQ(black.at(7, 3), (Square{King, Enemy}));

    for (int r = 2; r <= 5; ++r)
        for (int c = 0; c < 8; ++c) EXPECT_EQ(white.at(r, c), EmptySquare);
}

TEST(MoveList, AddUniqueComparesOnlyTheFourCoordinates) {
    MoveList list;
    MoveRecord a = makeMoveRecord(1, 4, 3, 4);
    list.addUnique(a);
    MoveRecord b = a;
    b.isCapture = 1;
    b.givesCheck = 1;
    list.addUnique(b);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].isCapture, 0);

    list.addUnique(makeMoveRecord(1, 4, 2, 4));
    list.append(a);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_TRUE(sameMove(list[2], a));
}

TEST(MoveList, ShortAndLongCastlingAreDifferentMoves) {
    const MoveRecord shortCastle = makeMoveRecord(99, 99, 99, 99);
    const MoveRecord longCastle = makeMoveRecord(100, 100, 99, 99);
    EXPECT_FALSE(sameMove(shortCastle, longCastle));
    MoveList list;
    list.addUnique(shortCastle);
    list.addUnique(longCastle);
    EXPECT_EQ(list.size(), 2u);
}

TEST(NoteStatus, MergesFlagsPerSquareAndFilesCodesByFlag) {
    StatusList list;
    const Square rook{Rook, Own};
    noteStatus(list, rook, 0, 0, Attacked, 258);
    noteStatus(list, rook, 0, 0, CanCapture, 258);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].flags, 65);
    EXPECT_EQ(list[0].attackedBy, std::vector<LineCode>{258});
    EXPECT_EQ(list[0].captures, std::vector<LineCode>{258});

    noteStatus(list, rook, 0, 0, CanThreaten, 0);
    EXPECT_EQ(list[0].flags, 65 | 128);
    EXPECT_TRUE(list[0].threats.empty());

    noteStatus(list, rook, 0, 0, CanDefend, 4456706);
    EXPECT_EQ(list[0].defences, std::vector<LineCode>{4456706});
}

TEST(NoteStatus, FlagsWithoutAnArrayNeverKeepACode) {
    StatusList list;
    const Square pawn{Pawn, Own};
    noteStatus(list, pawn, 1, 3, CentralPawnPush, 80);
    noteStatus(list, pawn, 1, 3, PawnPush, 80);
    noteStatus(list, pawn, 1, 3, BackRank, 80);
    ASSERT_EQ(list.size(), 1u);
    const PieceStatus& e = list[0];
    EXPECT_EQ(e.flags, 4 | 8 | 32);
    EXPECT_TRUE(e.attackedBy.empty() && e.captures.empty() && e.threats.empty() && e.defences.empty());
}

TEST(NoteStatus, EntriesKeepOrderOfFirstMentionAndSurviveReuse) {
    StatusList list;
    noteStatus(list, {Knight, Own}, 0, 1, BackRank, 0);
    noteStatus(list, {Pawn, Own}, 1, 4, CentralPawnPush, 0);
    noteStatus(list, {Knight, Own}, 0, 1, Attacked, 1040);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].kind, Knight);
    EXPECT_EQ(list[1].row, 1);

    // A cleared list must not leak codes from its previous use.
    list.clear();
    noteStatus(list, {Bishop, Own}, 0, 2, BackRank, 0);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].kind, Bishop);
    EXPECT_EQ(list[0].flags, BackRank);
    EXPECT_TRUE(list[0].attackedBy.empty());
}

}  // namespace
}  // namespace orbel
