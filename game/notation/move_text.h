// The history panes' notation, the program's own. Standard C++ only, so the
// writer can be tested and fuzzed without a window.
//
// Notation: "O-O" / "O-O-O"; otherwise the letter of the piece now on the
// destination (none for a pawn), "x" for a capture, the destination square,
// and "+" for check. No origin square, no disambiguation.
#pragma once

#include <string>
#include <vector>

#include "rules/position.h"

namespace orbel {

// The text of `move`, played in `before`; `check` when it gives check.
std::string moveText(const StandardPosition& before, const StandardMove& move, bool check);

// One side's written moves. Line i is the side's move i + 1; `count` lines are
// in use. Lines past the count keep their old text until overwritten (Undo
// only lowers the count). The list starts with 120 empty lines and grows past
// them when a game goes on that long.
struct MoveHistory {
    static constexpr int StandardLines = 120;

    std::vector<std::string> lines = std::vector<std::string>(StandardLines);
    int count = 0;

    // Empties every line and sets the count to 0.
    void clear();
    // Stores `text` as line `index`, growing the list when needed.
    void setLine(int index, std::string text);
    // Stores `text` as the next line and counts it.
    void append(std::string text);
    // One line fewer in use, never below none.
    void dropLast();
};

}  // namespace orbel
