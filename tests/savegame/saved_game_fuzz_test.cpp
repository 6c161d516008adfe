// Mutated saved-game files against the reader: whatever the bytes, a read
// leaves a game the program can use, keeps the entry values from the field it
// stopped at, and a loaded game saves and loads again as the same game (and
// the same bytes). Under the sanitizer build this also proves that nothing is
// read outside the input or reserved for what a file merely announces.
// (tools/fuzz.sh runs the same checks under libFuzzer.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "savegame/saved_game.h"
#include "tests/savegame/saved_game_checks.h"

namespace orbel {
namespace {

using savegame_checks::keptFrom;
using savegame_checks::sameGame;
using savegame_checks::validGame;

std::vector<std::string> loadSeeds() {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(ORBEL_SAVEGAME_SEEDS)) {
        if (entry.is_regular_file()) paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());  // the same order, so the same run, everywhere
    std::vector<std::string> seeds;
    for (const auto& path : paths) {
        std::ifstream in(path, std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return seeds;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (!isSpace(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

std::string join(const std::vector<std::string>& words) {
    std::string text;
    for (const auto& w : words) text += (text.empty() ? "" : " ") + w;
    return text;
}

class Mutator {
public:
    Mutator(const std::vector<std::string>& seeds, unsigned seed) : seeds_(seeds), rng_(seed) {}

    std::string next() {
        std::string text = seeds_[below(seeds_.size())];
        const std::size_t edits = 1 + below(3);
        for (std::size_t e = 0; e < edits; ++e) mutate(text);
        return text;
    }

private:
    std::size_t below(std::size_t n) { return n == 0 ? 0 : rng_() % n; }

    // A place in [0, n): a quarter of the time anywhere, else from `fields` on,
    // where the fields after the board lie (almost any change to the board
    // only stops the reading there).
    std::size_t place(std::size_t n, std::size_t fields) {
        if (fields >= n || below(4) == 0) return below(n);
        return fields + below(n - fields);
    }
    // Where the word after the 64 squares starts, or the end of a shorter text.
    static std::size_t afterBoard(const std::string& text) {
        std::size_t at = 0;
        for (int word = 0; word < 128 && at < text.size(); ++word) {
            while (at < text.size() && isSpace(text[at])) ++at;
            while (at < text.size() && !isSpace(text[at])) ++at;
        }
        return at;
    }
    std::size_t bytePlace(const std::string& text, std::size_t extra = 0) {
        return place(text.size() + extra, afterBoard(text));
    }
    std::size_t wordPlace(const std::vector<std::string>& words, std::size_t extra = 0) {
        return place(words.size() + extra, 128);
    }

    std::string oddWord() {
        static const char* const odd[] = {
            "-1", "0", "1", "2", "3", "4", "5", "6", "7", "99", "100", "101", "102", "103", "120", "121",
            "2147483647", "2147483648", "-2147483648", "-2147483649", "4294967296", "+1", "-0", "007", "+", "-",
            "--1", "1e3", "0x10", "x", "Nf3", "O-O-O+", "\x01", "\xff"};
        const std::size_t pick = below(std::size(odd) + 2);
        if (pick < std::size(odd)) return odd[pick];
        // A word of 14 to 17 characters, around the longest move text.
        const std::size_t length = 14 + below(4);
        return std::string(length, static_cast<char>('a' + below(26)));
    }

    char oddByte() {
        static const char bytes[] = {' ', ' ', '\t', '\n', '\r', '\v', '\f', '0', '1', '2', '5', '9', '-', '+', 'x',
                                     '\0'};
        return below(3) == 0 ? static_cast<char>(rng_() % 256) : bytes[below(sizeof bytes)];
    }

    void mutate(std::string& text) {
        switch (below(9)) {
        case 0:  // flip bits of a byte
            if (!text.empty()) text[bytePlace(text)] ^= static_cast<char>(1 << below(8));
            break;
        case 1:  // overwrite a byte
            if (!text.empty()) text[bytePlace(text)] = oddByte();
            break;
        case 2: {  // insert a few bytes
            const std::size_t at = bytePlace(text, 1);
            const std::size_t n = 1 + below(4);
            for (std::size_t i = 0; i < n; ++i) text.insert(text.begin() + static_cast<long>(at), oddByte());
            break;
        }
        case 3:  // delete a few bytes
            if (!text.empty()) {
                const std::size_t at = bytePlace(text);
                text.erase(at, 1 + below(std::min<std::size_t>(16, text.size() - at)));
            }
            break;
        case 4: {  // swap two words
            std::vector<std::string> words = split(text);
            if (words.size() >= 2) {
                const std::size_t a = wordPlace(words);
                const std::size_t b = wordPlace(words);
                std::swap(words[a], words[b]);
                text = join(words);
            }
            break;
        }
        case 5: {  // replace a word with an odd one
            std::vector<std::string> words = split(text);
            if (!words.empty()) {
                words[wordPlace(words)] = oddWord();
                text = join(words);
            }
            break;
        }
        case 6: {  // insert or delete a word, shifting every later field
            std::vector<std::string> words = split(text);
            const std::size_t at = wordPlace(words, 1);
            if (below(2) == 0 || words.empty()) {
                words.insert(words.begin() + static_cast<long>(at), oddWord());
            } else {
                words.erase(words.begin() + static_cast<long>(std::min(at, words.size() - 1)));
            }
            text = join(words);
            break;
        }
        case 7: {  // splice: this text's start, another seed's end
            const std::string& other = seeds_[below(seeds_.size())];
            const std::size_t keep = bytePlace(text, 1);
            const std::size_t from = bytePlace(other, 1);
            text = text.substr(0, keep) + other.substr(from);
            break;
        }
        default:  // cut the end off
            text.resize(bytePlace(text, 1));
        }
    }

    const std::vector<std::string>& seeds_;
    std::mt19937 rng_;
};

// The games a read starts from: the defaults, and one with lists (grown past
// 120 lines) and values unlike any file's, so that kept and taken fields differ.
std::vector<SavedGame> entryGames() {
    SavedGame plain;
    SavedGame full;
    full.displayBoard = startingPosition(4);
    full.humanPlaysBlack = true;
    full.humanCastleKingSide = false;
    full.computerGivesCheck = true;
    for (int i = 0; i < 125; ++i) full.whiteHistory.setLine(i, "Kg1");
    full.whiteHistory.count = 123;
    full.blackHistory.setLine(0, "e5");
    full.blackHistory.count = 1;
    full.level = 1;
    return {plain, full};
}

void checkInput(const std::string& input, const SavedGame& entry) {
    SavedGame game = entry;
    const ReadStop stop = readSavedGame(input, game);
    ASSERT_TRUE(validGame(game)) << "input: " << input;
    ASSERT_TRUE(keptFrom(stop, entry, game)) << "stopped at " << static_cast<int>(stop) << ", input: " << input;

    const std::string saved = writeSavedGame(game);
    SavedGame again;
    ASSERT_EQ(readSavedGame(saved, again), ReadStop::Complete) << "saved: " << saved;
    ASSERT_TRUE(sameGame(again, game)) << "saved: " << saved;
    ASSERT_EQ(writeSavedGame(again), saved);
}

TEST(SavedGameFuzz, SeedsReadIntoUsableGames) {
    const std::vector<std::string> seeds = loadSeeds();
    ASSERT_GE(seeds.size(), 4u);
    for (const SavedGame& entry : entryGames()) {
        for (const std::string& seed : seeds) checkInput(seed, entry);
    }
}

TEST(SavedGameFuzz, MutatedFilesNeverBreakAGame) {
    const std::vector<std::string> seeds = loadSeeds();
    ASSERT_FALSE(seeds.empty());
    const std::vector<SavedGame> entries = entryGames();
    Mutator mutator(seeds, 5101);
    constexpr int Iterations = 100000;
    for (int i = 0; i < Iterations; ++i) {
        const std::string input = mutator.next();
        checkInput(input, entries[static_cast<std::size_t>(i) % entries.size()]);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace orbel
