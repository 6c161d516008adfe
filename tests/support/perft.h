// Perft: the leaves of the tree of legal moves to a depth, the count every
// chess program publishes for well-known positions. The tests hold the rules
// to those counts; the benchmark times the same walk.
#pragma once

#include <cstdint>
#include <vector>

#include "rules/standard_moves.h"

namespace orbel::testing {

inline std::uint64_t perft(const StandardPosition& p, int depth) {
    std::vector<StandardMove> moves;
    legalMoves(p, moves);
    if (depth <= 1) return moves.size();
    std::uint64_t leaves = 0;
    for (const StandardMove& m : moves) leaves += perft(afterMove(p, m), depth - 1);
    return leaves;
}

}  // namespace orbel::testing
