#include "game/notation/move_text.h"

#include "rules/standard_moves.h"

namespace orbel {
namespace {

const char* const pieceLetters[] = {"", "", "N", "B", "R", "Q", "K"};

}  // namespace

std::string moveText(const StandardPosition& before, const StandardMove& move, bool check) {
    std::string text;
    if (move.castle != Castle::None) {
        text = move.castle == Castle::Short ? "O-O" : "O-O-O";
    } else if (isSquare(move.from) && isSquare(move.to)) {
        // A pawn has no letter; a promoted pawn shows the piece it became.
        PieceKind kind = before.at(move.from).kind;
        if (kind == Pawn && (rankOf(move.to) == 0 || rankOf(move.to) == 7))
            kind = move.promotion >= Knight && move.promotion <= Queen ? move.promotion : Queen;
        if (kind > Pawn && kind <= King) text += pieceLetters[kind];
        if (isCapture(before, move)) text += 'x';
        text += squareName(move.to);
    }
    if (check) text += '+';
    return text;
}

void MoveHistory::clear() {
    for (std::string& l : lines) l.clear();
    count = 0;
}

void MoveHistory::setLine(int index, std::string text) {
    if (index < 0) return;
    if (static_cast<std::size_t>(index) >= lines.size()) lines.resize(static_cast<std::size_t>(index) + 1);
    lines[static_cast<std::size_t>(index)] = std::move(text);
}

void MoveHistory::append(std::string text) {
    setLine(count, std::move(text));
    ++count;
}

void MoveHistory::dropLast() {
    if (count > 0) --count;
}

}  // namespace orbel
