#include <gtest/gtest.h>

#include "game/move_text.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

using namespace testing;

// The text of a move on the drawn board after it. A user playing White sees
// file h-c at column c and rank 8-r at row r; one playing Black file a+c and
// rank r+1. Lower case letters are the user's (Enemy) pieces.
TEST(MoveText, NamesThePieceOnTheDestinationAndItsSquareForEitherColour) {
    const struct {
        MoveRecord move;
        bool capture, check;
        Diagram board;
        bool humanPlaysBlack;
        const char* text;
    } rows[] = {
        {makeMoveRecord(CastleShort, CastleByEnemy, 7, 1), false, true, diagramOf({}), false, "O-O+"},
        {makeMoveRecord(CastleLong, CastleByEnemy, 7, 5), false, false, diagramOf({}), false, "O-O-O"},
        {makeMoveRecord(CastleShort, CastleShort, 99, 99), false, false, diagramOf({}), true, "O-O"},
        {makeMoveRecord(6, 3, 4, 3), false, false, diagramOf({{4, "...p...."}}), false, "e4"},
        {makeMoveRecord(4, 3, 3, 4), true, false, diagramOf({{3, "....p..."}}), false, "xd5"},
        {makeMoveRecord(3, 4, 4, 3), true, false, diagramOf({{4, "...p...."}}), true, "xd5"},
        // A promoted pawn shows the queen it became.
        {makeMoveRecord(1, 4, 0, 3), true, true, diagramOf({{0, "...q...."}}), false, "Qxe8+"},
        {makeMoveRecord(0, 1, 2, 2), false, false, diagramOf({{2, "..N....."}}), true, "Nc3"},
        {makeMoveRecord(4, 4, 5, 5), true, true, diagramOf({{5, ".....b.."}}), true, "Bxf6+"},
        {makeMoveRecord(7, 5, 7, 7), false, false, diagramOf({{7, ".......R"}}), false, "Ra1"},
        {makeMoveRecord(1, 0, 0, 0), false, false, diagramOf({{0, "k......."}}), false, "Kh8"},
    };
    for (const auto& row : rows) {
        MoveRecord m = row.move;
        m.isCapture = row.capture;
        m.givesCheck = row.check;
        EXPECT_EQ(moveText(m, boardFromRows(row.board), row.humanPlaysBlack), row.text);
    }
}

}  // namespace
}  // namespace orbel
