// The committed PGN and FEN seeds, then a deterministic run of mutations of
// them, through the checks the libFuzzer target runs. Under the sanitizer
// build this also shows that nothing is read outside the text.
#include <gtest/gtest.h>

#include "tests/savegame/pgn_checks.h"
#include "tests/support/golden.h"

namespace orbel {
namespace {

TEST(PgnFuzz, SeedsAndMutationsOfThemReadAsPlayableGamesOrAreRefused) {
    const std::vector<std::string> seeds = testing::readSeeds(ORBEL_PGN_SEEDS);
    ASSERT_GE(seeds.size(), 10u);
    // What PGN's grammar and the move reader turn on.
    const std::vector<std::string> pieces = {
        "{", "}", "(", ")", ";", "\n", "[", "]", "\"", "\\", "$", "$12", "%", ".", "...", " ", "1-0", "*", "1/2-1/2",
        "O-O", "0-0-0", "=Q", "=N", "=R", "b1=B", "e.p.", "x", "+", "#", "!?", "e4", "exd6", "Nbd2", "b", "Q", "K", "12.", "/", "8", "-"};
    std::mt19937 rng(2020);
    for (std::size_t i = 0; i < seeds.size() + 40000; ++i) {
        const std::string input = i < seeds.size() ? seeds[i] : testing::mutatedSeed(seeds, pieces, rng);
        const std::vector<char> bytes(input.begin(), input.end());  // no terminator to hide a read past the end
        const char* problem = pgn_checks::readingProblem(std::string_view(bytes.data(), bytes.size()));
        ASSERT_EQ(problem, nullptr) << problem << "; input:\n" << input;
    }
}

}  // namespace
}  // namespace orbel
