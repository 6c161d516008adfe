#include "game/clock/clock_text.h"

#include <algorithm>
#include <cstdio>

namespace orbel {
namespace {

std::string counted(std::int64_t n, const char* unit) { return std::to_string(n) + ' ' + unit + (n == 1 ? "" : "s"); }

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

std::string spokenTime(std::int64_t ms) {
    ms = std::max<std::int64_t>(0, ms);
    const std::int64_t s = ms / 1000;
    if (ms < TenthsBelowMs) return std::to_string(s) + '.' + std::to_string(ms / 100 % 10) + " seconds";
    std::string words;
    const auto add = [&words](std::int64_t n, const char* unit) {
        if (n == 0) return;
        if (!words.empty()) words += ' ';
        words += counted(n, unit);
    };
    add(s / 3600, "hour");
    add(s / 60 % 60, "minute");
    // A clock of hours is heard to the minute.
    if (s < 3600) add(s % 60, "second");
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
