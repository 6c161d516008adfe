#include <gtest/gtest.h>

#include "rules/apply_move.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

using testing::boardFromRows;
using testing::gameFromRows;
using testing::boardToRows;

struct CastleCase {
    const char* name;
    MoveRecord move;
    std::array<const char*, 8> before;
    std::array<const char*, 8> after;
};

void PrintTo(const CastleCase& c, std::ostream* os) { *os << c.name; }


class ApplyCastling : public ::testing::TestWithParam<CastleCase> {};

TEST_P(ApplyCastling, MovesKingAndRookOfTheRightSide) {
    const CastleCase& c = GetParam();
    Board b = boardFromRows(c.before);
    applyMove(c.move, b);
    EXPECT_EQ(b, boardFromRows(c.after)) << boardToRows(b);
}

// The to-fields of a castling record are never read: 7 and 0 below would be
// wrong destinations if they were.
INSTANTIATE_TEST_SUITE_P(
    AllEightGeometries, ApplyCastling,
    ::testing::Values(
        CastleCase{"OwnShortKing4", makeMoveRecord(99, 99, 99, 99),
                   {"r...k..r", "........", "........", "........", "........", "........", "........", "R...K..R"},
                   {"r...k..r", "........", "........", "........", "........", "........", "........", "R....RK."}},
        CastleCase{"OwnShortKing3", makeMoveRecord(99, 99, 7, 0),
                   {"r..k...r", "........", "........", "........", "........", "........", "........", "R..K...R"},
                   {"r..k...r", "........", "........", "........", "........", "........", "........", ".KR....R"}},
        CastleCase{"OwnLongKing4", makeMoveRecord(100, 100, 99, 99),
                   {"r...k..r", "........", "........", "........", "........", "........", "........", "R...K..R"},
                   {"r...k..r", "........", "........", "........", "........", "........", "........", "..KR...R"}},
        CastleCase{"OwnLongKing3", makeMoveRecord(100, 100, 99, 99),
                   {"r..k...r", "........", "........", "........", "........", "........", "........", "R..K...R"},
                   {"r..k...r", "........", "........", "........", "........", "........", "........", "R...RK.."}},
        CastleCase{"EnemyShortKing4", makeMoveRecord(99, 101, 7, 6),
                   {"r...k..r", "........", "........", "........", "........", "........", "........", "R...K..R"},
                   {"r....rk.", "........", "........", "........", "........", "........", "........", "R...K..R"}},
        CastleCase{"EnemyShortKing3", makeMoveRecord(99, 101, 7, 1),
                   {"r..k...r", "........", "........", "........", "........", "........", "........", "R..K...R"},
                   {".kr....r", "........", "........", "........", "........", "........", "........", "R..K...R"}},
        CastleCase{"EnemyLongKing4", makeMoveRecord(100, 101, 7, 2),
                   {"r...k..r", "........", "........", "........", "........", "........", "........", "R...K..R"},
                   {"..kr...r", "........", "........", "........", "........", "........", "........", "R...K..R"}},
        CastleCase{"EnemyLongKing3", makeMoveRecord(100, 101, 7, 5),
                   {"r..k...r", "........", "........", "........", "........", "........", "........", "R..K...R"},
                   {"r...rk..", "........", "........", "........", "........", "........", "........", "R..K...R"}},
        CastleCase{"NoKingAtHomeChangesNothing", makeMoveRecord(99, 99, 99, 99),
                   {"r...k..r", "........", "........", "........", "........", "........", "....K...", "R......R"},
                   {"r...k..r", "........", "........", "........", "........", "........", "....K...", "R......R"}}),
    [](const ::testing::TestParamInfo<CastleCase>& p) { return std::string(p.param.name); });

TEST(ApplyMove, OwnPawnReachingRowSevenBecomesAQueenEvenWhenCapturing) {
    Board b = boardFromRows({"...r....", "..P.....", "........", "........", "........", "........", "........", "........"});
    applyMove(makeMoveRecord(6, 2, 7, 3), b);
    EXPECT_EQ(b.at(7, 3), (Square{Queen, Own}));
    EXPECT_EQ(b.at(6, 2), EmptySquare);

    Board k = boardFromRows({"...r....", "..N.....", "........", "........", "........", "........", "........", "........"});
    applyMove(makeMoveRecord(6, 2, 7, 3), k);
    EXPECT_EQ(k.at(7, 3), (Square{Knight, Own}));
}

TEST(ApplyMove, EnemyPawnReachingRowZeroBecomesAnEnemyQueen) {
    Board b = boardFromRows({"........", "........", "........", "........", "........", "........", "....p...", "........"});
    applyMove(makeMoveRecord(1, 4, 0, 4), b);
    EXPECT_EQ(b.at(0, 4), (Square{Queen, Enemy}));
    EXPECT_EQ(b.at(1, 4), EmptySquare);
}

TEST(ApplyMove, AnEnemyPawnOnRowSevenIsNotPromotedForOwn) {
    Board b = boardFromRows({"........", "....p...", "........", "........", "........", "........", "........", "........"});
    applyMove(makeMoveRecord(6, 4, 7, 4), b);
    EXPECT_EQ(b.at(7, 4), (Square{Pawn, Enemy}));
}

