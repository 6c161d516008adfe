#include "game/computer_player.h"

#include <utility>

#include "computer/search.h"
#include "game/game.h"

namespace orbel {

ComputerPlayer::ComputerPlayer(MoveArbiter& table, Game& game, QObject* parent)
    : Player(table, PlayerKind::Computer, parent), game_(game) {
    choose = [](GameState& g, MoveRecord& result, const MoveRecord& lastUserMove) {
        return chooseComputerMove(g, result, lastUserMove);
    };
    connect(&brainTimer_, &QTimer::timeout, this, &ComputerPlayer::brainTick);
    qRegisterMetaType<orbel::MoveRecord>();
    qRegisterMetaType<orbel::ChoiceOutcome>();
    // Queued onto the window's thread: the worker never touches a widget,
    // and a window closed meanwhile takes the queued move with it.
    connect(this, &ComputerPlayer::chosen, this, &ComputerPlayer::handBack, Qt::QueuedConnection);
}

ComputerPlayer::~ComputerPlayer() { stop(); }

void ComputerPlayer::stop() {
    stopped_ = true;
    thread_.join();
}

void ComputerPlayer::open() {
    // On this thread, before the window shows the game: the opening move of
    // a game the computer plays as White takes no search.
    MoveRecord opening = noMoveRecord();
    TopSeat& seat = game_.seat();
    const StandardPosition before = game_.position();
    if (chooseComputerMove(*seat.game(), opening, TopSeat::openingMarker()) != ChoiceOutcome::Played) {
        emit failed();
        return;
    }
    table_.play(*this, seat.chosenMove(opening, before), true);
}

void ComputerPlayer::yourTurn(const PlayedMove& last) {
    thinking_ = true;
    emit thinkingStarted();
    brainTimer_.start(10);
    seat_ = game_.sharedSeat();
    const MoveRecord lastUserMove = seat_->lastMoveRecord(last.move);
    // Read on the thread that wrote them, the thread's own last act.
    auto postHandBack = [this] { emit chosen(thread_.result(), thread_.outcome()); };
    handBackPending_ = true;
    const bool refused = std::exchange(refuseNextThread, false);
    if (refused || !thread_.start(seat_->game(), lastUserMove, postHandBack, choose)) {
        // No thread to be had: the computer thinks here instead (it takes a
        // few milliseconds), and its move comes back the same way.
        thread_.chooseHere(seat_->game(), lastUserMove, choose);
        postHandBack();
    }
}

void ComputerPlayer::settle() {
    // The move takes milliseconds: waiting for the thread here is no longer
    // than a turn of the event loop would be.
    if (!handBackPending_) return;
    thread_.join();
    handBack(thread_.result(), thread_.outcome());
}

void ComputerPlayer::brainTick() {
    if (!seat_) return;
    if (const std::optional<std::string> text = seat_->brainText()) emit brainChanged(QString::fromStdString(*text));
}

void ComputerPlayer::handBack(const MoveRecord& move, ChoiceOutcome outcome) {
    // Taken in once: by the queued signal, or earlier by settle().
    if (!std::exchange(handBackPending_, false)) return;
    // The thread has ended (or is about to): only after joining it are its
    // result and the game object ours again.
    thread_.join();
    if (stopped_) return;
    // One last tick, so the pane shows the line the computer settled on even
    // when it answered between two ticks.
    brainTick();
    brainTimer_.stop();
    thinking_ = false;
    const std::shared_ptr<TopSeat> seat = std::exchange(seat_, nullptr);
    if (outcome == ChoiceOutcome::Failed) emit failed();
    emit thinkingEnded();
    // A game replaced meanwhile (the window went on to a network game) is
    // not this move's.
    if (seat != game_.sharedSeat()) return;
    if (!move.isMove()) {
        game_.end(EndReason::ComputerResigned, other(side()));
        return;
    }
    StandardPosition before = game_.position();
    before.toMove = side();
    if (!table_.play(*this, seat->chosenMove(move, before)).played()) {
        game_.end(EndReason::ComputerResigned, other(side()));
    }
}

}  // namespace orbel
