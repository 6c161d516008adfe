// How the main window shows, says and sounds the clocks of a timed game,
// and what a flag falling does.
#include "game/clock/clock_text.h"
#include "shell/board_window.h"
#include "shell/main_window.h"
#include "shell/pgn_files.h"
#include "shell/resource_ids.h"
#include "shell/texts.h"

namespace orbel {
namespace {

QString sideName(Side side) { return side == Side::White ? QStringLiteral("White") : QStringLiteral("Black"); }

QString spoken(std::int64_t ms) { return QString::fromStdString(spokenTime(ms)); }

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
}

void MainWindow::updateClockCommands() {
    // Pausing is for a game at this machine; a network game's clocks are
    // both players'.
    const bool shown = clocks_.timed() && table_.mode() != Table::Mode::Network;
    QAction* pause = action(Command::PauseClocks);
    pause->setVisible(shown);
    pause->setText(clocks_.paused() ? QStringLiteral("Resume Cloc&ks") : QStringLiteral("Pause Cloc&ks"));
    commands_.setEnabled(Command::PauseClocks, shown && (clocks_.running() || clocks_.paused()));
}

void MainWindow::pauseClocks() {
    if (clocks_.paused()) {
        clocks_.resume();
        setStatusText(toMoveText().chopped(1));
        tell(QStringLiteral("Clocks running."));
    } else {
        clocks_.pause();
        setStatusText(QStringLiteral("Clocks paused"));
        tell(QStringLiteral("Clocks paused."));
    }
}

void MainWindow::showClocks() {
    if (!clocks_.timed()) {
        tell(QStringLiteral("This game has no clocks."));
        return;
    }
    QString words;
    for (const Side side : {Side::White, Side::Black})
        words += QStringLiteral("%1 %2. ").arg(sideName(side), spoken(clocks_.remaining(side)));
    if (clocks_.paused()) words += QStringLiteral("Paused.");
    tell(words.trimmed());
}

void MainWindow::timeLow(Side side, std::int64_t warning) {
    // The computer's own clock is not the user's concern.
    if (table_.mode() == Table::Mode::OnePlayer && side != table_.userSide()) return;
    if (table_.mode() == Table::Mode::Network && side != table_.userSide()) return;
    const bool twoSides = table_.mode() == Table::Mode::TwoPlayer;
    const QString who = twoSides ? sideName(side) + QStringLiteral(" has ") : QStringLiteral("You have ");
    announce(who + (warning >= 60'000 ? QStringLiteral("one minute left.") : QStringLiteral("ten seconds left.")));
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
    const QString text =
        QStringLiteral("%1's time is up. %2 wins on time.").arg(sideName(loser), sideName(other(loser)));
    announce(text);
    gameOverBox(text.toUtf8().constData(), text::GameOver, MessageIcon::Information, false);
}

void MainWindow::flagFell(Side side) {
    if (!game_.exists() || game_.result() != "*") return;
    game_.endOnTime(side);
}

}  // namespace orbel