TEST(OwnCastlingMoves, OffersOnlyWhatRightsAndSquaresAllowShortFirst) {
    GameState g = gameFromRows({"........", "........", "........", "........", "........", "........", "........", "R...K..R"});
    CastlingOffers offers = ownCastlingMoves(g, g.board);
    ASSERT_EQ(offers.count, 2);
    EXPECT_TRUE(sameMove(offers.moves[0], makeMoveRecord(99, 99, 99, 99)));
    EXPECT_TRUE(sameMove(offers.moves[1], makeMoveRecord(100, 100, 99, 99)));

    g.canCastleLong = 0;
    EXPECT_EQ(ownCastlingMoves(g, g.board).count, 1);

    GameState blocked = gameFromRows({"........", "........", "........", "........", "........", "........", "........", "....K.NR"});
    EXPECT_EQ(ownCastlingMoves(blocked, blocked.board).count, 0);

    GameState enemyRook = gameFromRows({"........", "........", "........", "........", "........", "........", "........", "....K..r"});
    EXPECT_EQ(ownCastlingMoves(enemyRook, enemyRook.board).count, 0);
}

TEST(OwnCastlingMoves, KingOnColumnThreeCastlesTowardsColumnZeroShort) {
    GameState g = gameFromRows({"........", "........", "........", "........", "........", "........", "........", "R..K...R"}, 3);
    CastlingOffers offers = ownCastlingMoves(g, g.board);
    ASSERT_EQ(offers.count, 2);
    // Long needs (0,4), (0,5) and (0,6) empty.
    g.board.at(0, 4) = {Queen, Own};
    offers = ownCastlingMoves(g, g.board);
    ASSERT_EQ(offers.count, 1);
    EXPECT_EQ(offers.moves[0].fromRow, 99);
}

TEST(OwnCastlingMoves, AttackedSquaresDoNotMatter) {
    GameState g = gameFromRows({"....r...", "........", "........", "........", "........", "........", "........", "R...K..R"});
    EXPECT_EQ(ownCastlingMoves(g, g.board).count, 2);
}

TEST(UpdateOwnCastlingRights, RookAndKingMovesGiveUpRights) {
    GameState g = gameFromRows({"........", "........", "........", "........", "........", "........", "........", "R...K..R"});
    updateOwnCastlingRights(g, makeMoveRecord(0, 7, 0, 6));
    EXPECT_EQ(g.canCastleShort, 0);
    EXPECT_EQ(g.canCastleLong, 1);

    GameState k = gameFromRows({"........", "........", "........", "........", "........", "........", "........", "R...K..R"});
    updateOwnCastlingRights(k, makeMoveRecord(0, 4, 1, 4));
    EXPECT_EQ(k.canCastleShort, 0);
    EXPECT_EQ(k.canCastleLong, 0);

    // King on column 3: the corner rooks swap roles.
    GameState b = gameFromRows({"........", "........", "........", "........", "........", "........", "........", "R..K...R"}, 3);
    updateOwnCastlingRights(b, makeMoveRecord(0, 0, 1, 0));
    EXPECT_EQ(b.canCastleShort, 0);
    EXPECT_EQ(b.canCastleLong, 1);

    // A castling record has no from-square and changes nothing here.
    GameState c = gameFromRows({"........", "........", "........", "........", "........", "........", "........", "R...K..R"});
    updateOwnCastlingRights(c, makeMoveRecord(99, 99, 99, 99));
    EXPECT_EQ(c.canCastleShort, 1);
    EXPECT_EQ(c.canCastleLong, 1);
}

struct UserCastleCase {
    const char* name;
    int homeColumn;
    int dropCol;
    bool rightShort, rightLong, inCheck;
    std::array<const char*, 8> rows;  // the user's king already lifted off its square
    CastleVerdict verdict;
    int recordFromRow;
};

void PrintTo(const UserCastleCase& c, std::ostream* os) { *os << c.name; }


class RecogniseUserCastle : public ::testing::TestWithParam<UserCastleCase> {};

