#include "game/clock/clocks.h"

#include <QElapsedTimer>
#include <algorithm>
#include <memory>
#include <utility>

namespace orbel {
namespace {

std::size_t index(Side side) { return static_cast<std::size_t>(side); }

}  // namespace

Clocks::Clocks(Game& game, QObject* parent) : QObject(parent), game_(game) {
    auto steady = std::make_shared<QElapsedTimer>();
    steady->start();
    now_ = [steady] { return steady->elapsed(); };
    tick_.setSingleShot(true);
    // A coarse timer may wake early, before the display changes, and then
    // once more; a precise one wakes once for each change.
    tick_.setTimerType(Qt::PreciseTimer);
    connect(&tick_, &QTimer::timeout, this, &Clocks::check);
    connect(&game, &Game::begun, this, &Clocks::begun);
    connect(&game, &Game::movePlayed, this, &Clocks::moved);
    connect(&game, &Game::gameEnded, this, &Clocks::stop);
    connect(&game, &Game::takenBack, this, [this] { takenBack(game_.plays().size()); });
    connect(&game, &Game::moveTakenBack, this, [this] { takenBack(readings_.empty() ? 0 : readings_.size() - 1); });
}

void Clocks::setNow(GameClock::Now now) { now_ = std::move(now); }

const TimeControl& Clocks::control() const {
    static const TimeControl none;
    return clock_ ? clock_->control() : none;
}

std::optional<Side> Clocks::running() const { return clock_ && !over_ ? clock_->running() : std::nullopt; }

void Clocks::begun(GameStart how) {
    // A saved game or a game read from a text keeps no clock.
    const TimeControl control = once_.value_or(next_);
    once_.reset();
    clock_.reset();
    readings_.clear();
    over_ = flagSaid_ = held_ = false;
    if (how == GameStart::New && !control.none()) {
        clock_.emplace(control, now_);
        // A warning is for time running down to it, not for a game begun below it.
        for (const Side side : {Side::White, Side::Black})
            for (std::size_t i = 0; i < Warnings.size(); ++i)
                warned_[index(side)][i] = clock_->remaining(side) <= Warnings[i];
    }
    schedule();
    emit changed();
}

void Clocks::moved(const PlayedMove& move) {
    // Play that goes on past the end of a game is not timed.
    if (!clock_ || over_) {
        readings_.clear();
        return;
    }
    if (clock_->flagFallen()) {
        // A network opponent's own clock counts for its time: its move came
        // in time by that clock, and its reading follows. Anyone else's
        // move after its time ran out, before the clock was looked at: the
        // flag counts.
        if (move.by != PlayerKind::Remote) {
            check();
            return;
        }
        clock_->setRemaining(move.mover, 1);
        flagSaid_ = false;
    }
    if (clock_->paused() && !held_) clock_->resume();
    clock_->moved(move.mover);
    readings_.push_back(clock_->remaining(move.mover));
    schedule();
    emit changed();
}

void Clocks::takenBack(std::size_t plies) {
    if (!clock_) return;
    while (readings_.size() > plies) {
        clock_->undo();
        readings_.pop_back();
    }
    // The game is open again, and so are its clocks.
    over_ = flagSaid_ = false;
    schedule();
    emit changed();
}

void Clocks::stop() {
    if (!clock_) return;
    if (!clock_->flagFallen()) clock_->pause();
    over_ = true;
    tick_.stop();
    emit changed();
}

void Clocks::hold(bool on) {
    held_ = on;
    on ? pause() : resume();
}

void Clocks::pause() {
    if (!clock_ || over_) return;
    clock_->pause();
    tick_.stop();
    emit changed();
}

void Clocks::resume() {
    if (!clock_ || over_ || !clock_->paused()) return;
    clock_->resume();
    schedule();
    emit changed();
}

Clocks::Taken Clocks::takeReading(Side side, std::int64_t ms) {
    Taken taken;
    if (!clock_ || readings_.empty()) return taken;
    const std::int64_t counted = clock_->remaining(side);
    const std::int64_t most = clock_->ceiling(side);
    taken = {std::min(ms, most), ms - counted, ms > most};
    const bool justMoved = clock_->turn() != side;
    clock_->setRemaining(side, taken.ms);
    if (justMoved) readings_.back() = taken.ms;
    // Time left by its own clock: a flag said on this side's count was early.
    if (taken.ms > 0) flagSaid_ = false;
    schedule();
    emit changed();
    return taken;
}

void Clocks::check() {
    if (!clock_ || over_) return;
    if (const std::optional<Side> flag = clock_->flagFallen()) {
        tick_.stop();
        emit changed();
        if (!std::exchange(flagSaid_, true)) emit flagFell(*flag);
        return;
    }
    const std::optional<Side> side = clock_->running();
    if (!side) return;
    const std::int64_t left = clock_->remaining(*side);
    for (std::size_t i = 0; i < Warnings.size(); ++i) {
        bool& warned = warned_[index(*side)][i];
        if (left <= Warnings[i] && !warned) {
            warned = true;
            emit timeLow(*side, Warnings[i]);
        }
    }
    emit changed();
    schedule();
}

std::optional<std::int64_t> Clocks::untilNextChange() const {
    const std::optional<Side> side = running();
    if (!side) return std::nullopt;
    const std::int64_t left = clock_->remaining(*side);
    // The display counts tenths under ten seconds, whole seconds above; a
    // reading of exactly a whole second is shown until a millisecond later.
    const std::int64_t unit = left < TenthsBelowMs ? 100 : 1000;
    return left % unit + 1;
}

void Clocks::schedule() {
    const std::optional<std::int64_t> wait = untilNextChange();
    if (!wait) {
        tick_.stop();
        return;
    }
    tick_.start(static_cast<int>(*wait));
}

}  // namespace orbel
