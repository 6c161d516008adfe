// The clocks of the game on the board: the control a new game gets, the two
// clocks while it is played (following the game's moves, takebacks and end),
// the reading after each kept move that PGN exports, and the moments the
// window shows, says or sounds: a clock's display changing, a side's time
// running low, a flag falling. Lives on the window's thread and wakes only
// when a running clock's display is due to change: ten times a second at
// most, once a second above ten seconds.
#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/clock/clock_text.h"
#include "game/clock/game_clock.h"
#include "game/game.h"

namespace orbel {

class Clocks : public QObject {
    Q_OBJECT
public:
    // The moments a side's time is called out, in ms left.
    static constexpr std::array<std::int64_t, 2> Warnings = {60'000, TenthsBelowMs};

    explicit Clocks(Game& game, QObject* parent = nullptr);

    // The time source: ms that only go forward (a steady clock unless a test
    // sets its own).
    void setNow(GameClock::Now now);
    // What new games get (the user's setting), and a control for the next
    // game alone (a network game's agreed one), which then lapses.
    void setNextControl(const TimeControl& control) { next_ = control; }
    const TimeControl& nextControl() const { return next_; }
    void setControlForNextGame(const TimeControl& control) { once_ = control; }

    // Whether the game on the board has clocks.
    bool timed() const { return clock_.has_value(); }
    const TimeControl& control() const;
    std::int64_t remaining(Side side) const { return clock_ ? clock_->remaining(side) : 0; }
    // The side whose clock runs now, if any.
    std::optional<Side> running() const;
    bool paused() const { return clock_ && clock_->paused(); }
    // The mover's time left after each kept move (Game::moves()), for PGN.
    const std::vector<std::int64_t>& readings() const { return readings_; }

    // Both clocks stop and go on from where they were (Pause and Resume). A
    // move while paused starts them again.
    void pause();
    void resume();
    // Both clocks stop while a network game's line is down, and a move made
    // meanwhile does not start them: no one's time runs until it is back.
    void hold(bool on);

    // A network opponent's own reading (its clock is the one that counts for
    // its time), after its move or in answer to a claim on its flag: taken
    // no higher than it can have (GameClock::ceiling). Returns the reading
    // taken and how far it was from this side's own count.
    struct Taken {
        std::int64_t ms = 0;
        std::int64_t difference = 0;
        bool clamped = false;
    };
    Taken takeReading(Side side, std::int64_t ms);

    // Looks at the running clock now: a flag, a warning, the next wake.
    void check();
    // How long until a running clock's display changes (nothing: no clock runs).
    std::optional<std::int64_t> untilNextChange() const;

signals:
    // What a clock shows has changed (a tick, a move, a pause).
    void changed();
    // `side`'s time is up. Said once; the window decides what it means.
    void flagFell(orbel::Side side);
    // `side` has come down to one of the Warnings, once each a game.
    void timeLow(orbel::Side side, std::int64_t warning);

private:
    void begun(GameStart how);
    void moved(const PlayedMove& move);
    void takenBack(std::size_t plies);
    void stop();
    void schedule();

    Game& game_;
    GameClock::Now now_;
    TimeControl next_;
    std::optional<TimeControl> once_;
    std::optional<GameClock> clock_;
    // A flag has fallen, or the game ended: the clocks stand still.
    bool over_ = false;
    bool flagSaid_ = false;
    bool held_ = false;
    std::vector<std::int64_t> readings_;
    // What each move's clock reading was before it, for takeReading.
    std::int64_t beforeMove_ = 0;
    std::array<std::array<bool, 2>, 2> warned_{};
    QTimer tick_;
};

}  // namespace orbel
