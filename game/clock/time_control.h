// A time control as a value, and its text: PGN's TimeControl notation, which
// the settings keep (`timeControl`) and PGN exports. Standard C++ only.
//
//   "-"                 no clock
//   "60"                sudden death: 60 s for the whole game
//   "180+2"             3 minutes, 2 s added after each move (from move 1)
//   "40/5400:1800"      40 moves in 90 minutes, then 30 minutes for the rest
//   "300d3"             5 minutes with a 3 s delay (Bronstein: what a move
//                       used of the 3 s is given back, never more)
//   "300+2|180+2"       White's control, then Black's: a handicap
// A period is "[moves/]seconds[+increment|dincrement]"; periods are joined by
// ":", the last one (without moves) lasting the rest of the game.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rules/position.h"

namespace orbel {

struct ClockPeriod {
    // Moves in the period; 0 for the rest of the game.
    int moves = 0;
    std::int64_t ms = 0;
    // Added after each move of the period (Fischer), or given back up to
    // this much of what the move used (Bronstein delay).
    std::int64_t incrementMs = 0;
    bool delay = false;
    bool operator==(const ClockPeriod&) const = default;
};

struct SideControl {
    static constexpr std::size_t MostPeriods = 4;
    std::array<ClockPeriod, MostPeriods> periods{};
    std::size_t count = 0;
    bool operator==(const SideControl&) const = default;
};

struct TimeControl {
    // Indexed by Side; both empty: no clock.
    std::array<SideControl, 2> sides{};
    bool none() const { return sides[0].count == 0; }
    const SideControl& of(Side side) const { return sides[static_cast<std::size_t>(side)]; }
    bool operator==(const TimeControl&) const = default;
};

// Nothing for a text that is not a time control as above, or one beyond
// sense (over 24 hours a period, 10 minutes an increment, 200 moves).
std::optional<TimeControl> readTimeControl(std::string_view text);
std::string timeControlText(const TimeControl& control);

}  // namespace orbel
