// Move generation is the innermost operation of the computer's thinking: time
// generateCandidates + buildMoveList over a fixed set of positions.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/candidate_positions.h"
#include "rules/candidates.h"
#include "tests/support/board_text.h"

namespace {

using namespace orbel;

struct Prepared {
    GameState game;
    Board board;
};

std::vector<Prepared> prepare() {
    std::vector<Prepared> out;
    for (const auto& p : bench::candidatePositions) {
        GameState g(p.ownKingColumn);
        g.board = testing::boardFromRows(p.rows);
        out.push_back({g, g.board});
    }
    return out;
}

// All positions per iteration, with the lists reused as the search reuses them.
void BM_CandidatesWholeSuite(benchmark::State& state) {
    const std::vector<Prepared> positions = prepare();
    MoveList moves;
    StatusList statuses;
    std::size_t total = 0;
    for (auto _ : state) {
        for (const Prepared& p : positions) {
            Board work = p.board;
            moves.clear();
            statuses.clear();
            generateCandidates(p.game, moves, statuses, work);
            buildMoveList(p.game, moves, statuses, work);
            total += moves.size();
        }
    }
    benchmark::DoNotOptimize(total);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * positions.size()));
    state.counters["positions"] = static_cast<double>(positions.size());
}
BENCHMARK(BM_CandidatesWholeSuite)->Unit(benchmark::kMicrosecond);

void BM_CandidatesOnePosition(benchmark::State& state) {
    const auto& p = bench::candidatePositions[state.range(0)];
    GameState game(p.ownKingColumn);
    game.board = testing::boardFromRows(p.rows);
    MoveList moves;
    StatusList statuses;
    for (auto _ : state) {
        Board work = game.board;
        moves.clear();
        statuses.clear();
        generateCandidates(game, moves, statuses, work);
        buildMoveList(game, moves, statuses, work);
        benchmark::DoNotOptimize(moves.size());
    }
    state.SetLabel(p.name);
    state.counters["moves"] = static_cast<double>(moves.size());
}
BENCHMARK(BM_CandidatesOnePosition)
    ->DenseRange(0, static_cast<int>(std::size(bench::candidatePositions)) - 1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
