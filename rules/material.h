// What the pieces are worth as material: the one table behind the computer's
// material balance and the score line beside the board. (Exchanges weigh the
// pieces differently; that table belongs to the computer's exchange term.)
#pragma once

#include <array>

#include "rules/board.h"

namespace orbel {

// Indexed by PieceKind. The queen counts 8, not 9, and the king nothing: the
// scores the program has always shown depend on both.
inline constexpr std::array<int, King + 1> MaterialValues = {0, 1, 3, 3, 5, 8, 0};

// The material value of a kind; anything that is not a piece is worth 0.
constexpr int materialValue(PieceKind kind) noexcept {
    return kind >= Pawn && kind <= King ? MaterialValues[static_cast<std::size_t>(kind)] : 0;
}

struct MaterialSums {
    int own = 0;
    int enemy = 0;
};

// The material of each side over the whole board; squares of any other owner
// are skipped.
inline MaterialSums sumMaterial(const Board& board) noexcept {
    MaterialSums sums;
    for (const Square& s : board.squares) {
        if (s.owner == Own) {
            sums.own += materialValue(s.kind);
        } else if (s.owner == Enemy) {
            sums.enemy += materialValue(s.kind);
        }
    }
    return sums;
}

}  // namespace orbel
