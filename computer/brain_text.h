// The Brain pane's text: the line the computer expects, move by move as its
// own frame numbers them, and the line's value. Standard C++ only.
#pragma once

#include <string>

#include "rules/board.h"

namespace orbel {

// "Brain:\n", each move as "fromRow,fromCol,toRow,toCol, ", then
// "\n\nValue: " and the value.
std::string brainText(const MoveList& line, int value);

}  // namespace orbel
