#include "game/move_text.h"

namespace orbel {
namespace {

// The short texts every move text is built from.
const char* const pieceLetters[] = {"", "p", "N", "B", "R", "Q", "K"};

}  // namespace

std::string moveText(const MoveRecord& move, const Board& displayBoard, bool humanPlaysBlack) {
    std::string text;
    if (move.fromRow == CastleShort || move.fromRow == CastleLong) {
        text = move.fromRow == CastleShort ? "O-O" : "O-O-O";
    } else {
        if (onBoard(move.toRow, move.toCol)) {
            const PieceKind kind = displayBoard.at(move.toRow, move.toCol).kind;
            // A pawn has no letter (the "p" is dropped); a promoted pawn shows
            // the queen it became.
            if (kind > Pawn && kind <= King) text += pieceLetters[kind];
        }
        if (move.isCapture) text += 'x';
        if (humanPlaysBlack) {
            text += static_cast<char>('a' + move.toCol);
            text += std::to_string(move.toRow + 1);
        } else {
            text += static_cast<char>('h' - move.toCol);
            text += std::to_string(8 - move.toRow);
        }
    }
    if (move.givesCheck) text += '+';
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

void writeMoveText(const MoveRecord& move, MoveHistory& list, int index, const Board& displayBoard,
                   bool humanPlaysBlack) {
    list.setLine(index, moveText(move, displayBoard, humanPlaysBlack));
}

void formatMoveNumbers(const MoveRecord& move, std::string& text) {
    text += std::to_string(move.fromRow);
    text += ',';
    text += std::to_string(move.fromCol);
    text += ',';
    text += std::to_string(move.toRow);
    text += ',';
    text += std::to_string(move.toCol);
    text += ", ";
}

std::string brainText(const MoveList& line, int value) {
    std::string text = "Brain:\n";
    for (const MoveRecord& m : line) formatMoveNumbers(m, text);
    text += "\n\nValue: ";
    text += std::to_string(value);
    return text;
}

}  // namespace orbel
