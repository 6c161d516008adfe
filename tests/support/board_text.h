// Positions for tests, written as diagrams.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <utility>

#include "rules/board.h"

namespace orbel::testing {

using Diagram = std::array<const char*, 8>;

// Eight rows of eight characters, row 7 first (the top of the diagram) down to
// row 0, columns 0..7 left to right. Upper case letters (PNBRQK) are Own
// pieces, lower case Enemy pieces, '.' an empty square.
Board boardFromRows(const std::array<const char*, 8>& rows);

// A diagram in which only the rows given (by number, 0 the bottom) hold pieces:
// diagramOf({{7, "....k..."}, {0, "R...K..R"}}).
Diagram diagramOf(std::initializer_list<std::pair<int, const char*>> rows);

// A game (Own king's home on `kingColumn`) holding the position.
GameState gameFromRows(const std::array<const char*, 8>& rows, int kingColumn = 4);

// The reverse, for failure messages.
std::string boardToRows(const Board& board);

}  // namespace orbel::testing
