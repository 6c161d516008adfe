#include "computer/brain_text.h"

namespace orbel {

std::string brainText(const MoveList& line, int value) {
    std::string text = "Brain:\n";
    for (const MoveRecord& m : line) {
        for (const int n : {m.fromRow, m.fromCol, m.toRow, m.toCol}) {
            text += std::to_string(n);
            text += ',';
        }
        text += ' ';
    }
    text += "\n\nValue: ";
    text += std::to_string(value);
    return text;
}

}  // namespace orbel
