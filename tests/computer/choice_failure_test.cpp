// Running out of memory while the computer chooses: the game's board must be
// put back, the result must say "no move", and the failure must be reported.
// This program replaces the global allocator so a test can make it fail.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "computer/search.h"
#include "rules/apply_move.h"

namespace {
// Counts down allocations while armed; the one that reaches zero throws.
std::atomic<long> allocationsBeforeFailure{-1};
}  // namespace

// The replacement pair below allocates with malloc and frees with free, which
// GCC cannot see through.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    long left = allocationsBeforeFailure.load();
    while (left > 0 && !allocationsBeforeFailure.compare_exchange_weak(left, left - 1)) {
    }
    if (left == 1) {
        allocationsBeforeFailure = -1;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace orbel {
namespace {

TEST(ChoiceFailure, RestoresTheBoardAndReportsTheFailure) {
    int failures = 0;
    // Fail the first, second, ... allocation of a Hard search in turn, so the
    // failure strikes at many different places inside it.
    for (long n = 1; n <= 60; ++n) {
        GameState g(4);
        g.level = 5;
        applyMove(makeMoveRecord(1, 4, 3, 4), g.board);
        applyMove(makeMoveRecord(6, 3, 4, 3), g.board);
        g.moveCount = 2;
        const Board before = g.board;
        MoveRecord result = makeMoveRecord(5, 5, 5, 5);
        allocationsBeforeFailure = n;
        const ChoiceOutcome outcome = chooseComputerMove(g, result, makeMoveRecord(6, 3, 4, 3));
        allocationsBeforeFailure = -1;
        if (outcome != ChoiceOutcome::Failed) {
            EXPECT_EQ(outcome, ChoiceOutcome::Played);
            continue;
        }
        ++failures;
        EXPECT_EQ(g.board, before) << "allocation " << n;
        EXPECT_TRUE(sameMove(result, noMoveRecord()));
    }
    EXPECT_GT(failures, 10);
}

}  // namespace
}  // namespace orbel
