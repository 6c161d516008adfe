// Game > Hint: the engine's best move for the player to move, drawn as an
// arrow over the board, said, and shown in the status bar until the
// position changes.
#include "game/notation/san.h"
#include "game/notation/spoken.h"
#include "shell/main_window.h"
#include "shell/translation.h"

namespace orbel {

void MainWindow::followTheHints() {
    connect(&hints_, &Hints::found, this, [this](StandardMove move) {
        hint_ = move;
        const QString san = QString::fromStdString(sanText(game_.position(), move));
        //: In the status bar; %1 is the move in algebraic notation, such as Nf3.
        showHintStatus(tr("Hint: %1").arg(san));
        //: Spoken; %1 is the move in words.
        tell(tr("Hint: %1.").arg(QString::fromStdString(spokenMove(game_.position(), move, &translated))));
        invalidate();
    });
    connect(&hints_, &Hints::failed, this, [this](const QString& why) {
        showStatusMessage({});
        modal_.box(why, tr("Hint"), MessageIcon::Exclamation);
    });
    // A hint is for the position it was asked in.
    connect(&game_, &Game::movePlayed, this, &MainWindow::forgetHint);
    connect(&game_, &Game::takenBack, this, &MainWindow::forgetHint);
    connect(&game_, &Game::begun, this, &MainWindow::forgetHint);
}

void MainWindow::showHint() {
    if (!game_.exists() || table_.mode() == Table::Mode::Network) return;
    if (table_.opponentThinking()) {
        showHintStatus(tr("Hint: wait for the computer's move"));
        return;
    }
    forgetHint();
    showHintStatus(tr("Asking the engine for a hint..."));
    hints_.ask(game_.start(), game_.moves());
}

void MainWindow::showHintStatus(const QString& text) {
    hintStatus_ = text;
    showStatusMessage(text);
}

void MainWindow::forgetHint() {
    hints_.forget();
    const QString shown = statusMessage();
    if (!shown.isEmpty() && shown == hintStatus_) showStatusMessage({});
    if (std::exchange(hint_, std::nullopt)) invalidate();
}

}  // namespace orbel
