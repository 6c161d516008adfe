#include "rules/position.h"

namespace orbel {
namespace {

constexpr PieceKind backRank[8] = {Rook, Knight, Bishop, Queen, King, Bishop, Knight, Rook};

struct SquareNames {
    char text[64][3] = {};
    constexpr SquareNames() {
        for (int s = 0; s < 64; ++s) {
            text[s][0] = static_cast<char>('a' + fileOf(s));
            text[s][1] = static_cast<char>('1' + rankOf(s));
        }
    }
};
constexpr SquareNames names;

}  // namespace

StandardPosition initialPosition() {
    StandardPosition p;
    for (int file = 0; file < 8; ++file) {
        p.put(squareAt(file, 0), {backRank[file], Side::White});
        p.put(squareAt(file, 1), {Pawn, Side::White});
        p.put(squareAt(file, 6), {Pawn, Side::Black});
        p.put(squareAt(file, 7), {backRank[file], Side::Black});
    }
    return p;
}

std::string_view squareName(int square) noexcept {
    if (!isSquare(square)) return {};
    return {names.text[square], 2};
}

}  // namespace orbel
