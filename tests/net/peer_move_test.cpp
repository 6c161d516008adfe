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

constexpr Diagram castlingBoard = {"....k...", "........", "........", "........",
                                   "........", "........", "........", "R...K..R"};

struct Position {
    std::optional<Diagram> rows;  // none: the starting position
    int kingColumn = 4;
    bool canCastleShort = true;
    bool canCastleLong = true;

    GameState game() const {
        GameState g = rows ? testing::gameFromRows(*rows, kingColumn) : GameState(kingColumn);
        g.canCastleShort = canCastleShort;
        g.canCastleLong = canCastleLong;
        return g;
    }
};

TEST(IsLegalPeerMove, JudgesTheMoveFromTheOpponentsSide) {
    const Position start{};
    const Position pinned{Diagram{"k...r...", "........", "........", "........", "........", "........", "....B...", "....K..."}};
    const Position checked{Diagram{"k.......", "........", "....r...", "........", "R.......", "........", "........", "....K..."}};
    const Position promoting{Diagram{".n..k...", "P.......", "........", "........", "........", "........", "........", "....K..."}};
    const Position castles{castlingBoard};
    const Position noShortRight{castlingBoard, 4, false, true};
    const Position noLongRight{castlingBoard, 4, true, false};
    const Position shortBlocked{Diagram{"....k...", "........", "........", "........", "........", "........", "........", "R...KB.R"}};
    const Position castlesInCheck{Diagram{"....k...", "........", "....r...", "........", "........", "........", "........", "R...K..R"}};
    const Position crossingAttacked{Diagram{"....k...", "........", ".....r..", "........", "........", "........", "........", "R...K..R"}};
    const Position kingOnThree{Diagram{"...k....", "........", "........", "........", "........", "........", "........", "R..K...R"}, 3};
    const Position longRookGone{Diagram{"....k...", "........", "........", "........", "........", "........", "........", "....K..R"}};

    const struct {
        const char* name;
        const Position& setup;
        MoveRecord move;
        bool legal;
    } rows[] = {
        {"pawn two squares", start, makeMoveRecord(1, 4, 3, 4), true},
        {"pawn one square", start, makeMoveRecord(1, 4, 2, 4), true},
        {"pawn three squares", start, makeMoveRecord(1, 4, 4, 4), false},
        {"knight jump", start, makeMoveRecord(0, 6, 2, 5), true},
        {"onto its own pawn", start, makeMoveRecord(0, 6, 1, 4), false},
        {"bishop through a pawn", start, makeMoveRecord(0, 5, 2, 3), false},
        {"from an empty square", start, makeMoveRecord(3, 4, 4, 4), false},
        {"the local player's piece", start, makeMoveRecord(6, 4, 4, 4), false},
        {"a piece onto its own square", start, makeMoveRecord(1, 4, 1, 4), false},
        {"from row -1", start, makeMoveRecord(-1, 4, 3, 4), false},
        {"to column 8", start, makeMoveRecord(1, 7, 2, 8), false},
        {"int32 extremes", start, makeMoveRecord(2147483647, 0, -2147483647 - 1, 0), false},
        {"no move", start, noMoveRecord(), false},
        {"pinned piece leaves the file", pinned, makeMoveRecord(1, 4, 2, 5), false},
        {"king beside the pin", pinned, makeMoveRecord(0, 4, 0, 3), true},
        {"block the check", checked, makeMoveRecord(3, 0, 3, 4), true},
        {"ignore the check", checked, makeMoveRecord(3, 0, 3, 1), false},
        {"king stays on the checked file", checked, makeMoveRecord(0, 4, 1, 4), false},
        {"king steps aside", checked, makeMoveRecord(0, 4, 0, 3), true},
        {"pawn onto the last row", promoting, makeMoveRecord(6, 0, 7, 0), true},
        {"pawn captures onto the last row", promoting, makeMoveRecord(6, 0, 7, 1), true},
        {"short castle", castles, makeMoveRecord(99, 99, 7, 1), true},
        {"long castle", castles, makeMoveRecord(100, 100, 7, 5), true},
        {"castle's last numbers ignored", castles, makeMoveRecord(99, 99, -5, 1000), true},
        {"short without the right", noShortRight, makeMoveRecord(99, 99, 7, 1), false},
        {"long with its right", noShortRight, makeMoveRecord(100, 100, 7, 5), true},
        {"long without the right", noLongRight, makeMoveRecord(100, 100, 7, 5), false},
        {"short blocked", shortBlocked, makeMoveRecord(99, 99, 7, 1), false},
        {"long beside a blocked short", shortBlocked, makeMoveRecord(100, 100, 7, 5), true},
        {"short in check", castlesInCheck, makeMoveRecord(99, 99, 7, 1), false},
        {"long in check", castlesInCheck, makeMoveRecord(100, 100, 7, 5), false},
        {"crossing an attacked square", crossingAttacked, makeMoveRecord(99, 99, 7, 1), true},
        {"the local side's castle code", castles, makeMoveRecord(99, 101, 7, 1), false},
        {"mixed codes 99 100", castles, makeMoveRecord(99, 100, 7, 1), false},
        {"mixed codes 100 99", castles, makeMoveRecord(100, 99, 7, 1), false},
        {"code 101", castles, makeMoveRecord(101, 101, 7, 1), false},
        {"short with the king on column 3", kingOnThree, makeMoveRecord(99, 99, 7, 6), true},
        {"long with the king on column 3", kingOnThree, makeMoveRecord(100, 100, 7, 2), true},
        {"long without its rook", longRookGone, makeMoveRecord(100, 100, 7, 5), false},
        {"short with its rook", longRookGone, makeMoveRecord(99, 99, 7, 1), true},
    };
    for (const auto& row : rows) {
        const GameState game = row.setup.game();
        EXPECT_EQ(isLegalPeerMove(game, row.move), row.legal) << row.name;
        EXPECT_EQ(game.board, row.setup.game().board) << row.name << ": the game must not change";
    }
}

