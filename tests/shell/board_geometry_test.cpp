// Hit-testing agrees with drawing: every pixel of the drawing area maps to
// the place drawn under it, or to none; and each square has the place the
// side at the bottom sees it at.
#include <gtest/gtest.h>

#include "shell/board_geometry.h"

namespace orbel {
namespace {

TEST(BoardGeometry, EveryPixelMapsToThePlaceDrawnUnderIt) {
    const BoardGeometry geometry;
    int placesHit[8][8] = {};
    for (int y = -2; y < 500; ++y) {
        for (int x = -2; x < 500; ++x) {
            const Place at = geometry.placeAt(x, y);
            Place drawn;
            for (int r = 0; r < 8; ++r) {
                for (int c = 0; c < 8; ++c) {
                    const PixelRect s = geometry.squareRect({r, c});
                    if (x >= s.left && x < s.right() && y >= s.top && y < s.bottom()) drawn = {r, c};
                }
            }
            ASSERT_EQ(at, drawn) << x << "," << y;
            if (at.onBoard()) ++placesHit[at.row][at.col];
        }
    }
    for (auto& r : placesHit)
        for (int n : r) EXPECT_EQ(n, SquareSize * SquareSize);
    EXPECT_EQ(geometry.squareRect({0, 0}).left, BoardLeft);
    EXPECT_EQ(geometry.squareRect({0, 0}).top, BoardTop);
    EXPECT_EQ(geometry.squareRect({7, 7}).right(), BoardLeft + 8 * SquareSize);
}

TEST(BoardGeometry, TheSideAtTheBottomSeesItsFirstRankThere) {
    const struct {
        Side bottom;
        Place place;
        const char* square;
    } rows[] = {{Side::White, {7, 0}, "a1"}, {Side::White, {0, 7}, "h8"}, {Side::White, {6, 4}, "e2"},
                {Side::Black, {7, 0}, "h8"}, {Side::Black, {0, 7}, "a1"}, {Side::Black, {6, 4}, "d7"}};
    for (const auto& row : rows) {
        const int square = squareAt(row.square[0] - 'a', row.square[1] - '1');
        EXPECT_EQ(squareOf(row.place, row.bottom), square) << row.square;
        EXPECT_EQ(placeOf(square, row.bottom), row.place) << row.square;
    }
    EXPECT_EQ(squareOf(Place{}, Side::White), -1);
}

}  // namespace
}  // namespace orbel
