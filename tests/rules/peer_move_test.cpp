// A network opponent's MOVE, as four numbers in the receiver's frame: read
// into a move (or refused as no move at all) and judged by the rules. (What
// it leaves on the board is the network scenarios'.)
#include <gtest/gtest.h>

#include "rules/held_frame.h"
#include "rules/standard_moves.h"
#include "game/notation/fen.h"

namespace orbel {
namespace {

// The opponent plays White in the first positions, Black in the last two,
// whose king stands on column 3 of the receiver's frame.
const char* const Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
const char* const Castling = "4k3/8/8/8/8/8/8/R3K2R w KQ - 0 1";
const char* const Promoting = "1n2k3/P7/8/8/8/8/8/4K3 w - - 0 1";
const char* const BlackCastling = "r3k2r/8/8/8/8/8/8/4K3 b kq - 0 1";

bool accepted(const char* position, const MoveRecord& record) {
    StandardPosition before;
    EXPECT_EQ(readFen(position, before), "") << position;
    const std::optional<StandardMove> move = moveFromPeer(record, before, before.toMove);
    return move && isLegalMove(before, *move);
}

TEST(PeerMove, IsJudgedFromTheOpponentsSide) {
    const struct {
        const char* name;
        const char* position;
        MoveRecord move;
        bool legal;
    } table[] = {
        {"the local player's pawn", Start, makeMoveRecord(6, 4, 4, 4), false},
        {"the local player's knight", Start, makeMoveRecord(7, 6, 5, 5), false},
        {"from row -1", Start, makeMoveRecord(-1, 4, 3, 4), false},
        {"to column 8", Start, makeMoveRecord(1, 7, 2, 8), false},
        {"int32 extremes", Start, makeMoveRecord(2147483647, 0, -2147483647 - 1, 0), false},
        {"no move", Start, noMoveRecord(), false},
        {"pawn captures onto the last row", Promoting, makeMoveRecord(6, 0, 7, 1), true},
        {"short castle", Castling, makeMoveRecord(CastleShort, CastleShort, 7, 1), true},
        {"long castle, last numbers ignored", Castling, makeMoveRecord(CastleLong, CastleLong, -5, 1000), true},
        {"short blocked", "4k3/8/8/8/8/8/8/R3KB1R w KQ - 0 1", makeMoveRecord(CastleShort, CastleShort, 7, 1), false},
        {"short in check", "4k3/8/4r3/8/8/8/8/R3K2R w KQ - 0 1", makeMoveRecord(CastleShort, CastleShort, 7, 1), false},
        {"crossing an attacked square", "4k3/8/5r2/8/8/8/8/R3K2R w KQ - 0 1",
         makeMoveRecord(CastleShort, CastleShort, 7, 1), true},
        {"short with the king on column 3", BlackCastling, makeMoveRecord(CastleShort, CastleShort, 7, 6), true},
        {"long with the king on column 3", BlackCastling, makeMoveRecord(CastleLong, CastleLong, 7, 2), true},
        {"the local side's castle code", Castling, makeMoveRecord(CastleShort, CastleByEnemy, 7, 1), false},
        {"mixed codes 99 100", Castling, makeMoveRecord(CastleShort, CastleLong, 7, 1), false},
        {"mixed codes 100 99", Castling, makeMoveRecord(CastleLong, CastleShort, 7, 1), false},
        {"code 101", Castling, makeMoveRecord(101, 101, 7, 1), false},
    };
    for (const auto& row : table) EXPECT_EQ(accepted(row.position, row.move), row.legal) << row.name;
}

}  // namespace
}  // namespace orbel