TEST(TakePeerMove, PlaysTheMoveAndKeepsTheOpponentsRights) {
    const struct {
        const char* name;
        Position setup;
        MoveRecord move;
        bool taken;
        Diagram after;
        bool isCapture;
        bool canCastleShort;
        bool canCastleLong;
    } rows[] = {
        {"quiet move", Position{castlingBoard}, makeMoveRecord(0, 0, 3, 0), true,
         {"....k...", "........", "........", "........", "R.......", "........", "........", "....K..R"}, false, true, false},
        {"capture", Position{Diagram{"....k...", "........", "........", "...p....", "........", "....N...", "........", "....K..."}},
         makeMoveRecord(2, 4, 4, 3), true,
         {"....k...", "........", "........", "...N....", "........", "........", "........", "....K..."}, true, true, true},
        {"short castle", Position{castlingBoard}, makeMoveRecord(99, 99, 7, 1), true,
         {"....k...", "........", "........", "........", "........", "........", "........", "R....RK."}, false, true, true},
        {"long castle", Position{castlingBoard}, makeMoveRecord(100, 100, 7, 5), true,
         {"....k...", "........", "........", "........", "........", "........", "........", "..KR...R"}, false, true, true},
        {"king step gives up both", Position{castlingBoard}, makeMoveRecord(0, 4, 1, 4), true,
         {"....k...", "........", "........", "........", "........", "........", "....K...", "R......R"}, false, false, false},
        {"short rook with the king on column 3",
         Position{Diagram{"...k....", "........", "........", "........", "........", "........", "........", "R..K...R"}, 3},
         makeMoveRecord(0, 0, 1, 0), true,
         {"...k....", "........", "........", "........", "........", "........", "R.......", "...K...R"}, false, false, true},
        {"promotion with capture", Position{Diagram{".n..k...", "P.......", "........", "........", "........", "........", "........", "....K..."}},
         makeMoveRecord(6, 0, 7, 1), true,
         {".Q..k...", "........", "........", "........", "........", "........", "........", "....K..."}, true, true, true},
        {"refused: nothing changes", Position{castlingBoard}, makeMoveRecord(0, 4, 2, 4), false,
         castlingBoard, false, true, true},
    };
    for (const auto& row : rows) {
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
