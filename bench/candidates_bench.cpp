// Move generation is the innermost operation of the computer's thinking: time
// generateCandidates + buildMoveList over a fixed set of positions. Beside it,
// the legal moves of both rule sets (what every drop, typed move, export and
// draw test asks for), as perft counts them from two well-known positions.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/candidate_positions.h"
#include "rules/candidates.h"
#include "rules/standard_moves.h"
#include "game/notation/fen.h"
#include "tests/support/board_text.h"
#include "tests/support/perft.h"

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

// Arguments: the position (0 the start, 1 the middle game with castles, en
// passant and promotions both ways), the rule set (0 Orbel, 1 standard).
void BM_LegalMovesPerftDepth3(benchmark::State& state) {
    const char* fens[] = {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
                          "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"};
    StandardPosition p;
    readFen(fens[state.range(0)], p);
    p.rules = state.range(1) == 1 ? RuleSet::Standard : RuleSet::Orbel;
    std::uint64_t leaves = 0;
    for (auto _ : state) leaves = testing::perft(p, 3);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * leaves));
    state.counters["leaves"] = static_cast<double>(leaves);
}
BENCHMARK(BM_LegalMovesPerftDepth3)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
