// The program's move notation and the Brain pane's text. Standard C++ only,
// so the writers can be tested and fuzzed without a window.
//
// Notation: "O-O" / "O-O-O"; otherwise the letter of the piece now on the
// destination (none for a pawn), "x" for a capture, the destination file and
// rank as the local user sees the board, and "+" for check. No origin square,
// no disambiguation.
#pragma once

#include <string>
#include <vector>

#include "rules/board.h"

namespace orbel {

// The text of a move already applied to `displayBoard`.
std::string moveText(const MoveRecord& move, const Board& displayBoard, bool humanPlaysBlack);

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
};

// Writes the move's text into line `index` of the list; the caller raises the count.
void writeMoveText(const MoveRecord& move, MoveHistory& list, int index, const Board& displayBoard,
                   bool humanPlaysBlack);

// Appends "fromRow,fromCol,toRow,toCol, " to `text`.
void formatMoveNumbers(const MoveRecord& move, std::string& text);

// "Brain:\n", the line's moves, "\n\nValue: " and the value.
std::string brainText(const MoveList& line, int value);

}  // namespace orbel
