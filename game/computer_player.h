// The computer as a player: it answers the user's move on a thread of its
// own, so the window keeps painting and shows the line it considers (the
// Brain pane) every 10 ms. Its move comes back to the window's thread as a
// queued signal carrying it; only after joining the thread is the game
// object the window's again. A failure inside the choice is reported, and the
// computer then resigns, as it does when it finds no move.
#pragma once

#include <QString>
#include <QTimer>
#include <QMetaType>
#include <memory>

#include "computer/seat.h"
#include "computer/thinking.h"
#include "game/player.h"

namespace orbel {

class Game;

class ComputerPlayer : public Player {
    Q_OBJECT
public:
    ComputerPlayer(MoveArbiter& table, Game& game, QObject* parent = nullptr);
    ~ComputerPlayer() override;

    // The user has moved: the answer is chosen on the thread.
    void yourTurn(const PlayedMove& last) override;
    // The game begins with the computer as White: its opening move, at once.
    void open();

    // From the start of the choice until its move (or resignation) is
    // handed back.
    bool thinking() const { return thinking_; }
    bool threadRunning() const { return thread_.running(); }
    // A move still on its way back is taken in now, before a network game
    // replaces the game it was chosen for.
    void settle();
    // The window is going: the thread is waited for, and nothing it hands
    // back is played.
    void stop();

    // How the move is chosen: chooseComputerMove, unless a test says otherwise.
    ThinkingThread::Choose choose;
    // The next choice finds no thread to be had (a test's).
    bool refuseNextThread = false;

signals:
    // From the thread, as its last act: its choice, queued to the window's thread.
    void chosen(orbel::MoveRecord move, orbel::ChoiceOutcome outcome);
    void thinkingStarted();
    // The interface is the user's again; the move follows.
    void thinkingEnded();
    void brainChanged(const QString& text);
    // Something failed inside the choice: the computer resigns after this.
    void failed();

private:
    void handBack(const MoveRecord& move, ChoiceOutcome outcome);
    void brainTick();

    Game& game_;
    ThinkingThread thread_;
    std::shared_ptr<TopSeat> seat_;
    QTimer brainTimer_;
    bool thinking_ = false;
    // The thread's move waits to be handed back (once, however it arrives).
    bool handBackPending_ = false;
    bool stopped_ = false;
};

}  // namespace orbel

Q_DECLARE_METATYPE(orbel::MoveRecord)
Q_DECLARE_METATYPE(orbel::ChoiceOutcome)
