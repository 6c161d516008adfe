// The main window's menu commands beyond playing: files, games to and from
// other programs, the look of the board, the words of the position and the
// help boxes.
#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

#include "rules/standard_moves.h"
#include "shell/chat_pane.h"
#include "shell/dialogs.h"
#include "shell/game_files.h"
#include "shell/live_text.h"
#include "shell/main_window.h"
#include "shell/pgn_files.h"
#include "shell/resource_ids.h"
#include "shell/settings.h"
#include "shell/texts.h"
#include "shell/translation.h"
#include "shell/time_control_dialog.h"

namespace orbel {
namespace {

std::uint32_t toColourRef(const QColor& c) {
    return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
           (static_cast<std::uint32_t>(c.blue()) << 16);
}

}  // namespace

void MainWindow::saveGame() {
    const QString path = runSaveGameCommand(modal_, state_, {table_, lists_});
    if (!path.isEmpty()) {
        const QFileInfo file(path);
        tell(tr("Game saved as %1 in %2.").arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())));
    }
}

void MainWindow::loadGame() {
    const QString path = runLoadGameCommand(modal_, state_, {table_, lists_});
    if (path.isEmpty() || !game_.exists()) return;
    const QFileInfo file(path);
    tell(tr("Game loaded from %1 in %2. %3")
             .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()), toMoveText()));
}

bool MainWindow::loadGameAtStart(const QString& path) {
    return orbel::loadGameAtStart(modal_, state_, {table_, lists_}, path);
}

void MainWindow::exportGame() {
    runExportGameCommand(modal_, state_, table_, network_.localNickname, exportClocks());
}

void MainWindow::copyGame() { copyGameAsPgn(modal_, table_, network_.localNickname, exportClocks()); }

void MainWindow::copyPosition() { copyPositionAsFen(modal_, table_); }

bool MainWindow::mayReplaceGame() const {
    // Greyed otherwise: a game must not be replaced under the computer's
    // thread, nor a network game ended unannounced.
    return !table_.computer().thinking() && !network_.netGameActive();
}

void MainWindow::openGameText() {
    if (mayReplaceGame()) playGameText(choosePgnOrFenFile(modal_, state_));
}

void MainWindow::pasteGameText() {
    if (mayReplaceGame()) playGameText(readClipboardGame(modal_, state_.standardRules));
}

bool MainWindow::openGameFile(const QString& path) { return mayReplaceGame() && playGameText(readGameFile(modal_, path, state_.standardRules)); }

bool MainWindow::playGameText(const std::optional<ImportedGame>& game) {
    if (!game) return false;
    const int level = game_.exists() ? game_.seat().level() : LevelHard;
    // The last position of a network game that has ended may still show beside its chat.
    if (chatPane_->isVisible()) showChatPane(false);
    // The user plays the side to move at the end of the moves, which the
    // lists show in the program's notation as if each had been written in turn.
    table_.replay(game->start, game->moves, level);
    lists_.writeReplayed(game->start, game->moves);
    const StandardPosition& reached = game_.position();
    const bool check = isInCheck(reached);
    setStatusText(text::tr(game_.result() != "*"            ? text::CheckMate
                           : check                          ? text::Check
                           : reached.toMove == Side::White ? text::WhiteToMove
                                                           : text::BlackToMove));
    invalidate();
    return true;
}

void MainWindow::readPosition() { liveText_->say(keys_->positionText()); }

void MainWindow::chooseDarkSquare() { chooseSquareColour(true); }

void MainWindow::chooseLightSquare() { chooseSquareColour(false); }

void MainWindow::chooseSquareColour(bool dark) {
    std::uint32_t& colour = dark ? state_.darkSquareColor : state_.lightSquareColor;
    QColorDialog dialog(colourFromRef(colour), this);
    for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, customColours[i]);
    const int result = modal_.run(dialog);
    for (int i = 0; i < 16; ++i) customColours[i] = QColorDialog::customColor(i);
    if (result != QDialog::Accepted) return;
    colour = toColourRef(dialog.selectedColor());
    invalidate();
    writeSetting(dark ? DarkSquareKey : LightSquareKey, colour);
}

void MainWindow::originalColors() {
    state_.lightSquareColor = DefaultLightSquareColor;
    state_.darkSquareColor = DefaultDarkSquareColor;
    invalidate();
    writeSetting(DarkSquareKey, DefaultDarkSquareColor);
    writeSetting(LightSquareKey, DefaultLightSquareColor);
}

void MainWindow::choosePieceSet(int set) {
    const auto setCommand = [](int index) { return static_cast<Command>(static_cast<int>(Command::PieceSetDudidi) + index); };
    commands_.setChecked(setCommand(state_.pieceSetIndex), false);
    state_.pieceSetIndex = set;
    commands_.setChecked(setCommand(set), true);
    invalidate();
    writeSetting(PieceSetKey, set);
}

void MainWindow::showHideCoordinates() {
    state_.showCoordinates = !state_.showCoordinates;
    invalidate();
}

void MainWindow::toggleSounds() {
    bool& on = state_.sounds;
    on = !on;
    commands_.setChecked(Command::Sounds, on);
    writeSetting(SoundsKey, on ? 1 : 0);
}

void MainWindow::toggleStandardRules() {
    bool& on = state_.standardRules;
    on = !on;
    commands_.setChecked(Command::StandardRules, on);
    writeSwitchSetting(StandardRulesKey, on);
    tell(on ? tr("Standard chess rules from the next new game.") : tr("Orbel rules from the next new game."));
}

void MainWindow::toggleInternetCalls() {
    bool& on = state_.acceptInternetCalls;
    on = !on;
    commands_.setChecked(Command::AcceptInternetCalls, on);
    writeSwitchSetting(AcceptInternetCallsKey, on);
    if (!mappingOptions_) return;
    if (on) {
        // A mapping still being taken down goes first, so that it cannot
        // remove the new one.
        retiringMapper_.reset();
        startPortMapping(*mappingOptions_);
    } else {
        stopPortMapping();
    }
    tell(on ? tr("Calls from the Internet: your router is asked to let them in.")
            : tr("Calls from the Internet: no longer let in by your router."));
}

void MainWindow::chooseTimeControl(QWidget* owner, const QString& note) {
    const std::optional<TimeControl> chosen = runTimeControlDialog(modal_, state_, owner, note);
    if (!chosen) return;
    const QString text = tr("New games: %1").arg(timeControlShortName(*chosen));
    // A few seconds over the status text, which says whose move it is.
    statusBar()->showMessage(text, 5000);
    tell(text + QLatin1Char('.'));
}

void MainWindow::showKeys() {
    KeysDialog dialog(this);
    modal_.run(dialog);
}

void MainWindow::toggleAnnouncements() {
    bool& on = state_.announceMoves;
    on = !on;
    commands_.setChecked(Command::AnnounceMoves, on);
    writeSetting(AnnounceKey, on ? 1 : 0);
}

void MainWindow::directNetworkGame() {
    const auto chooseClock = [this](QWidget* over) {
        chooseTimeControl(over, tr("A copy of an older version plays without a clock."));
    };
    networkPlay_.call(state_.standardRules ? RuleSet::Standard : RuleSet::Orbel, chooseClock,
                      [this] { return state_.timeControl; });
}

void MainWindow::showNetworkAddress() { networkPlay_.showAddress(action(Command::AcceptInternetCalls)); }

void MainWindow::showInfo(bool about) {
    InfoDialog dialog(about ? InfoDialog::Kind::About : InfoDialog::Kind::WhatsNew, this);
    modal_.run(dialog);
}

}  // namespace orbel
