// A game against a chess engine of another maker: its thinking shown as the
// computer's is, its line in the Brain pane, its clock given to it in a
// timed game, and its failure told once with the built-in computer offered
// to finish the game; and Options > Engines....
#include <QFileDialog>
#include <QLabel>

#include "shell/engines_dialog.h"
#include "shell/main_window.h"

namespace orbel {

void MainWindow::followTheEngine() {
    EnginePlayer& engine = table_.engine();
    connect(&engine, &EnginePlayer::thinkingStarted, this, [this] {
        enableGameCommands(false);
        // Its search can be stopped: Undo takes the user's move back at once.
        commands_.setEnabled(Command::UndoMove, true);
        frameFrom_ = frameTo_ = -1;
        updateCursor();
    });
    connect(&engine, &EnginePlayer::thinkingEnded, this, &MainWindow::thinkingEnded);
    connect(&engine, &EnginePlayer::brainChanged, this, &MainWindow::showBrain);
    connect(&engine, &EnginePlayer::failed, this, &MainWindow::engineFailed);
    engine.limits = [this] { return engineLimits(); };
    hints_.engines = [this] {
        std::vector<UciEngine::Program> programs;
        for (const EngineList::Entry& entry : engines_.entries()) programs.push_back(entry.program);
        return programs;
    };
}

void MainWindow::engineFailed(const QString& why) {
    //: The caption of an engine's failure box when the engine gave no name.
    const QString name = table_.engine().name().isEmpty() ? tr("Engine") : table_.engine().name();
    updateCursor();
    if (game_.result() != "*") return modal_.box(why, name, MessageIcon::Exclamation);
    // The game stays on the board whatever the answer: to be saved, exported
    // or finished by the built-in computer.
    if (modal_.ask(tr("%1\n\nShall the computer finish the game?").arg(why), name, MessageIcon::Exclamation))
        table_.letTheComputerFinish();
    updateCursor();
}

std::optional<uci::GoLimits> MainWindow::engineLimits() const {
    if (!clocks_.timed()) return std::nullopt;
    uci::GoLimits go;
    go.clocks = true;
    go.whiteMs = clocks_.remaining(Side::White);
    go.blackMs = clocks_.remaining(Side::Black);
    // The increment of a side's first period; a delay gives nothing to count on.
    const auto increment = [this](Side side) -> long long {
        const SideControl& control = clocks_.control().of(side);
        return control.count > 0 && !control.periods[0].delay ? control.periods[0].incrementMs : 0;
    };
    go.whiteIncrementMs = increment(Side::White);
    go.blackIncrementMs = increment(Side::Black);
    return go;
}

void MainWindow::showEngines() {
    const auto chooseProgram = [this](QWidget* owner) {
        QFileDialog dialog(owner, tr("Add an Engine"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setFilter(QDir::AllEntries | QDir::Executable | QDir::AllDirs | QDir::NoDotAndDotDot);
        dialog.setDirectory(QStringLiteral("/usr/games"));
        if (modal_.run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().first();
    };
    const auto tell = [this](const QString& why) {
        modal_.box(why, tr("Engines"), MessageIcon::Exclamation);
    };
    EnginesDialog dialog(engines_, chooseProgram, tell, this);
    modal_.run(dialog);
}

}  // namespace orbel
