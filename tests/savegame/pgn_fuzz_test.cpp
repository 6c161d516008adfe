// The committed PGN and FEN seeds, then a deterministic run of mutations of
// them, through the checks the libFuzzer target runs. Under the sanitizer
// build this also shows that nothing is read outside the text.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/savegame/pgn_checks.h"
#include "tests/support/golden.h"

namespace orbel {
namespace {

std::string mutated(const std::vector<std::string>& seeds, std::mt19937& rng) {
    const auto below = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    // What PGN's grammar and the move reader turn on.
    static const char* const pieces[] = {"{", "}", "(", ")", ";", "\n", "[", "]", "\"", "\\", "$", "$12", "%", ".",
                                         "...", " ", "1-0", "*", "1/2-1/2", "O-O", "0-0-0", "=Q", "=N", "x", "+",
                                         "#", "!?", "e4", "exd6", "Nbd2", "b", "Q", "K", "12.", "/", "8", "-"};
    std::string text = seeds[below(seeds.size())];
    for (std::size_t edits = 1 + below(3); edits > 0; --edits) {
        const std::size_t at = below(text.size() + 1);
        const std::string& other = seeds[below(seeds.size())];
        switch (below(6)) {
        case 0: if (at < text.size()) text[at] = static_cast<char>(rng()); break;
        case 1: text.insert(at, pieces[below(std::size(pieces))]); break;
        case 2: text.erase(at, 1 + below(8)); break;
        case 3: text.insert(at, 1 + below(3), static_cast<char>(rng())); break;
        case 4: text = text.substr(0, at) + other.substr(below(other.size() + 1)); break;
        default: text.resize(at);
        }
    }
    return text;
}

TEST(PgnFuzz, SeedsAndMutationsOfThemReadAsPlayableGamesOrAreRefused) {
    const std::vector<std::string> seeds = testing::readSeeds(ORBEL_PGN_SEEDS);
    ASSERT_GE(seeds.size(), 10u);
    std::mt19937 rng(2020);
    for (std::size_t i = 0; i < seeds.size() + 40000; ++i) {
        const std::string input = i < seeds.size() ? seeds[i] : mutated(seeds, rng);
        const char* problem = pgn_checks::readingProblem(input);
        ASSERT_EQ(problem, nullptr) << problem << "; input:\n" << input;
    }
}

}  // namespace
}  // namespace orbel
