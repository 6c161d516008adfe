#include <gtest/gtest.h>

#include "rules/apply_move.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

using namespace testing;

// Castles of both sides and both king columns, promotions, and a castle with
// no king at home. The to-fields of a castling record are never read: 7 and
// 0 below would be wrong destinations if they were.
TEST(ApplyMove, MovesThePiecesEachRecordNames) {
    const Diagram king4 = diagramOf({{7, "r...k..r"}, {0, "R...K..R"}});
    const Diagram king3 = diagramOf({{7, "r..k...r"}, {0, "R..K...R"}});
    const Diagram kingAway = diagramOf({{7, "r...k..r"}, {1, "....K..."}, {0, "R......R"}});
    const struct {
        const char* name;
        MoveRecord move;
        Diagram before, after;
    } rows[] = {
        {"own short, king on 4", makeMoveRecord(CastleShort, CastleShort, 99, 99), king4,
         diagramOf({{7, "r...k..r"}, {0, "R....RK."}})},
        {"own short, king on 3", makeMoveRecord(CastleShort, CastleShort, 7, 0), king3,
         diagramOf({{7, "r..k...r"}, {0, ".KR....R"}})},
        {"own long, king on 4", makeMoveRecord(CastleLong, CastleLong, 99, 99), king4,
         diagramOf({{7, "r...k..r"}, {0, "..KR...R"}})},
        {"own long, king on 3", makeMoveRecord(CastleLong, CastleLong, 99, 99), king3,
         diagramOf({{7, "r..k...r"}, {0, "R...RK.."}})},
        {"enemy short, king on 4", makeMoveRecord(CastleShort, CastleByEnemy, 7, 6), king4,
         diagramOf({{7, "r....rk."}, {0, "R...K..R"}})},
        {"enemy short, king on 3", makeMoveRecord(CastleShort, CastleByEnemy, 7, 1), king3,
         diagramOf({{7, ".kr....r"}, {0, "R..K...R"}})},
        {"enemy long, king on 4", makeMoveRecord(CastleLong, CastleByEnemy, 7, 2), king4,
         diagramOf({{7, "..kr...r"}, {0, "R...K..R"}})},
        {"enemy long, king on 3", makeMoveRecord(CastleLong, CastleByEnemy, 7, 5), king3,
         diagramOf({{7, "r...rk.."}, {0, "R..K...R"}})},
        {"no king at home changes nothing", makeMoveRecord(CastleShort, CastleShort, 99, 99), kingAway, kingAway},
        {"an own pawn on row 7 becomes a queen, capturing too", makeMoveRecord(6, 2, 7, 3),
         diagramOf({{7, "...r...."}, {6, "..P....."}}), diagramOf({{7, "...Q...."}})},
        {"an own knight is no pawn", makeMoveRecord(6, 2, 7, 3), diagramOf({{7, "...r...."}, {6, "..N....."}}),
         diagramOf({{7, "...N...."}})},
        {"an enemy pawn on row 0 becomes an enemy queen", makeMoveRecord(1, 4, 0, 4), diagramOf({{1, "....p..."}}),
         diagramOf({{0, "....q..."}})},
        {"an enemy pawn on row 7 is not promoted", makeMoveRecord(6, 4, 7, 4), diagramOf({{6, "....p..."}}),
         diagramOf({{7, "....p..."}})},
    };
    for (const auto& row : rows) {
        Board b = boardFromRows(row.before);
        applyMove(row.move, b);
        EXPECT_EQ(boardToRows(b), boardToRows(boardFromRows(row.after))) << row.name;
    }
}

