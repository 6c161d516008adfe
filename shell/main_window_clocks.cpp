// How the main window shows, says and sounds the clocks of a timed game,
// and what a flag falling does.
#include <QTimer>
#include <utility>

#include "game/clock/clock_text.h"
#include "shell/board_window.h"
#include "shell/main_window.h"
#include "shell/pgn_files.h"
#include "shell/resource_ids.h"
#include "shell/texts.h"
#include "shell/translation.h"

namespace orbel {
namespace {

QString spoken(std::int64_t ms) { return QString::fromStdString(spokenTime(ms, &translated)); }

// How far a network opponent's reading may stray from this side's count of
// it (the line's delay, a busy machine) before the chat says so.
constexpr std::int64_t ClockDrift = 3000;
// How long a claim on the opponent's flag waits for its copy's answer.
constexpr int ClaimWait = 10'000;

}  // namespace

void MainWindow::followTheClocks() {
    connect(&clocks_, &Clocks::changed, this, [this] {
        // A tick paints the clocks alone, straight onto what is shown; a
        // surface not made yet is painted whole when it is.
        if (!board_->surface().isNull()) paintClocks(scene(), board_->surface(), boardFont_);
        board_->showArea(clocksArea(boardFont_));
        updateClockCommands();
    });
    connect(&clocks_, &Clocks::flagFell, this, &MainWindow::flagFell);
    connect(&clocks_, &Clocks::timeLow, this, &MainWindow::timeLow);
    // A network game's clocks: this side's reading goes with each of its
    // moves (the clocks have taken the move by then), the opponent's is
    // taken from each of its, and no one's time runs while the line is down.
    network_.ownClockReading = [this]() -> std::optional<std::int64_t> {
        if (!clocks_.timed() || clocks_.readings().empty()) return std::nullopt;
        return clocks_.readings().back();
    };
    connect(&network_, &NetworkSession::peerClockRead, this, &MainWindow::peerClockRead);
    connect(&network_, &NetworkSession::flagSaid, this, &MainWindow::peerFlag);
    connect(&network_, &NetworkSession::connectionLost, this, [this] { clocks_.hold(true); });
    connect(&network_, &NetworkSession::rejoined, this, [this] { clocks_.hold(false); });
}

void MainWindow::peerClockRead(std::int64_t ms) {
    const Side them = other(table_.userSide());
    const Clocks::Taken taken = clocks_.takeReading(them, ms);
    // An answer to a claim: the opponent had time left after all.
    if (std::exchange(claiming_, false) && game_.result() == "*") setStatusText(toMoveText().chopped(1));
    const QString name = nameInSentence(network_.peerNickname);
    if (taken.clamped) {
        //: A chat line the program writes: %1 is the opponent's nickname, %2 and %3 clock readings.
        addChatLine(tr("* %1's clock read %2, more than it can have: kept at %3.")
                        .arg(name, QString::fromStdString(shownTime(ms)), QString::fromStdString(shownTime(taken.ms))),
                    false);
    } else if (taken.difference > ClockDrift || taken.difference < -ClockDrift) {
        //: A chat line the program writes: %1 is the opponent's nickname, %2 and %3 clock readings.
        addChatLine(tr("* %1's clock reads %2; this copy counted %3.")
                        .arg(name, QString::fromStdString(shownTime(taken.ms)),
                             QString::fromStdString(shownTime(taken.ms - taken.difference))),
                    false);
    }
}

void MainWindow::peerFlag(Side side) {
    if (!clocks_.timed() || game_.result() != "*") return;
    const Side own = table_.userSide();
    if (side != own) {
        // The opponent's copy says its time is up, of itself or confirming a claim.
        game_.endOnTime(side);
        return;
    }
    // A claim on this side's flag: this side's own clock decides.
    if (clocks_.remaining(own) > 0) {
        network_.sendClock(clocks_.remaining(own));
        return;
    }
    network_.sendFlag(own);
    game_.endOnTime(own);
}

void MainWindow::claimFlag(Side them) {
    network_.sendFlag(them);
    claiming_ = true;
    //: %1 is the opponent's nickname; their copy of the game must confirm.
    setStatusText(tr("%1's time is up; waiting for %1's copy to confirm")
                      .arg(nameInSentence(network_.peerNickname)));
    // A copy that neither confirms nor shows time left loses all the same.
    const int generation = game_.generation();
    const std::size_t plies = game_.plays().size();
    QTimer::singleShot(ClaimWait, this, [this, them, generation, plies] {
        if (game_.generation() != generation || game_.plays().size() != plies || game_.result() != "*") return;
        if (clocks_.remaining(them) > 0 || table_.mode() != Table::Mode::Network) return;
        //: A chat line the program writes: %1 is the opponent's nickname.
        addChatLine(tr("* %1's copy did not confirm its time was up.")
                        .arg(nameInSentence(network_.peerNickname)),
                    false);
        game_.endOnTime(them);
    });
}

void MainWindow::updateClockCommands() {
    // Pausing is for a game at this machine; a network game's clocks are
    // both players'.
    const bool shown = clocks_.timed() && table_.mode() != Table::Mode::Network;
    QAction* pause = action(Command::PauseClocks);
    pause->setVisible(shown);
    //: A menu item.
    const QString resume = tr("Resume Cloc&ks");
    //: A menu item.
    const QString halt = tr("Pause Cloc&ks");
    pause->setText(clocks_.paused() ? resume : halt);
    commands_.setEnabled(Command::PauseClocks, shown && (clocks_.running() || clocks_.paused()));
}

void MainWindow::pauseClocks() {
    if (clocks_.paused()) {
        clocks_.resume();
        setStatusText(toMoveText().chopped(1));
        tell(tr("Clocks running."));
    } else {
        clocks_.pause();
        setStatusText(tr("Clocks paused"));
        tell(tr("Clocks paused."));
    }
}

void MainWindow::showClocks() {
    if (!clocks_.timed()) {
        tell(tr("This game has no clocks."));
        return;
    }
    const QString white = spoken(clocks_.remaining(Side::White));
    const QString black = spoken(clocks_.remaining(Side::Black));
    //: Spoken: %1 and %2 are the times left, in words.
    if (clocks_.paused()) return tell(tr("White %1. Black %2. Paused.").arg(white, black));
    //: Spoken: %1 and %2 are the times left, in words.
    tell(tr("White %1. Black %2.").arg(white, black));
}

void MainWindow::timeLow(Side side, std::int64_t warning) {
    // The computer's own clock is not the user's concern.
    if (table_.mode() == Table::Mode::OnePlayer && side != table_.userSide()) return;
    if (table_.mode() == Table::Mode::Network && side != table_.userSide()) return;
    const bool twoSides = table_.mode() == Table::Mode::TwoPlayer;
    const bool minute = warning >= 60'000;
    if (!twoSides)
        announce(minute ? tr("You have one minute left.") : tr("You have ten seconds left."));
    else if (side == Side::White)
        announce(minute ? tr("White has one minute left.") : tr("White has ten seconds left."));
    else
        announce(minute ? tr("Black has one minute left.") : tr("Black has ten seconds left."));
    if (warning < 60'000) playSound(res::LowTimeSound);
}

ExportClocks MainWindow::exportClocks() const {
    ExportClocks exported;
    if (!clocks_.timed()) return exported;
    exported.timeControl = timeControlText(clocks_.control());
    if (game_.lostOnTime()) exported.termination = "time forfeit";
    // Readings are kept for the moves since the game began, while it was timed.
    if (clocks_.readings().size() <= game_.moves().size()) exported.remainingMs = clocks_.readings();
    return exported;
}

void MainWindow::timeForfeitBox() {
    const Side loser = game_.lostOnTime().value_or(game_.position().toMove);
    const QString text = loser == Side::White ? tr("White's time is up. Black wins on time.")
                                              : tr("Black's time is up. White wins on time.");
    announce(text);
    gameOverBox(text, text::tr(text::GameOver), MessageIcon::Information, false);
}

void MainWindow::flagFell(Side side) {
    if (!game_.exists() || game_.result() != "*") return;
    if (table_.mode() == Table::Mode::Network && network_.timed()) {
        // Each copy's own clock counts for its own time: this side's flag
        // ends the game here and is said there; the opponent's is claimed.
        if (side != table_.userSide()) return claimFlag(side);
        network_.sendFlag(side);
    }
    game_.endOnTime(side);
}

}  // namespace orbel