TEST_P(RecogniseUserCastle, JudgesTheKingDrag) {
    const UserCastleCase& c = GetParam();
    const Board b = boardFromRows(c.rows);
    UserCastlingRights rights{c.rightShort, c.rightLong};
    const CastleRecognition r =
        recogniseUserCastle({King, Enemy}, 7, c.homeColumn, 7, c.dropCol, rights, c.inCheck, b, c.homeColumn);
    EXPECT_EQ(r.verdict, c.verdict);
    if (c.verdict == CastleVerdict::Accepted) {
        EXPECT_EQ(r.castle.fromRow, c.recordFromRow);
        EXPECT_EQ(r.castle.fromCol, 101);
        EXPECT_EQ(r.castle.toRow, 7);
        EXPECT_EQ(r.castle.toCol, c.dropCol);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothKingColumns, RecogniseUserCastle,
    ::testing::Values(
        UserCastleCase{"Short4", 4, 6, true, true, false, {"r......r", "........", "........", "........", "........", "........", "........", "....K..."}, CastleVerdict::Accepted, 99},
        UserCastleCase{"Long4", 4, 2, true, true, false, {"r......r", "........", "........", "........", "........", "........", "........", "....K..."}, CastleVerdict::Accepted, 100},
        UserCastleCase{"Short3", 3, 1, true, true, false, {"r......r", "........", "........", "........", "........", "........", "........", "...K...."}, CastleVerdict::Accepted, 99},
        UserCastleCase{"Long3", 3, 5, true, true, false, {"r......r", "........", "........", "........", "........", "........", "........", "...K...."}, CastleVerdict::Accepted, 100},
        UserCastleCase{"Short4BishopInTheWay", 4, 6, true, true, false, {"r....b.r", "........", "........", "........", "........", "........", "........", "....K..."}, CastleVerdict::Rejected, 0},
        UserCastleCase{"Long4KnightOnB1", 4, 2, true, true, false, {"rn.....r", "........", "........", "........", "........", "........", "........", "....K..."}, CastleVerdict::Rejected, 0},
        UserCastleCase{"Short4InCheck", 4, 6, true, true, true, {"r......r", "........", "........", "........", "........", "........", "........", "....K..."}, CastleVerdict::Rejected, 0},
        UserCastleCase{"Short4WithoutRight", 4, 6, false, true, false, {"r......r", "........", "........", "........", "........", "........", "........", "....K..."}, CastleVerdict::Rejected, 0},
        UserCastleCase{"Long3NoRookInCorner", 3, 5, true, true, false, {"r.......", "........", "........", "........", "........", "........", "........", "...K...."}, CastleVerdict::Rejected, 0},
        UserCastleCase{"Long3OwnRookInCorner", 3, 5, true, true, false, {"r......R", "........", "........", "........", "........", "........", "........", "...K...."}, CastleVerdict::Rejected, 0},
        UserCastleCase{"OneColumnIsNoAttempt", 4, 5, true, true, false, {"r......r", "........", "........", "........", "........", "........", "........", "....K..."}, CastleVerdict::NotAnAttempt, 0},
        UserCastleCase{"KingColumnsDoNotMix", 3, 6, true, true, false, {"r......r", "........", "........", "........", "........", "........", "........", "...K...."}, CastleVerdict::NotAnAttempt, 0}),
    [](const ::testing::TestParamInfo<UserCastleCase>& p) { return std::string(p.param.name); });

TEST(RecogniseUserCastle, OnlyAKingFromItsHomeSquareIsAnAttempt) {
    const Board b = boardFromRows({"r......r", "........", "........", "........", "........", "........", "........", "....K..."});
    const UserCastlingRights rights;
    EXPECT_EQ(recogniseUserCastle({Rook, Enemy}, 7, 4, 7, 6, rights, false, b, 4).verdict, CastleVerdict::NotAnAttempt);
    EXPECT_EQ(recogniseUserCastle({King, Enemy}, 6, 4, 7, 6, rights, false, b, 4).verdict, CastleVerdict::NotAnAttempt);
    EXPECT_EQ(recogniseUserCastle({King, Enemy}, 7, 4, 6, 6, rights, false, b, 4).verdict, CastleVerdict::NotAnAttempt);
}

TEST(UpdateUserCastlingRights, RookCornersAndKingMoves) {
    Board b = boardFromRows({"r...k..r", "........", "........", "........", "........", "........", "........", "....K..."});
    UserCastlingRights r;
    updateUserCastlingRights(r, makeMoveRecord(7, 7, 6, 7), b, 4);
    EXPECT_FALSE(r.canCastleShort);
    EXPECT_TRUE(r.canCastleLong);

    UserCastlingRights black;
    updateUserCastlingRights(black, makeMoveRecord(7, 7, 6, 7), b, 3);
    EXPECT_TRUE(black.canCastleShort);
    EXPECT_FALSE(black.canCastleLong);

    // The king now stands on the destination: both rights go.
    b.at(6, 4) = {King, Enemy};
    UserCastlingRights king;
    updateUserCastlingRights(king, makeMoveRecord(7, 4, 6, 4), b, 4);
    EXPECT_FALSE(king.canCastleShort);
    EXPECT_FALSE(king.canCastleLong);
}

TEST(UpdateUserCastlingRights, AShortCastleKeepsTheLongRightButALongCastleClearsBoth) {
    Board afterShort = boardFromRows({"r....rk.", "........", "........", "........", "........", "........", "........", "....K..."});
    UserCastlingRights s;
    updateUserCastlingRights(s, makeMoveRecord(99, 101, 7, 6), afterShort, 4);
    EXPECT_TRUE(s.canCastleShort);
    EXPECT_TRUE(s.canCastleLong);

    Board afterLong = boardFromRows({"..kr...r", "........", "........", "........", "........", "........", "........", "....K..."});
    UserCastlingRights l;
    updateUserCastlingRights(l, makeMoveRecord(100, 101, 7, 2), afterLong, 4);
    EXPECT_FALSE(l.canCastleShort);
    EXPECT_FALSE(l.canCastleLong);
}

}  // namespace
}  // namespace orbel
