// The committed seeds and a deterministic run of mutations of them against the
// reader; under the sanitizer build this also shows that nothing is read
// outside the input or reserved for what a file merely announces.
#include <gtest/gtest.h>

#include "savegame/saved_game.h"
#include "tests/savegame/saved_game_checks.h"
#include "tests/support/golden.h"

namespace orbel {
namespace {

TEST(SavedGameFuzz, SeedsAndMutationsOfThemNeverBreakAGame) {
    const std::vector<std::string> seeds = testing::readSeeds(ORBEL_SAVEGAME_SEEDS);
    ASSERT_GE(seeds.size(), 4u);
    // Words and bytes near the limits of the format (the final '\0' too).
    const std::vector<std::string> pieces = {
        " -1 ", " 0 ", " 1 ", " 2 ", " 3 ", " 5 ", " 7 ", " 100 ", " 101 ", " 102 ", " 103 ", " 120 ", " 2147483647 ",
        " 2147483648 ", " -2147483649 ", " +1 ", " -0 ", " 007 ", " + ", " --1 ", " 1e3 ", " Nf3 ", " \x01\xff ",
        " fifteen-letters ", " sixteen--letters ", " ", "\t", "\n", "\r", "\v", "\f", "0", "9", "-", "+", "x",
        std::string(1, '\0')};
    // Three times in four past the board's 128 words: almost any change to the
    // board only stops the reading there.
    std::mt19937 rng(5101);
    const auto place = [&rng](const std::string& text) {
        std::size_t end = 0;
        for (int w = 0; w < 128 && end < text.size(); ++w)
            end = text.find_first_of(" \t\n\v\f\r", text.find_first_not_of(" \t\n\v\f\r", end));
        end = std::min(end, text.size());
        return rng() % 4 == 0 ? rng() % (text.size() + 1) : end + rng() % (text.size() + 1 - end);
    };
    const SavedGame entries[] = {SavedGame{}, savegame_checks::unusualEntry()};
    for (std::size_t i = 0; i < seeds.size() + 100000; ++i) {
        const std::string input = i < seeds.size() ? seeds[i] : testing::mutatedSeed(seeds, pieces, rng, place);
        // In a buffer of its own size, with no terminator after it to hide a read past the end.
        const std::vector<char> bytes(input.begin(), input.end());
        for (const SavedGame& entry : entries) {
            const char* problem = savegame_checks::readProblem(std::string_view(bytes.data(), bytes.size()), entry);
            ASSERT_EQ(problem, nullptr) << problem << "; input: " << input;
        }
    }
}

}  // namespace
}  // namespace orbel
