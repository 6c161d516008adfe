// Hit-testing agrees with drawing: every pixel of the drawing area maps to
// the square drawn under it, or to none.
#include <gtest/gtest.h>

#include "game/board_geometry.h"

namespace orbel {
namespace {

TEST(BoardGeometry, EveryPixelMapsToTheSquareDrawnUnderIt) {
    const BoardGeometry geometry;
    int squaresHit[8][8] = {};
    for (int y = -2; y < 500; ++y) {
        for (int x = -2; x < 500; ++x) {
            int row = -1, col = -1;
            const bool on = geometry.squareAt(x, y, row, col);
            int drawnRow = -1, drawnCol = -1;
            for (int r = 0; r < 8; ++r) {
                for (int c = 0; c < 8; ++c) {
                    const PixelRect s = geometry.squareRect(r, c);
                    if (x >= s.left && x < s.right() && y >= s.top && y < s.bottom()) drawnRow = r, drawnCol = c;
                }
            }
            ASSERT_EQ(on, drawnRow >= 0) << x << "," << y;
            if (!on) continue;
            ASSERT_EQ(row, drawnRow) << x << "," << y;
            ASSERT_EQ(col, drawnCol) << x << "," << y;
            ++squaresHit[row][col];
        }
    }
    for (auto& r : squaresHit)
        for (int n : r) EXPECT_EQ(n, SquareSize * SquareSize);
    // Column 0 is at the right edge, row 0 at the top.
    EXPECT_EQ(geometry.squareRect(0, 7).left, BoardLeft);
    EXPECT_EQ(geometry.squareRect(0, 7).top, BoardTop);
    EXPECT_EQ(geometry.squareRect(7, 0).right(), BoardLeft + 8 * SquareSize);
}

}  // namespace
}  // namespace orbel
