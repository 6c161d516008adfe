// The committed seeds and a deterministic run of mutations of them against the
// reader; under the sanitizer build this also shows that nothing is read
// outside the input or reserved for what a file merely announces.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "savegame/saved_game.h"
#include "tests/savegame/saved_game_checks.h"

namespace orbel {
namespace {

constexpr const char* Spaces = " \t\n\v\f\r";

// A seed with one to three edits, each three times in four past the board's
// 128 words: almost any change to the board only stops the reading there.
std::string mutated(const std::vector<std::string>& seeds, std::mt19937& rng) {
    const auto below = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    const auto place = [&](const std::string& text) {
        std::size_t end = 0;
        for (int w = 0; w < 128; ++w) end = text.find_first_of(Spaces, text.find_first_not_of(Spaces, end));
        end = std::min(end, text.size());
        return below(4) == 0 ? below(text.size() + 1) : end + below(text.size() + 1 - end);
    };
    // Words and bytes near the limits of the format (the final '\0' too).
    static const char* const words[] = {"-1", "0", "1", "2", "3", "5", "7", "100", "101", "102", "103", "120",
                                        "2147483647", "2147483648", "-2147483649", "+1", "-0", "007", "+", "--1",
                                        "1e3", "Nf3", "\x01\xff", "fifteen-letters", "sixteen--letters"};
    static const char bytes[] = " \t\n\r\v\f012359-+x";

    std::string text = seeds[below(seeds.size())];
    for (std::size_t edits = 1 + below(3); edits > 0; --edits) {
        std::size_t at = place(text);
        const char byte = below(3) == 0 ? static_cast<char>(rng()) : bytes[below(sizeof bytes)];
        switch (below(6)) {
        case 0:
            if (at < text.size()) text[at] = byte;
            break;
        case 1:
            text.insert(at, 1 + below(4), byte);
            break;
        case 2:
            text.erase(at, 1 + below(16));
            break;
        case 3:  // an odd word in place of the word at `at`, or before it, shifting every later field
            while (at > 0 && std::string_view(Spaces).find(text[at - 1]) == std::string_view::npos) --at;
            if (below(2) == 0) text.erase(at, text.find_first_of(Spaces, at) - at);
            text.insert(at, std::string(" ") + words[below(std::size(words))] + " ");
            break;
        case 4: {  // this text's start, another seed's end
            const std::string& other = seeds[below(seeds.size())];
            text = text.substr(0, at) + other.substr(place(other));
            break;
        }
        default:
            text.resize(at);
        }
    }
    return text;
}

TEST(SavedGameFuzz, SeedsAndMutationsOfThemNeverBreakAGame) {
    std::vector<std::filesystem::path> paths(std::filesystem::directory_iterator(ORBEL_SAVEGAME_SEEDS), {});
    std::sort(paths.begin(), paths.end());  // the same order, so the same run, everywhere
    std::vector<std::string> seeds;
    for (const auto& path : paths) {
        std::ifstream in(path, std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    ASSERT_GE(seeds.size(), 4u);

    const SavedGame entries[] = {SavedGame{}, savegame_checks::unusualEntry()};
    std::mt19937 rng(5101);
    for (std::size_t i = 0; i < seeds.size() + 100000; ++i) {
        const std::string input = i < seeds.size() ? seeds[i] : mutated(seeds, rng);
        for (const SavedGame& entry : entries) {
            const char* problem = savegame_checks::readProblem(input, entry);
            ASSERT_EQ(problem, nullptr) << problem << "; input: " << input;
        }
    }
}

}  // namespace
}  // namespace orbel
