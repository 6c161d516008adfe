#include "game/clock/time_control.h"

#include <charconv>

namespace orbel {
namespace {

constexpr std::int64_t MostPeriodSeconds = 24 * 3600;
constexpr std::int64_t MostIncrementSeconds = 600;
constexpr int MostMoves = 200;

// Digits only, up to `most`; the text must be used up.
std::optional<std::int64_t> number(std::string_view text, std::int64_t most) {
    std::int64_t value = 0;
    if (text.empty() || text.size() > 6 || text.front() == '+' || text.front() == '-') return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > most) return std::nullopt;
    return value;
}

std::optional<ClockPeriod> readPeriod(std::string_view text) {
    ClockPeriod period;
    if (const std::size_t slash = text.find('/'); slash != std::string_view::npos) {
        const std::optional<std::int64_t> moves = number(text.substr(0, slash), MostMoves);
        if (!moves || *moves == 0) return std::nullopt;
        period.moves = static_cast<int>(*moves);
        text.remove_prefix(slash + 1);
    }
    const std::size_t mark = text.find_first_of("+d");
    if (mark != std::string_view::npos) {
        const std::optional<std::int64_t> increment = number(text.substr(mark + 1), MostIncrementSeconds);
        if (!increment) return std::nullopt;
        period.incrementMs = *increment * 1000;
        period.delay = text[mark] == 'd';
    }
    const std::optional<std::int64_t> seconds = number(text.substr(0, mark), MostPeriodSeconds);
    if (!seconds || (*seconds == 0 && period.incrementMs == 0)) return std::nullopt;
    period.ms = *seconds * 1000;
    return period;
}

std::optional<SideControl> readSide(std::string_view text) {
    SideControl side;
    while (true) {
        const std::size_t colon = text.find(':');
        const std::optional<ClockPeriod> period = readPeriod(text.substr(0, colon));
        if (!period || side.count == SideControl::MostPeriods) return std::nullopt;
        side.periods[side.count++] = *period;
        if (colon == std::string_view::npos) break;
        // Only the last period lasts the rest of the game.
        if (period->moves == 0) return std::nullopt;
        text.remove_prefix(colon + 1);
    }
    return side;
}

std::string sideText(const SideControl& side) {
    std::string text;
    for (std::size_t i = 0; i < side.count; ++i) {
        const ClockPeriod& p = side.periods[i];
        if (i > 0) text += ':';
        if (p.moves > 0) text += std::to_string(p.moves) + '/';
        text += std::to_string(p.ms / 1000);
        if (p.incrementMs > 0) text += (p.delay ? "d" : "+") + std::to_string(p.incrementMs / 1000);
    }
    return text;
}

}  // namespace

std::optional<TimeControl> readTimeControl(std::string_view text) {
    TimeControl control;
    if (text == "-") return control;
    const std::size_t bar = text.find('|');
    const std::optional<SideControl> white = readSide(text.substr(0, bar));
    const std::optional<SideControl> black = bar == std::string_view::npos ? white : readSide(text.substr(bar + 1));
    if (!white || !black) return std::nullopt;
    control.sides = {*white, *black};
    return control;
}

std::string timeControlText(const TimeControl& control) {
    if (control.none()) return "-";
    const std::string white = sideText(control.sides[0]), black = sideText(control.sides[1]);
    return white == black ? white : white + '|' + black;
}

}  // namespace orbel
