#include "game/clock/clock_text.h"

#include <algorithm>
#include <cstdio>

namespace orbel {
namespace {

// The contexts of the translators' texts. Looked up by name, not by a
// literal: lupdate would take tr("orbel::...", ...) for a text of its own.
constexpr const char* ClockContext = "orbel::ClockText";

// A count of one unit of time, heard when a clock is read out: the singular
// and the plural template of each ("1 minute", "%1 minutes").
struct Unit {
    const char* one;
    const char* many;
};
constexpr Unit Hours{ORBEL_WORD("orbel::ClockText", "1 hour"), ORBEL_WORD("orbel::ClockText", "%1 hours")};
constexpr Unit Minutes{ORBEL_WORD("orbel::ClockText", "1 minute"), ORBEL_WORD("orbel::ClockText", "%1 minutes")};
constexpr Unit Seconds{ORBEL_WORD("orbel::ClockText", "1 second"), ORBEL_WORD("orbel::ClockText", "%1 seconds")};

std::string counted(std::int64_t n, const Unit& unit, Translate tr) {
    if (n == 1) return tr(ClockContext, unit.one);
    return fill(tr(ClockContext, unit.many), {std::to_string(n)});
}

}  // namespace

std::string shownTime(std::int64_t ms) {
    ms = std::max<std::int64_t>(0, ms);
    const std::int64_t s = ms / 1000;
    char text[32];
    if (s >= 3600) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                      static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
    } else if (ms >= TenthsBelowMs) {
        std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(s / 60), static_cast<long long>(s % 60));
    } else {
        std::snprintf(text, sizeof text, "0:0%lld.%lld", static_cast<long long>(s),
                      static_cast<long long>(ms / 100 % 10));
    }
    return text;
}

std::string spokenTime(std::int64_t ms, Translate tr) {
    ms = std::max<std::int64_t>(0, ms);
    const std::int64_t s = ms / 1000;
    if (ms < TenthsBelowMs) {
        // Seconds and tenths, "9.8 seconds": a language may write the point as a comma.
        return fill(tr(ClockContext, ORBEL_WORD("orbel::ClockText", "%1.%2 seconds")),
                    {std::to_string(s), std::to_string(ms / 100 % 10)});
    }
    std::string words;
    const auto add = [&words, tr](std::int64_t n, const Unit& unit) {
        if (n == 0) return;
        if (!words.empty()) words += ' ';
        words += counted(n, unit, tr);
    };
    add(s / 3600, Hours);
    add(s / 60 % 60, Minutes);
    // A clock of hours is heard to the minute.
    if (s < 3600) add(s % 60, Seconds);
    return words;
}

std::string clockComment(std::int64_t ms) {
    const std::int64_t s = std::max<std::int64_t>(0, ms) / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                  static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
    return text;
}

}  // namespace orbel
