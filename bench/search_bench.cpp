// Times the computer's move choice at Easy, Medium and Hard over the search
// suite (positions from real play, tests/golden/search_suite.txt): median and
// maximum time per move and evaluations per second, on one thread.
//
//   build/bench/search_bench [suite file] [repetitions]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "computer/search.h"
#include "tools/engine/engine_session.h"

namespace {

using namespace orbel;
using Clock = std::chrono::steady_clock;

struct Position {
    std::string set, last;
};

std::vector<Position> readSuite(const std::string& path) {
    std::ifstream in(path);
    std::vector<Position> out;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("set ", 0) == 0) out.push_back({line, {}});
        if (line.rfind("last ", 0) == 0 && !out.empty()) out.back().last = line.substr(5);
    }
    return out;
}

MoveRecord parseLast(const std::string& text) {
    int a, b, c, d;
    std::sscanf(text.c_str(), "%d %d %d %d", &a, &b, &c, &d);
    return makeMoveRecord(a, b, c, d);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : ORBEL_SUITE_PATH;
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::vector<Position> suite = readSuite(path);
    if (suite.empty()) {
        std::fprintf(stderr, "no positions in %s\n", path.c_str());
        return 1;
    }

    // The games to choose in, prepared once through the engine's own parser.
    std::vector<GameState> games;
    for (const Position& p : suite) {
        engine::EngineSession session;
        session.handleLine(p.set);
        games.push_back(session.game());
    }

    std::printf("%zu positions, best of %d runs each\n", suite.size(), repetitions);
    std::printf("%-8s %12s %12s %12s %16s\n", "level", "median ms", "max ms", "total ms", "evaluations/s");
    for (int level : {1, 3, 5}) {
        std::vector<double> times;
        double total = 0;
        std::uint64_t evaluations = 0;
        for (std::size_t i = 0; i < games.size(); ++i) {
            double best = 1e300;
            for (int r = 0; r < repetitions; ++r) {
                GameState game = games[i];
                game.level = level;
                MoveRecord result = noMoveRecord();
                SearchCounts counts;
                const auto start = Clock::now();
                chooseComputerMove(game, result, parseLast(suite[i].last), counts);
                const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                if (r == 0) evaluations += counts.evaluations;
                best = std::min(best, ms);
            }
            times.push_back(best);
            total += best;
        }
        std::vector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        const double median = sorted.size() % 2 ? sorted[sorted.size() / 2]
                                                : (sorted[sorted.size() / 2 - 1] + sorted[sorted.size() / 2]) / 2;
        std::printf("%-8s %12.3f %12.3f %12.1f %16.0f\n", level == 1 ? "Easy" : level == 3 ? "Medium" : "Hard", median,
                    sorted.back(), total, evaluations / (total / 1000.0));
    }
    return 0;
}
