// The two clocks of a timed game, as a plain value over an injected time
// source (milliseconds that only go forward): which side's clock runs, what
// each side has left, the period it is in, and the moves it has made.
// Standard C++ only; the window asks it ten times a second at most.
//
// As players use a clock: it starts when White has made the first move
// (Black's then runs); a move stops the mover's clock, takes the time it
// used (less a delay's allowance), adds the increment (from move 1, as FIDE
// does) and the next period's time once the period's moves are made, and
// starts the other side's. A side whose time reaches zero has lost on time.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "game/clock/time_control.h"

namespace orbel {

class GameClock {
public:
    using Now = std::function<std::int64_t()>;

    GameClock(const TimeControl& control, Now now);

    const TimeControl& control() const { return control_; }
    // What `side` has left now, never below zero.
    std::int64_t remaining(Side side) const;
    // The side whose clock runs, if any (none before the first move, none
    // while paused, none once a flag has fallen).
    std::optional<Side> running() const;
    bool started() const { return running_.has_value(); }
    // The side whose turn the clocks count, paused or flagged or not.
    std::optional<Side> turn() const { return running_; }
    bool paused() const { return paused_; }
    // The side whose time is up: the running side at zero.
    std::optional<Side> flagFallen() const;
    // How many moves `side` has made.
    int movesMade(Side side) const { return state_.sides[index(side)].moves; }

    // `mover` has moved: its clock stops and the other side's runs.
    void moved(Side mover);
    // Both clocks stop, and go on where they were.
    void pause();
    void resume();
    // The last move taken back: both clocks as they were before it, the
    // time since given back; the mover's clock runs again.
    void undo();
    // The most `side` can have now, whatever it used: its time when its
    // clock last started, with what its move since added.
    std::int64_t ceiling(Side side) const;
    // The side's clock set to a reading (a peer's own, agreed over the wire).
    void setRemaining(Side side, std::int64_t ms);

private:
    struct SideState {
        std::int64_t ms = 0;
        int moves = 0;
        std::size_t period = 0;
    };
    struct State {
        std::array<SideState, 2> sides{};
    };
    static std::size_t index(Side side) { return static_cast<std::size_t>(side); }
    // The time the running side has used since its clock started, less what
    // a delay gives back.
    std::int64_t charged(Side side) const;

    TimeControl control_;
    Now now_;
    State state_;
    std::optional<Side> running_;
    std::int64_t since_ = 0;
    bool paused_ = false;
    std::int64_t usedBeforePause_ = 0;
    std::int64_t lastCharged_ = 0;
    // What each move changed, for undo.
    std::vector<std::pair<State, std::optional<Side>>> history_;
};

}  // namespace orbel
