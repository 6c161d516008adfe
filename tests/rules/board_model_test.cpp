#include <gtest/gtest.h>

#include "rules/board.h"

namespace orbel {
namespace {

TEST(FlipBoard, TurnsThePositionToTheOtherSide) {
    // Square i goes to 63 - i, Own and Enemy swap, and a square of no known
    // owner becomes empty.
    Board b;
    b.at(0, 1) = {Knight, Own};
    b.at(6, 2) = {Pawn, Enemy};
    b.at(2, 3) = {Queen, Empty};
    b.at(4, 4) = {Rook, 57};
    flipBoard(b);
    Board turned;
    turned.at(7, 6) = {Knight, Enemy};
    turned.at(1, 5) = {Pawn, Own};
    EXPECT_EQ(b, turned);

    // Each starting position turns into the other, and back again.
    for (int kingColumn : {3, 4}) {
        Board start = startingPosition(kingColumn);
        flipBoard(start);
        EXPECT_EQ(start, startingPosition(7 - kingColumn));
        flipBoard(start);
        EXPECT_EQ(start, startingPosition(kingColumn));
    }
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
    const MoveRecord shortCastle = makeMoveRecord(CastleShort, CastleShort, 99, 99);
    const MoveRecord longCastle = makeMoveRecord(CastleLong, CastleLong, 99, 99);
    EXPECT_FALSE(sameMove(shortCastle, longCastle));
    MoveList list;
    list.addUnique(shortCastle);
    list.addUnique(longCastle);
    EXPECT_EQ(list.size(), 2u);
}

TEST(NoteStatus, MergesFlagsPerSquareAndFilesCodesByFlag) {
    StatusList list;
    const Square rook{Rook, Own};
    noteStatus(list, rook, 0, 0, Attacked, Line::RowRight);
    noteStatus(list, rook, 0, 0, CanCapture, Line::RowRight);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].flags, Attacked | CanCapture);
    EXPECT_EQ(list[0].attackedBy, std::vector<LineCode>{Line::RowRight});
    EXPECT_EQ(list[0].captures, std::vector<LineCode>{Line::RowRight});

    noteStatus(list, rook, 0, 0, CanThreaten, 0);
    EXPECT_EQ(list[0].flags, Attacked | CanCapture | CanThreaten);
    EXPECT_TRUE(list[0].threats.empty());

    const LineCode guard = Line::combine(Line::ColumnUp, Line::RowRight);
    noteStatus(list, rook, 0, 0, CanDefend, guard);
    EXPECT_EQ(list[0].defences, std::vector<LineCode>{guard});
}

TEST(NoteStatus, FlagsWithoutAnArrayNeverKeepACode) {
    StatusList list;
    const Square pawn{Pawn, Own};
    noteStatus(list, pawn, 1, 3, CentralPawnPush, Line::PawnAdvance);
    noteStatus(list, pawn, 1, 3, PawnPush, Line::PawnAdvance);
    noteStatus(list, pawn, 1, 3, BackRank, Line::PawnAdvance);
    ASSERT_EQ(list.size(), 1u);
    const PieceStatus& e = list[0];
    EXPECT_EQ(e.flags, CentralPawnPush | PawnPush | BackRank);
    EXPECT_TRUE(e.attackedBy.empty() && e.captures.empty() && e.threats.empty() && e.defences.empty());
}

TEST(NoteStatus, EntriesKeepOrderOfFirstMentionAndSurviveReuse) {
    StatusList list;
    noteStatus(list, {Knight, Own}, 0, 1, BackRank, 0);
    noteStatus(list, {Pawn, Own}, 1, 4, CentralPawnPush, 0);
    noteStatus(list, {Knight, Own}, 0, 1, Attacked, Line::PawnUpRight);
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

TEST(FlipMove, TurnsCoordinatesAndCastlingSides) {
    MoveRecord m = makeMoveRecord(1, 4, 3, 4);
    m.isCapture = 1;
    flipMove(m);
    EXPECT_TRUE(sameMove(m, makeMoveRecord(6, 3, 4, 3)));
    EXPECT_EQ(m.isCapture, 1);
    flipMove(m);
    EXPECT_TRUE(sameMove(m, makeMoveRecord(1, 4, 3, 4)));

    MoveRecord own = makeMoveRecord(CastleShort, CastleShort, 99, 99);
    flipMove(own);
    EXPECT_TRUE(sameMove(own, makeMoveRecord(CastleShort, CastleByEnemy, 99, 99)));
    flipMove(own);
    EXPECT_TRUE(sameMove(own, makeMoveRecord(CastleShort, CastleShort, 99, 99)));

    MoveRecord user = makeMoveRecord(CastleLong, CastleByEnemy, 7, 2);
    flipMove(user);
    EXPECT_TRUE(sameMove(user, makeMoveRecord(CastleLong, CastleLong, 7, 2)));
}

}  // namespace
}  // namespace orbel
