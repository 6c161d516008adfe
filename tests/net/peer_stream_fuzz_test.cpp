// The committed seeds, then mutated streams made of them, through the checks
// the libFuzzer target runs: the parser stays within its bounds, what it
// yields reads back the same, and a game fed every MOVE plays exactly the
// moves the opponent could make. Under the sanitizer build this also shows
// that nothing is read outside a read or a board.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/net/peer_checks.h"
#include "tests/support/golden.h"

namespace orbel {
namespace {

// One to four seeds, mutated or whole; half the time led by a move the
// opponent may make now, so that games get somewhere.
std::string stream(const std::vector<std::string>& seeds, const GameState& game, std::mt19937& rng) {
    static const std::vector<std::string> pieces = {"MOVE ", "NICK 3 ", "KIB ", "ACK ", "END", "RE", "\r", "\n", " ",
                                                    "  ", "-", "+", "4", "M", " 2147483648", " -1", " 99", " 100",
                                                    " 101", "99999999999"};
    std::string out;
    std::vector<MoveRecord> moves;
    if (rng() % 2 == 0) peer_checks::legalOwnMoves(game, moves);
    if (!moves.empty()) {
        const MoveRecord& m = moves[rng() % moves.size()];
        out = "MOVE";
        for (const int n : {m.fromRow, m.fromCol, m.toRow, m.toCol}) out += ' ' + std::to_string(n);
    }
    for (unsigned n = 1 + rng() % 4; n > 0; --n)
        out += rng() % 4 == 0 ? seeds[rng() % seeds.size()] : testing::mutatedSeed(seeds, pieces, rng);
    return out;
}

TEST(PeerStreamFuzz, SeedsAndMutatedStreamsKeepEveryRule) {
    const std::vector<std::string> seeds = testing::readSeeds(ORBEL_NET_SEEDS);
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
    std::mt19937 rng(4128);
    constexpr int Iterations = 100000;
    std::vector<MoveRecord> opponentMoves;
    for (int i = 0; i < Iterations; ++i) {
        // A game the opponent can no longer move in begins again.
        peer_checks::legalOwnMoves(watch.game, opponentMoves);
        if (opponentMoves.empty()) watch.restart(i % 2 == 0 ? BlackColorCode : WhiteColorCode, false);
        const std::string input = stream(seeds, watch.game, rng);
        const char* broken = watch.stream(input, i % 3);
        ASSERT_EQ(broken, nullptr) << broken << " in " << peerTextForDisplay(input) << ", read way " << i % 3;
    }
    // Enough of the moves were legal for the games to get somewhere.
    EXPECT_GT(watch.movesPlayed, Iterations / 4);
}

}  // namespace
}  // namespace orbel
