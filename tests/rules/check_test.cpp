#include <gtest/gtest.h>

#include "rules/check.h"
#include "tests/support/board_text.h"

namespace orbel {
namespace {

using namespace testing;

// The user's drag: the piece is lifted off the board before it is judged.
bool userMove(const Diagram& diagram, int fr, int fc, int tr, int tc) {
    GameState g = gameFromRows(diagram, 3);
    const Square piece = g.board.at(fr, fc);
    g.board.at(fr, fc) = EmptySquare;
    const bool legal = isLegalUserMove(makeMoveRecord(fr, fc, tr, tc), piece, g);
    EXPECT_EQ(g.board.at(fr, fc), EmptySquare) << "the game's board must not change";
    return legal;
}

// The user's pieces are Enemy, their king's home column is 3 (the computer's
// king column).
TEST(IsLegalUserMove, JudgesTheDragAsTheUserSeesIt) {
    // A user bishop, or rook, on (6,4) shields the user's king from the Own rook on (0,4).
    const Diagram pinnedBishop = diagramOf({{7, "....k..."}, {6, "....b..."}, {0, "....R..K"}});
    const Diagram pinnedRook = diagramOf({{7, "....k..."}, {6, "....r..."}, {0, "....R..K"}});
    // The user's knight stands between the user's rook and the Own king.
    const Diagram uncovering = diagramOf({{7, "....k..."}, {5, "r......."}, {3, "n......."}, {0, "K......."}});
    // The user is in check from the Own queen along row 7.
    const Diagram inCheck = diagramOf({{7, "....k..Q"}, {6, "pppp...."}, {0, "K......."}});
    const Diagram pawn = diagramOf({{7, "....k..."}, {6, "..p....."}, {4, "..N....."}, {0, "K......."}});
    const Diagram pawnCapture = diagramOf({{7, "....k..."}, {6, "..p....."}, {5, ".B......"}, {0, "K......."}});
    const Diagram kings = diagramOf({{7, "....k..."}, {5, "....K..."}});
    const Diagram corner = diagramOf({{7, "k......."}, {0, "K......r"}});
    const struct {
        const char* name;
        const Diagram& diagram;
        int fr, fc, tr, tc;
        bool legal;
    } rows[] = {
        {"a pinned bishop may not uncover its king", pinnedBishop, 6, 4, 5, 3, false},
        {"a pinned rook may move along the pin", pinnedRook, 6, 4, 3, 4, true},
        {"a pinned rook may not leave the pin", pinnedRook, 6, 4, 6, 0, false},
        {"a pinned rook may take the pinning rook", pinnedRook, 6, 4, 0, 4, true},
        {"uncovering check on the computer's king is allowed", uncovering, 3, 0, 5, 1, true},
        {"a pawn move that leaves the king in check", inCheck, 6, 0, 5, 0, false},
        {"the king steps out of check", inCheck, 7, 4, 6, 4, true},
        {"a pawn steps forward", pawn, 6, 2, 5, 2, true},
        {"a pawn's two steps onto an occupied square", pawn, 6, 2, 4, 2, false},
        {"a pawn's diagonal onto an empty square", pawn, 6, 2, 5, 3, false},
        {"a pawn backwards", pawn, 6, 2, 7, 2, false},
        {"a pawn's capture", pawnCapture, 6, 2, 5, 1, true},
        {"a king next to the other king", kings, 7, 4, 6, 4, false},
        {"a king diagonally next to the other king", kings, 7, 4, 6, 3, false},
        {"a king along its row", kings, 7, 4, 7, 3, true},
        {"off the board to the left", corner, 0, 7, 0, 8, false},
        {"off the board below", corner, 0, 7, -1, 7, false},
        {"off the board to the right", corner, 0, 7, 0, -1, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(userMove(row.diagram, row.fr, row.fc, row.tr, row.tc), row.legal) << row.name;
}

}  // namespace
}  // namespace orbel
