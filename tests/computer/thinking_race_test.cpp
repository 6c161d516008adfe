// The computer's thread and a reader of its line at the same time, as the
// window's Brain refresh reads it every 10 ms. Built with ThreadSanitizer by
// tools/test.sh; no Qt here, so every report is about our own code.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "computer/search.h"
#include "computer/thinking.h"
#include "rules/apply_move.h"

namespace orbel {
namespace {

TEST(ThinkingRace, TheLineIsReadSafelyWhileTheSearchRewritesIt) {
    for (int round = 0; round < 6; ++round) {
        auto game = std::make_shared<GameState>(3);
        game->level = 5;
        MoveRecord user = makeMoveRecord(6, 5, 4, 5);
        applyMove(user, game->board);
        ThinkingThread thinking;
        std::atomic<bool> handedBack{false};
        std::atomic<int> reads{0};
        // The search waits for the window's first snapshot, so the reads
        // overlap it on any machine, however the threads are scheduled.
        auto afterFirstRead = [&](GameState& g, MoveRecord& result, const MoveRecord& last) {
            while (reads == 0) std::this_thread::yield();
            return chooseComputerMove(g, result, last);
        };
        ASSERT_TRUE(thinking.start(game, user, [&] { handedBack = true; }, afterFirstRead));
        // The window's side: snapshots of the line until the hand-back.
        std::size_t longest = 0;
        while (!handedBack) {
            MoveList line;
            int value = 0;
            if (readExpectedLine(*game, line, value)) {
                ++reads;
                longest = std::max(longest, line.size());
                for (const MoveRecord& m : line) ASSERT_TRUE(m.isCastling() || onBoard(m.fromRow, m.fromCol));
            }
        }
        thinking.join();
        EXPECT_GT(reads, 0);
        EXPECT_LE(longest, 5u);
        EXPECT_EQ(thinking.outcome(), ChoiceOutcome::Played);
        // After the join the result and the game are the window's again.
        const MoveRecord& result = thinking.result();
        EXPECT_TRUE(result.isMove());
        EXPECT_EQ(game->moveCount, 2);
    }
}

}  // namespace
}  // namespace orbel
