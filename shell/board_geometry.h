// Where the board's squares lie in the drawing area. Painting, hit-testing,
// the repaint areas and the tests all ask here, so what the user sees and
// where a click lands can never drift apart. Places on the drawn board are
// (row, column) as the user sees them: row 0 at the top, column 0 at the
// left; the side at the bottom says which square of the game lies there.
#pragma once

#include "rules/position.h"

namespace orbel {

// The top-left corner of the squares; a one-pixel frame surrounds them.
inline constexpr int BoardLeft = 8;
inline constexpr int BoardTop = 8;
inline constexpr int SquareSize = 59;

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }    // exclusive
    int bottom() const { return top + height; }  // exclusive
    PixelRect grownBy(int dx, int dy) const { return {left - dx, top - dy, width + 2 * dx, height + 2 * dy}; }
};

// A place on the drawn board.
struct Place {
    int row = -1;
    int col = -1;
    constexpr bool onBoard() const { return row >= 0 && row < 8 && col >= 0 && col < 8; }
    friend bool operator==(const Place&, const Place&) = default;
};

// The square of the game at a place, and the place of a square, with
// `bottom`'s side at the bottom: White at the bottom sees a1 at the bottom
// left, Black at the bottom sees h8 there.
constexpr int squareOf(Place p, Side bottom) noexcept {
    if (!p.onBoard()) return -1;
    return bottom == Side::White ? squareAt(p.col, 7 - p.row) : squareAt(7 - p.col, p.row);
}
constexpr Place placeOf(int square, Side bottom) noexcept {
    if (!isSquare(square)) return {};
    return bottom == Side::White ? Place{7 - rankOf(square), fileOf(square)} : Place{rankOf(square), 7 - fileOf(square)};
}

struct BoardGeometry {
    int squareWidth = SquareSize;
    int squareHeight = SquareSize;

    PixelRect squareRect(Place p) const {
        return {BoardLeft + p.col * squareWidth, BoardTop + p.row * squareHeight, squareWidth, squareHeight};
    }
    // The place under a point of the drawing area; one off the board when
    // the point lies outside the squares.
    Place placeAt(int x, int y) const {
        if (x < BoardLeft || y < BoardTop) return {};
        const Place p{(y - BoardTop) / squareHeight, (x - BoardLeft) / squareWidth};
        return p.onBoard() ? p : Place{};
    }
    // The area a piece image may cover on or around a square, the carried
    // piece's image included: what to repaint when a piece leaves or lands.
    PixelRect repaintRect(Place p) const { return squareRect(p).grownBy(squareWidth / 2, squareHeight / 2); }
};

}  // namespace orbel
