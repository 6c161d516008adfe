// Mutated peer streams, cut into random reads, against the stream parser and
// the check of the opponent's moves: whatever arrives, the parser stays within
// its bounds, what it yields reads back the same when sent again, and a game
// fed every MOVE plays exactly the moves the opponent could make, found here
// the plain way. Under the sanitizer build this also proves that nothing is
// read outside a read or a board. (tools/fuzz.sh runs the same checks under
// libFuzzer.)
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

using peer_checks::StreamWatch;

std::vector<std::string> loadSeeds() {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(ORBEL_NET_SEEDS)) {
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

bool isDigit(char c) { return c >= '0' && c <= '9'; }

class Fuzzer {
public:
    explicit Fuzzer(unsigned seed) : rng_(seed) {}

    std::size_t below(std::size_t n) { return n == 0 ? 0 : rng_() % n; }

    // One to four seeds, each perhaps mutated; half the time led by a move
    // the opponent may make now, so that games get somewhere.
    std::string stream(const std::vector<std::string>& seeds, const GameState& game) {
        std::string out;
        if (below(2) == 0) {
            peer_checks::legalOwnMoves(game, moves_);
            if (!moves_.empty()) {
                const MoveRecord& m = moves_[below(moves_.size())];
                out = "MOVE " + std::to_string(m.fromRow) + ' ' + std::to_string(m.fromCol) + ' ' +
                      std::to_string(m.toRow) + ' ' + std::to_string(m.toCol);
            }
        }
        for (std::size_t n = 1 + below(4); n > 0; --n) {
            std::string piece = seeds[below(seeds.size())];
            for (std::size_t e = below(4); e > 0; --e) mutate(piece, seeds);
            out += piece;
        }
        return out;
    }

    // The stream as reads. With `wholeNumbers`, no read ends between two
    // digits, where the end of a read would end a MOVE's last number.
    std::vector<std::string> reads(const std::string& stream, bool wholeNumbers) {
        std::vector<std::size_t> cuts;
        for (std::size_t n = below(8); n > 0; --n) {
            const std::size_t at = below(stream.size() + 1);
            if (wholeNumbers && at > 0 && at < stream.size() && isDigit(stream[at - 1]) && isDigit(stream[at])) continue;
            cuts.push_back(at);
        }
        std::sort(cuts.begin(), cuts.end());
        std::vector<std::string> out;
        std::size_t from = 0;
        for (const std::size_t at : cuts) {
            out.push_back(stream.substr(from, at - from));
            from = at;
        }
        out.push_back(stream.substr(from));
        return out;
    }

private:
    char oddByte() {
        static const char bytes[] = {' ', ' ', '\r', '\n', '0', '1', '4', '9', '-', '+', 'M', 'E', 'K', '\0'};
        return below(3) == 0 ? static_cast<char>(rng_() % 256) : bytes[below(sizeof bytes)];
    }

    void mutate(std::string& s, const std::vector<std::string>& seeds) {
        static const char* const inserts[] = {"MOVE ", "NICK 3 ", "KIB ", "ACK ", "END", "RE", "\r", " 2147483648",
                                              " -1", " 99", " 100", " 101", "99999999999"};
        const std::size_t at = below(s.size() + 1);
        switch (below(7)) {
        case 0:
            if (at < s.size()) s[at] ^= static_cast<char>(1 << below(8));
            break;
        case 1:
            if (at < s.size()) s[at] = oddByte();
            break;
        case 2: s.insert(at, 1 + below(3), oddByte()); break;
        case 3: s.erase(at, 1 + below(8)); break;
        case 4: s.insert(at, inserts[below(std::size(inserts))]); break;
        case 5: {  // splice: this piece's start, another seed's end
            const std::string& other = seeds[below(seeds.size())];
            s = s.substr(0, at) + other.substr(below(other.size() + 1));
            break;
        }
        default: s.resize(at);
        }
    }

    std::mt19937 rng_;
    std::vector<MoveRecord> moves_;
};

std::vector<PeerMessage> parseReads(const std::vector<std::string>& reads) {
    PeerStream stream;
    std::vector<PeerMessage> out;
    for (std::string_view rest : reads) {
        while (std::optional<PeerMessage> m = stream.next(rest)) out.push_back(std::move(*m));
    }
    return out;
}

std::string shown(const std::vector<std::string>& reads) {
    std::string out;
    for (const std::string& r : reads) out += "[" + peerTextForDisplay(r) + "]";
    return out;
}

TEST(PeerStreamFuzz, SeedsPlayWithinBounds) {
    const std::vector<std::string> seeds = loadSeeds();
    ASSERT_GE(seeds.size(), 20u);
    for (const std::string& seed : seeds) {
        for (const int colour : {WhiteColorCode, BlackColorCode}) {
            StreamWatch watch(colour);
            PeerStream stream;
            std::vector<PeerMessage> messages;
            const char* broken = watch.read(stream, seed, messages);
            ASSERT_EQ(broken, nullptr) << broken << " in " << peerTextForDisplay(seed);
        }
    }
}

TEST(PeerStreamFuzz, MutatedStreamsNeverBreakTheGame) {
    const std::vector<std::string> seeds = loadSeeds();
    ASSERT_FALSE(seeds.empty());
    Fuzzer fuzzer(4128);
    StreamWatch watch(BlackColorCode);
    constexpr int Iterations = 100000;
    for (int i = 0; i < Iterations; ++i) {
        const std::string input = fuzzer.stream(seeds, watch.game);
        const std::vector<std::string> reads = fuzzer.reads(input, false);
        PeerStream stream;
        std::vector<PeerMessage> messages;
        for (const std::string& read : reads) {
            const char* broken = watch.read(stream, read, messages);
            ASSERT_EQ(broken, nullptr) << broken << " in " << shown(reads);
        }
        const std::string again = peer_checks::rebuild(messages);
        ASSERT_TRUE(peer_checks::sameMessages(parseReads(fuzzer.reads(again, true)), messages))
            << "sent again: " << peerTextForDisplay(again);
    }
    // Enough of the moves were legal for the games to get somewhere.
    EXPECT_GT(watch.movesPlayed, Iterations / 4);
}

}  // namespace
}  // namespace orbel
