// Where the board's squares lie in the drawing area. Painting, hit-testing,
// the repaint areas of the mode procedures and the tests all ask here, so
// what the user sees and where a click lands can never drift apart.
#pragma once

#include "rules/board.h"

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

struct BoardGeometry {
    int squareWidth = SquareSize;
    int squareHeight = SquareSize;

    // The square at game coordinates (row, col): row 0 at the top, column 0
    // at the right edge.
    PixelRect squareRect(int row, int col) const {
        return {BoardLeft + (7 - col) * squareWidth, BoardTop + row * squareHeight, squareWidth, squareHeight};
    }
    // The game square under a point of the drawing area; false off the board.
    bool squareAt(int x, int y, int& row, int& col) const {
        if (x < BoardLeft || y < BoardTop) return false;
        col = 7 - (x - BoardLeft) / squareWidth;
        row = (y - BoardTop) / squareHeight;
        return onBoard(row, col);
    }
    // The area a piece image may cover on or around a square, the carried
    // piece's image included: what to repaint when a piece leaves or lands.
    PixelRect repaintRect(int row, int col) const { return squareRect(row, col).grownBy(squareWidth / 2, squareHeight / 2); }
};

}  // namespace orbel
