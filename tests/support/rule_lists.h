// The lists the rules fill, as the rule tests read them: the set-up every scan
// and generation test opens with, move coordinates and a square's entry.
#pragma once

#include <algorithm>
#include <array>
#include <vector>

#include "rules/attack_scan.h"
#include "rules/candidates.h"

namespace orbel::testing {

using Coordinates = std::array<int, 4>;
using Moves = std::vector<Coordinates>;
using Codes = std::vector<LineCode>;

inline Moves coordinates(const MoveList& moves) {
    Moves out;
    for (const MoveRecord& m : moves) out.push_back({m.fromRow, m.fromCol, m.toRow, m.toCol});
    return out;
}

struct Lists {
    MoveList moves;
    StatusList statuses;

    // The entry of (row, col), or nullptr.
    const PieceStatus* at(int row, int col) const {
        for (const PieceStatus& e : statuses)
            if (e.row == row && e.column == col) return &e;
        return nullptr;
    }
    bool listsMove(const Coordinates& m) const {
        const Moves all = coordinates(moves);
        return std::find(all.begin(), all.end(), m) != all.end();
    }
};

// The attack scan of every Own piece.
inline Lists scanned(const Board& board) {
    Lists lists;
    scanAllSquares(lists.moves, lists.statuses, board);
    return lists;
}

// The candidate moves and the statuses behind them.
inline Lists generated(const GameState& game) {
    Lists lists;
    candidateMoves(game, game.board, lists.moves, lists.statuses);
    return lists;
}

}  // namespace orbel::testing
