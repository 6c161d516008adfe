#include "game/clock/game_clock.h"

#include <algorithm>
#include <tuple>

namespace orbel {

GameClock::GameClock(const TimeControl& control, Now now) : control_(control), now_(std::move(now)) {
    for (const Side side : {Side::White, Side::Black}) {
        const SideControl& own = control_.of(side);
        state_.sides[index(side)].ms = own.count > 0 ? own.periods[0].ms : 0;
    }
}

std::int64_t GameClock::charged(Side side) const {
    if (running_ != side) return 0;
    const std::int64_t used = paused_ ? usedBeforePause_ : usedBeforePause_ + (now_() - since_);
    const SideState& s = state_.sides[index(side)];
    const ClockPeriod& period = control_.of(side).periods[s.period];
    // A delay's allowance is spent first and never adds time.
    return period.delay ? std::max<std::int64_t>(0, used - period.incrementMs) : used;
}

std::int64_t GameClock::remaining(Side side) const {
    return std::max<std::int64_t>(0, state_.sides[index(side)].ms - charged(side));
}

std::optional<Side> GameClock::running() const {
    if (paused_ || flagFallen()) return std::nullopt;
    return running_;
}

std::optional<Side> GameClock::flagFallen() const {
    if (!running_ || control_.none()) return std::nullopt;
    return remaining(*running_) == 0 ? running_ : std::nullopt;
}

void GameClock::moved(Side mover) {
    if (control_.none() || flagFallen()) return;
    history_.push_back({state_, running_});
    SideState& s = state_.sides[index(mover)];
    const SideControl& own = control_.of(mover);
    lastCharged_ = charged(mover);
    s.ms -= lastCharged_;
    const ClockPeriod& period = own.periods[s.period];
    if (!period.delay) s.ms += period.incrementMs;
    ++s.moves;
    // The period's moves made: the next period's time is added.
    int movesBefore = 0;
    for (std::size_t i = 0; i < s.period; ++i) movesBefore += own.periods[i].moves;
    if (period.moves > 0 && s.moves == movesBefore + period.moves && s.period + 1 < own.count) {
        ++s.period;
        s.ms += own.periods[s.period].ms;
    }
    running_ = other(mover);
    since_ = now_();
    usedBeforePause_ = 0;
}

void GameClock::pause() {
    if (paused_ || !running_) return;
    usedBeforePause_ += now_() - since_;
    paused_ = true;
}

void GameClock::resume() {
    if (!paused_) return;
    paused_ = false;
    since_ = now_();
}

void GameClock::undo() {
    if (history_.empty()) return;
    std::tie(state_, running_) = history_.back();
    history_.pop_back();
    since_ = now_();
    usedBeforePause_ = 0;
}

std::int64_t GameClock::ceiling(Side side) const {
    const std::int64_t held = state_.sides[index(side)].ms;
    return running_ && running_ != side ? held + lastCharged_ : held;
}

void GameClock::setRemaining(Side side, std::int64_t ms) {
    state_.sides[index(side)].ms = std::max<std::int64_t>(0, ms) + charged(side);
}

}  // namespace orbel
