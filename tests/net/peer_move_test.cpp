// Diagrams are in the receiver's frame: upper case is the opponent (Own, home
// row 0, the bottom line), lower case the local player.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "net/peer_move.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

using Diagram = std::array<const char*, 8>;

// A diagram from its rows 7 and 0, and 6, 5 and 1 when given; the rest empty.
Diagram rows(const char* top, const char* bottom, const char* six = "........", const char* five = "........",
             const char* one = "........") {
    return {top, six, five, "........", "........", "........", one, bottom};
}

struct Position {
    std::optional<Diagram> diagram;  // none: the starting position
    int kingColumn = 4;
    bool canCastleShort = true;
    bool canCastleLong = true;

    GameState game() const {
        GameState g = diagram ? testing::gameFromRows(*diagram, kingColumn) : GameState(kingColumn);
        g.canCastleShort = canCastleShort;
        g.canCastleLong = canCastleLong;
        return g;
    }
};

const Diagram castling = rows("....k...", "R...K..R");
const Diagram promoting = rows(".n..k...", "....K...", "P.......");
const Diagram kingOnThree = rows("...k....", "R..K...R");

TEST(IsLegalPeerMove, JudgesTheMoveFromTheOpponentsSide) {
    // The plain moves and checks are the fuzz test's (peer_stream_fuzz_test.cpp):
    // here, what it is unlikely to send.
    const Position start{}, castles{castling}, shortBlocked{rows("....k...", "R...KB.R")};
    const Position inCheck{rows("....k...", "R...K..R", "........", "....r...")};
    const Position crossingAttacked{rows("....k...", "R...K..R", "........", ".....r..")};
    const struct {
        const char* name;
        const Position& setup;
        MoveRecord move;
        bool legal;
    } table[] = {
        {"the local player's pawn", start, makeMoveRecord(6, 4, 4, 4), false},
        {"the local player's knight", start, makeMoveRecord(7, 6, 5, 5), false},
        {"from row -1", start, makeMoveRecord(-1, 4, 3, 4), false},
        {"to column 8", start, makeMoveRecord(1, 7, 2, 8), false},
        {"int32 extremes", start, makeMoveRecord(2147483647, 0, -2147483647 - 1, 0), false},
        {"no move", start, noMoveRecord(), false},
        {"pawn captures onto the last row", Position{promoting}, makeMoveRecord(6, 0, 7, 1), true},
        {"short castle", castles, makeMoveRecord(CastleShort, CastleShort, 7, 1), true},
        {"long castle, last numbers ignored", castles, makeMoveRecord(CastleLong, CastleLong, -5, 1000), true},
        {"short blocked", shortBlocked, makeMoveRecord(CastleShort, CastleShort, 7, 1), false},
        {"short in check", inCheck, makeMoveRecord(CastleShort, CastleShort, 7, 1), false},
        {"crossing an attacked square", crossingAttacked, makeMoveRecord(CastleShort, CastleShort, 7, 1), true},
        {"short with the king on column 3", Position{kingOnThree, 3}, makeMoveRecord(CastleShort, CastleShort, 7, 6), true},
        {"long with the king on column 3", Position{kingOnThree, 3}, makeMoveRecord(CastleLong, CastleLong, 7, 2), true},
        {"the local side's castle code", castles, makeMoveRecord(CastleShort, CastleByEnemy, 7, 1), false},
        {"mixed codes 99 100", castles, makeMoveRecord(CastleShort, CastleLong, 7, 1), false},
        {"mixed codes 100 99", castles, makeMoveRecord(CastleLong, CastleShort, 7, 1), false},
        {"code 101", castles, makeMoveRecord(101, 101, 7, 1), false},
    };
    for (const auto& row : table) EXPECT_EQ(isLegalPeerMove(row.setup.game(), row.move), row.legal) << row.name;
}

TEST(TakePeerMove, PlaysTheMoveAndKeepsTheOpponentsRights) {
    const struct {
        const char* name;
        Position setup;
        MoveRecord move;
        bool taken;
        Diagram after;
        bool isCapture, canCastleShort, canCastleLong;
    } table[] = {
        {"rook move gives up its wing", {castling}, makeMoveRecord(0, 0, 3, 0), true,
         {"....k...", "........", "........", "........", "R.......", "........", "........", "....K..R"}, false, true, false},
        {"short castle", {castling}, makeMoveRecord(CastleShort, CastleShort, 7, 1), true, rows("....k...", "R....RK."),
         false, true, true},
        {"long castle", {castling}, makeMoveRecord(CastleLong, CastleLong, 7, 5), true, rows("....k...", "..KR...R"),
         false, true, true},
        {"king step gives up both", {castling}, makeMoveRecord(0, 4, 1, 4), true,
         rows("....k...", "R......R", "........", "........", "....K..."), false, false, false},
        {"short rook with the king on column 3", {kingOnThree, 3}, makeMoveRecord(0, 0, 1, 0), true,
         rows("...k....", "...K...R", "........", "........", "R......."), false, false, true},
        {"long rook with the king on column 3", {kingOnThree, 3}, makeMoveRecord(0, 7, 1, 7), true,
         rows("...k....", "R..K....", "........", "........", ".......R"), false, true, false},
        {"capture promotes", {promoting}, makeMoveRecord(6, 0, 7, 1), true, rows(".Q..k...", "....K..."), true, true, true},
        {"refused: nothing changes", {castling}, makeMoveRecord(0, 4, 2, 4), false, castling, false, true, true},
    };
    for (const auto& row : table) {
        GameState game = row.setup.game();
        MoveRecord move = row.move;
        EXPECT_EQ(takePeerMove(game, move), row.taken) << row.name;
        EXPECT_EQ(testing::boardToRows(game.board), testing::boardToRows(testing::boardFromRows(row.after))) << row.name;
        EXPECT_EQ(move.isCapture != 0, row.isCapture) << row.name;
        EXPECT_TRUE(sameMove(move, row.move)) << row.name;
        EXPECT_EQ(game.canCastleShort != 0, row.canCastleShort) << row.name;
        EXPECT_EQ(game.canCastleLong != 0, row.canCastleLong) << row.name;
    }
}

}  // namespace
}  // namespace orbel
