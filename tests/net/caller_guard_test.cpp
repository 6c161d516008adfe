// Which callers' addresses are ignored: strikes at given seconds, each row
// a story of one address and what the guard says at its end.
#include <gtest/gtest.h>

#include <vector>

#include "net/caller_guard.h"

namespace orbel {
namespace {

using Clock = CallerGuard::Clock;
using std::chrono::milliseconds;
using std::chrono::seconds;
constexpr milliseconds Minute{60000};

CallerGuard::Address address(int n) {
    CallerGuard::Address a{};
    a[14] = static_cast<std::uint8_t>(n >> 8);
    a[15] = static_cast<std::uint8_t>(n);
    return a;
}

struct Row {
    const char* story;
    std::vector<int> strikes;  // seconds
    int askedAt;
    bool ignored;
};

const Row rows[] = {
    {"two strikes are not enough", {0, 1}, 2, false},
    {"the third within a minute ignores", {0, 1, 2}, 3, true},
    {"the third a minute after the first does not", {0, 30, 61}, 62, false},
    {"the last three count", {0, 30, 61, 62}, 63, true},
    {"an ignored address is let in again after the minute", {0, 1, 2}, 63, false},
    {"strikes before the ignoring are forgotten", {0, 1, 2, 70}, 71, false},
};

TEST(CallerGuard, StrikesWithinAMinuteIgnoreAnAddressForOne) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.story);
        CallerGuard guard;
        const Clock::time_point start{};
        for (const int s : row.strikes) guard.strike(address(1), start + seconds(s), Minute);
        EXPECT_EQ(guard.ignored(address(1), start + seconds(row.askedAt)), row.ignored);
        EXPECT_FALSE(guard.ignored(address(2), start + seconds(row.askedAt)));
    }
}

TEST(CallerGuard, AFullTablePushesOutTheOldestNotTheIgnored) {
    CallerGuard guard;
    const Clock::time_point start{};
    for (int s = 0; s < 3; ++s) guard.strike(address(0), start + seconds(s), Minute);
    // As many other addresses as the table holds, two strikes each, one
    // after another: the oldest of them go, the ignored one stays.
    for (int n = 1; n <= static_cast<int>(CallerGuard::Entries); ++n)
        for (int s = 0; s < 2; ++s) guard.strike(address(n), start + seconds(3) + milliseconds(n), Minute);
    EXPECT_TRUE(guard.ignored(address(0), start + seconds(4)));
    guard.strike(address(1), start + seconds(4), Minute);
    EXPECT_FALSE(guard.ignored(address(1), start + seconds(4)));  // its first two were pushed out
    guard.strike(address(CallerGuard::Entries), start + seconds(4), Minute);
    EXPECT_TRUE(guard.ignored(address(CallerGuard::Entries), start + seconds(4)));
}

}  // namespace
}  // namespace orbel
