// The committed seeds, then mutated streams made of them, through the checks
// the libFuzzer target runs: the parser stays within its bounds, what it
// yields reads back the same, and a game fed every MOVE plays exactly the
// moves the opponent could make. Under the sanitizer build this also shows
// that nothing is read outside a read or a board.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/net/peer_checks.h"

namespace orbel {
namespace {

std::vector<std::string> loadSeeds() {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(ORBEL_NET_SEEDS)) paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());  // the same order, so the same run, everywhere
    std::vector<std::string> seeds;
    for (const auto& path : paths) {
        std::ifstream in(path, std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return seeds;
}

class Mutator {
public:
    explicit Mutator(const std::vector<std::string>& seeds) : seeds_(seeds) {}

    // One to four seeds, each perhaps mutated; half the time led by a move
    // the opponent may make now, so that games get somewhere.
    std::string stream(const GameState& game) {
        std::string out;
        if (below(2) == 0) peer_checks::legalOwnMoves(game, moves_);
        if (!moves_.empty()) {
            const MoveRecord& m = moves_[below(moves_.size())];
            out = "MOVE";
            for (const int n : {m.fromRow, m.fromCol, m.toRow, m.toCol}) out += ' ' + std::to_string(n);
            moves_.clear();
        }
        for (std::size_t n = 1 + below(4); n > 0; --n) {
            std::string piece = seeds_[below(seeds_.size())];
            for (std::size_t e = below(4); e > 0; --e) mutate(piece);
            out += piece;
        }
        return out;
    }

private:
    std::size_t below(std::size_t n) { return n == 0 ? 0 : rng_() % n; }

    void mutate(std::string& s) {
        static const char* const inserts[] = {"MOVE ", "NICK 3 ", "KIB ", "ACK ", "END", "RE", "\r", "\n", " ", "  ", "-",
                                              "+", "4", "M", " 2147483648", " -1", " 99", " 100", " 101", "99999999999"};
        const std::size_t at = below(s.size() + 1);
        const std::string& other = seeds_[below(seeds_.size())];
        switch (below(6)) {
        case 0: if (at < s.size()) s[at] ^= static_cast<char>(1 << below(8)); break;
        case 1: s.insert(at, 1 + below(3), static_cast<char>(rng_())); break;
        case 2: s.erase(at, 1 + below(8)); break;
        case 3: s.insert(at, inserts[below(std::size(inserts))]); break;
        case 4: s = s.substr(0, at) + other.substr(below(other.size() + 1)); break;  // splice two seeds
        default: s.resize(at);
        }
    }

    const std::vector<std::string>& seeds_;
    std::mt19937 rng_{4128};
    std::vector<MoveRecord> moves_;
};

TEST(PeerStreamFuzz, SeedsAndMutatedStreamsKeepEveryRule) {
    const std::vector<std::string> seeds = loadSeeds();
    ASSERT_GE(seeds.size(), 20u);
    peer_checks::StreamWatch watch(BlackColorCode);
    for (const std::string& seed : seeds) {
        for (int way = 0; way < 4; ++way) {
            watch.restart(way % 2 == 0 ? BlackColorCode : WhiteColorCode);
            const char* broken = watch.stream(seed, way);
            ASSERT_EQ(broken, nullptr) << broken << " in " << peerTextForDisplay(seed) << ", read way " << way;
        }
    }
    // One game goes on through all the streams.
    watch.restart(BlackColorCode);
    Mutator mutator(seeds);
    constexpr int Iterations = 100000;
    for (int i = 0; i < Iterations; ++i) {
        const std::string input = mutator.stream(watch.game);
        const char* broken = watch.stream(input, i % 3);
        ASSERT_EQ(broken, nullptr) << broken << " in " << peerTextForDisplay(input) << ", read way " << i % 3;
    }
    // Enough of the moves were legal for the games to get somewhere.
    EXPECT_GT(watch.movesPlayed, Iterations / 4);
}

}  // namespace
}  // namespace orbel