// The user's king (Enemy) dragged from its home square on row 7; the board
// is the one it was lifted from.
TEST(RecogniseUserCastle, JudgesTheKingDrag) {
    using V = CastleVerdict;
    const Diagram rooks4 = diagramOf({{7, "r......r"}, {0, "....K..."}});
    const Diagram rooks3 = diagramOf({{7, "r......r"}, {0, "...K...."}});
    const MoveRecord none = noMoveRecord();
    const struct {
        const char* name;
        Square piece;
        int fromRow, homeColumn, dropRow, dropCol;
        bool rightShort, rightLong, inCheck;
        Diagram diagram;
        V verdict;
        MoveRecord castle;
    } rows[] = {
        {"short, king on 4", {King, Enemy}, 7, 4, 7, 6, true, true, false, rooks4, V::Accepted,
         makeMoveRecord(CastleShort, CastleByEnemy, 7, 6)},
        {"long, king on 4", {King, Enemy}, 7, 4, 7, 2, true, true, false, rooks4, V::Accepted,
         makeMoveRecord(CastleLong, CastleByEnemy, 7, 2)},
        {"short, king on 3", {King, Enemy}, 7, 3, 7, 1, true, true, false, rooks3, V::Accepted,
         makeMoveRecord(CastleShort, CastleByEnemy, 7, 1)},
        {"long, king on 3", {King, Enemy}, 7, 3, 7, 5, true, true, false, rooks3, V::Accepted,
         makeMoveRecord(CastleLong, CastleByEnemy, 7, 5)},
        {"a bishop in the way", {King, Enemy}, 7, 4, 7, 6, true, true, false,
         diagramOf({{7, "r....b.r"}, {0, "....K..."}}), V::Rejected, none},
        {"a knight on b1", {King, Enemy}, 7, 4, 7, 2, true, true, false, diagramOf({{7, "rn.....r"}, {0, "....K..."}}),
         V::Rejected, none},
        {"in check", {King, Enemy}, 7, 4, 7, 6, true, true, true, rooks4, V::Rejected, none},
        {"without the right", {King, Enemy}, 7, 4, 7, 6, false, true, false, rooks4, V::Rejected, none},
        {"no rook in the corner", {King, Enemy}, 7, 3, 7, 5, true, true, false,
         diagramOf({{7, "r......."}, {0, "...K...."}}), V::Rejected, none},
        {"the computer's rook in the corner", {King, Enemy}, 7, 3, 7, 5, true, true, false,
         diagramOf({{7, "r......R"}, {0, "...K...."}}), V::Rejected, none},
        {"one column is no attempt", {King, Enemy}, 7, 4, 7, 5, true, true, false, rooks4, V::NotAnAttempt, none},
        {"king columns do not mix", {King, Enemy}, 7, 3, 7, 6, true, true, false, rooks3, V::NotAnAttempt, none},
        {"a rook is no king", {Rook, Enemy}, 7, 4, 7, 6, true, true, false, rooks4, V::NotAnAttempt, none},
        {"a king from off its home row", {King, Enemy}, 6, 4, 7, 6, true, true, false, rooks4, V::NotAnAttempt, none},
        {"a king dropped off its home row", {King, Enemy}, 7, 4, 6, 6, true, true, false, rooks4, V::NotAnAttempt, none},
    };
    for (const auto& row : rows) {
        const CastleRecognition r =
            recogniseUserCastle(row.piece, row.fromRow, row.homeColumn, row.dropRow, row.dropCol,
                                {row.rightShort, row.rightLong}, row.inCheck, boardFromRows(row.diagram), row.homeColumn);
        EXPECT_EQ(r.verdict, row.verdict) << row.name;
        EXPECT_TRUE(sameMove(r.castle, row.castle)) << row.name;
    }
}

TEST(UpdateUserCastlingRights, RookCornersKingMovesAndCastles) {
    const Diagram atHome = diagramOf({{7, "r...k..r"}, {0, "....K..."}});
    const struct {
        const char* name;
        MoveRecord move;
        Diagram after;  // the board after the move, which is where the king is looked for
        int homeColumn;
        bool canCastleShort, canCastleLong;
    } rows[] = {
        {"the rook from (7,7), king on 4", makeMoveRecord(7, 7, 6, 7), atHome, 4, false, true},
        {"the rook from (7,7), king on 3", makeMoveRecord(7, 7, 6, 7), atHome, 3, true, false},
        {"the king", makeMoveRecord(7, 4, 6, 4), diagramOf({{7, "r......r"}, {6, "....k..."}, {0, "....K..."}}), 4,
         false, false},
        {"a short castle keeps the long right", makeMoveRecord(CastleShort, CastleByEnemy, 7, 6),
         diagramOf({{7, "r....rk."}, {0, "....K..."}}), 4, true, true},
        {"a long castle clears both", makeMoveRecord(CastleLong, CastleByEnemy, 7, 2),
         diagramOf({{7, "..kr...r"}, {0, "....K..."}}), 4, false, false},
    };
    for (const auto& row : rows) {
        UserCastlingRights rights;
        updateUserCastlingRights(rights, row.move, boardFromRows(row.after), row.homeColumn);
        EXPECT_EQ(rights.canCastleShort, row.canCastleShort) << row.name;
        EXPECT_EQ(rights.canCastleLong, row.canCastleLong) << row.name;
    }
}

}  // namespace
}  // namespace orbel
