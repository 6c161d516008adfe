#include "tests/support/board_text.h"

#include <cctype>
#include <stdexcept>

namespace orbel::testing {
namespace {
PieceKind kindOf(char letter) {
    switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'P': return Pawn;
    case 'N': return Knight;
    case 'B': return Bishop;
    case 'R': return Rook;
    case 'Q': return Queen;
    case 'K': return King;
    default: throw std::invalid_argument(std::string("bad piece letter ") + letter);
    }
}
}  // namespace

Board boardFromRows(const std::array<const char*, 8>& rows) {
    Board b;
    for (int i = 0; i < 8; ++i) {
        const std::string row = rows[static_cast<std::size_t>(i)];
        if (row.size() != 8) throw std::invalid_argument("a diagram row needs 8 squares: " + row);
        for (int c = 0; c < 8; ++c) {
            const char ch = row[static_cast<std::size_t>(c)];
            if (ch == '.') continue;
            const Owner owner = std::isupper(static_cast<unsigned char>(ch)) ? Own : Enemy;
            b.at(7 - i, c) = {kindOf(ch), owner};
        }
    }
    return b;
}

Diagram diagramOf(std::initializer_list<std::pair<int, const char*>> rows) {
    Diagram diagram;
    diagram.fill("........");
    for (const auto& [row, text] : rows) diagram.at(static_cast<std::size_t>(7 - row)) = text;
    return diagram;
}

GameState gameFromRows(const std::array<const char*, 8>& rows, int kingColumn) {
    GameState g(kingColumn);
    g.board = boardFromRows(rows);
    return g;
}

std::string boardToRows(const Board& board) {
    static const char letters[] = ".PNBRQK";
    std::string out;
    for (int r = 7; r >= 0; --r) {
        for (int c = 0; c < 8; ++c) {
            const Square& s = board.at(r, c);
            char ch = '.';
            if (s.owner == Own || s.owner == Enemy) {
                ch = (s.kind >= Pawn && s.kind <= King) ? letters[s.kind] : '?';
                if (s.owner == Enemy) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            }
            out += ch;
        }
        out += '\n';
    }
    return out;
}

}  // namespace orbel::testing
