// A clock's time as the window shows it and as it is spoken. Standard C++ only.
#pragma once

#include <cstdint>
#include <string>

#include "rules/words.h"

namespace orbel {

// Under this much time a clock counts tenths, stands out, and its player
// hears the last warning.
inline constexpr std::int64_t TenthsBelowMs = 10'000;

// Whole seconds as "4:59" or "1:02:03"; under ten seconds, tenths too:
// "0:09.8". Rounded down, as a clock counts: it shows 0:00.0 only once the
// time is up.
std::string shownTime(std::int64_t ms);
// "4 minutes 59 seconds", "1 hour 2 minutes", "9.8 seconds"; in the
// language of `tr`, its words under the context "orbel::ClockText".
std::string spokenTime(std::int64_t ms, Translate tr = inEnglish);
// "0:02:58": PGN's %clk reading, whole seconds.
std::string clockComment(std::int64_t ms);

}  // namespace orbel
