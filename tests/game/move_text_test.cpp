#include <gtest/gtest.h>

#include "game/notation/move_text.h"
#include "savegame/fen.h"

namespace orbel {
namespace {

int sq(const char* name) { return squareAt(name[0] - 'a', name[1] - '1'); }

// The history panes' notation: the piece now on the destination, "x" for a
// capture, the destination and "+" for check; castles by name.
TEST(MoveText, NamesThePieceOnTheDestinationAndItsSquare) {
    const struct {
        const char* fen;
        const char* from;
        const char* to;
        Castle castle;
        bool check;
        const char* text;
    } rows[] = {
        {"5k2/8/8/8/8/8/8/4K2R w K - 0 1", "e1", "g1", Castle::Short, true, "O-O+"},
        {"4k3/8/8/8/8/8/8/R3K3 w Q - 0 1", "e1", "c1", Castle::Long, false, "O-O-O"},
        {"4k2r/8/8/8/8/8/8/4K3 b k - 0 1", "e8", "g8", Castle::Short, false, "O-O"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "e2", "e4", Castle::None, false, "e4"},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "b1", "c3", Castle::None, false, "Nc3"},
        {"4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", "e4", "d5", Castle::None, false, "xd5"},
        // A promoted pawn shows the queen it became.
        {"4r2k/3P4/8/8/8/8/8/4K3 w - - 0 1", "d7", "e8", Castle::None, true, "Qxe8+"},
        {"4k3/8/5n2/8/3B4/8/8/4K3 w - - 0 1", "d4", "f6", Castle::None, true, "Bxf6+"},
        {"6k1/8/8/8/8/8/8/R3K3 b - - 0 1", "g8", "h8", Castle::None, false, "Kh8"},
    };
    for (const auto& row : rows) {
        StandardPosition before;
        ASSERT_EQ(readFen(row.fen, before), "") << row.fen;
        const StandardMove move{static_cast<std::int8_t>(sq(row.from)), static_cast<std::int8_t>(sq(row.to)), row.castle};
        EXPECT_EQ(moveText(before, move, row.check), row.text) << row.fen;
    }
}

}  // namespace
}  // namespace orbel
