#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "game/clock/clock_text.h"
#include "game/clock/game_clock.h"

namespace orbel {
namespace {

// Each text reads as a time control and writes back the same; the others
// read as nothing.
TEST(TimeControlText, ReadsAndWritesPgnNotation) {
    for (const char* text : {"-", "60", "180+2", "40/5400:1800", "300d3", "300+2|180+2", "40/7200+30:20/3600+30:900+30",
                             "0+5"}) {
        const std::optional<TimeControl> control = readTimeControl(text);
        ASSERT_TRUE(control.has_value()) << text;
        EXPECT_EQ(timeControlText(*control), text);
    }
    EXPECT_EQ(readTimeControl("40/5400:1800")->of(Side::Black).periods[1], (ClockPeriod{0, 1800000, 0, false}));
    EXPECT_EQ(readTimeControl("300d3")->of(Side::White).periods[0], (ClockPeriod{0, 300000, 3000, true}));
    for (const char* text : {"", "0", "abc", "60+", "+2", "40/", "0/60", "60:30", "90000", "60+601", "201/60:30",
                             "1/1:1/1:1/1:1/1:60", "60|", "60|30|20", "60 ", "-1", "60d", "60+2+2", "?"})
        EXPECT_FALSE(readTimeControl(text).has_value()) << text;
}

// A game's clocks stepped by a script: a number lets that many ms pass, W
// and B move, P pauses, R resumes, U takes the last move back. What is
// left: White's ms, Black's ms, the running side (- for none), the side
// whose flag fell (- for none).
std::string run(const char* control, const char* script) {
    std::int64_t now = 0;
    GameClock clock(*readTimeControl(control), [&now] { return now; });
    std::istringstream steps(script);
    for (std::string step; steps >> step;) {
        if (step == "W" || step == "B") clock.moved(step == "W" ? Side::White : Side::Black);
        else if (step == "P") clock.pause();
        else if (step == "R") clock.resume();
        else if (step == "U") clock.undo();
        else now += std::stoll(step);
    }
    const auto side = [](std::optional<Side> s) { return !s ? "-" : *s == Side::White ? "W" : "B"; };
    return std::to_string(clock.remaining(Side::White)) + ' ' + std::to_string(clock.remaining(Side::Black)) + ' ' +
           side(clock.running()) + ' ' + side(clock.flagFallen());
}

TEST(GameClock, KeepsTimeAsPlayersUseAClock) {
    const struct {
        const char* name;
        const char* control;
        const char* script;
        const char* left;
    } rows[] = {
        {"nothing runs before White's first move", "60", "5000", "60000 60000 - -"},
        {"increment from move 1", "180+2", "W", "182000 180000 B -"},
        {"increment after the time used", "180+2", "W 5000 B 3000", "179000 177000 W -"},
        {"a delay gives back what it covers, never more", "300d3", "W 2000 B", "300000 300000 W -"},
        {"a delay's allowance spent first", "300d3", "W 5000 B", "300000 298000 W -"},
        {"the running clock waits out the delay", "300d3", "W 2500", "300000 300000 B -"},
        {"the running clock after the delay", "300d3", "W 4000", "300000 299000 B -"},
        {"the period's last move adds the next period", "2/60:30", "W 1000 B 10000 W", "80000 59000 B -"},
        {"a move short of the period adds nothing", "2/60:30", "W 1000 B 10000", "50000 59000 W -"},
        {"each side its own time", "300|60", "W", "300000 60000 B -"},
        {"the flag falls at exactly zero", "60", "W 60000", "60000 0 - B"},
        {"a millisecond left is no flag", "60", "W 59999", "60000 1 B -"},
        {"no move after the flag", "60", "W 60000 B", "60000 0 - B"},
        {"paused time is not charged", "60", "W 10000 P 50000 R 5000", "60000 45000 B -"},
        {"pause then resume at once", "60", "W 10000 P R", "60000 50000 B -"},
        {"undo gives back the time used", "60+1", "W 10000 B 20000 U", "61000 60000 B -"},
        {"undo of the first move stops the clock", "60+1", "W 10000 U", "60000 60000 - -"},
        {"no clock", "-", "W 5000 B", "0 0 - -"},
    };
    for (const auto& row : rows) EXPECT_EQ(run(row.control, row.script), row.left) << row.name;
}

TEST(ClockText, ShowsAndSaysTimeAsAClockCounts) {
    const struct {
        std::int64_t ms;
        const char *shown, *spoken, *comment;
    } rows[] = {
        {3'723'000, "1:02:03", "1 hour 2 minutes", "1:02:03"},
        {59'999, "0:59", "59 seconds", "0:00:59"},
        {60'000, "1:00", "1 minute", "0:01:00"},
        {10'000, "0:10", "10 seconds", "0:00:10"},
        {9'999, "0:09.9", "9.9 seconds", "0:00:09"},
        {0, "0:00.0", "0.0 seconds", "0:00:00"},
        {-40, "0:00.0", "0.0 seconds", "0:00:00"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(shownTime(row.ms), row.shown) << row.ms;
        EXPECT_EQ(spokenTime(row.ms), row.spoken) << row.ms;
        EXPECT_EQ(clockComment(row.ms), row.comment) << row.ms;
    }
}

TEST(GameClock, TakesAPeersReading) {
    std::int64_t now = 0;
    GameClock clock(*readTimeControl("180+2"), [&now] { return now; });
    clock.moved(Side::White);
    now += 4000;
    clock.setRemaining(Side::Black, 170000);
    EXPECT_EQ(clock.remaining(Side::Black), 170000);
    now += 1000;
    EXPECT_EQ(clock.remaining(Side::Black), 169000);
    clock.setRemaining(Side::White, -5);
    EXPECT_EQ(clock.remaining(Side::White), 0);
}

}  // namespace
}  // namespace orbel
