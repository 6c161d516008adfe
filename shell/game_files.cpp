#include "shell/game_files.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include "game/new_game.h"
#include "game/one_player.h"
#include "game/texts.h"
#include "game/window_messages.h"
#include "savegame/saved_game.h"
#include "shell/main_window.h"

namespace orbel {
namespace {

// Far beyond any real game (a thousand moves a side is some 20 KB); the
// rest of a larger file is not read.
constexpr qint64 MaxSavedGameBytes = 1 << 20;

SavedGame savedGameOf(const UiState& ui) {
    SavedGame saved;
    saved.displayBoard = ui.game.displayBoard;
    saved.humanPlaysBlack = ui.humanPlaysBlack;
    saved.humanCastleKingSide = ui.game.humanCastle.canCastleShort;
    saved.humanCastleQueenSide = ui.game.humanCastle.canCastleLong;
    saved.computerGivesCheck = ui.game.computerMove.givesCheck != 0;
    saved.whiteHistory = ui.game.whiteHistory;
    saved.blackHistory = ui.game.blackHistory;
    saved.level = ui.game.currentGame ? ui.game.currentGame->level : LevelHard;
    return saved;
}

QFileDialog::AcceptMode modeOf(bool save) { return save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen; }

// The dialog both commands share: one filter, the suffix added to a name
// typed without one, the last chosen path shown again, no overwrite prompt,
// and a name that does not exist accepted by Open too.
bool chooseGameFile(MainWindow& w, bool save, QString& path) {
    QFileDialog dialog(&w);
    dialog.setNameFilter(QStringLiteral("Orbel Chess Saved Game Files (*.KRV)"));
    dialog.setAcceptMode(modeOf(save));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("KRV"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return runFileDialog(w, dialog, w.ui().fileDialogPath, path);
}

}  // namespace

bool runFileDialog(MainWindow& w, QFileDialog& dialog, QString& lastPath, QString& path) {
    if (!lastPath.isEmpty()) dialog.selectFile(lastPath);
    if (w.runDialog(dialog) != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return false;
    lastPath = path = chosen.first();
    return true;
}

bool writeWholeFile(MainWindow& w, const QString& path, const QByteArray& data, const QString& failure,
                    const QString& caption) {
    // The old file is replaced only by a rename once every byte is on disk,
    // so a failed write never costs the user the file written before.
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        const auto& writer = w.seams().saveWriter;
        ok = writer ? writer(file, data) : file.write(data) == data.size();
        if (ok) {
            ok = file.commit();
        } else {
            file.cancelWriting();
        }
    }
    if (!ok) {
        const QString reason = file.errorString().isEmpty() ? QStringLiteral("Unknown error") : file.errorString();
        w.messageBox(&w, failure.arg(path, reason), caption, MessageIcon::Stop);
    }
    return ok;
}

bool saveGame(MainWindow& w, const QString& path) {
    const std::string bytes = writeSavedGame(savedGameOf(w.ui()));
    return writeWholeFile(w, path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())),
                          QStringLiteral("The game could not be saved to \"%1\":\n%2"),
                          QString::fromUtf8(text::SaveFailedCaption));
}

namespace {

// The game in a saved file's bytes, continued in the window.
void loadGameBytes(MainWindow& w, const QByteArray& data) {
    UiState& ui = w.ui();
    GameRecord& g = ui.game;
    // What a field keeps when it cannot be read: the position and flags as
    // they are, empty lists, and the level of a new game.
    SavedGame saved = savedGameOf(ui);
    saved.whiteHistory.clear();
    saved.blackHistory.clear();
    saved.level = LevelHard;  // a new game object's
    readSavedGame(std::string_view(data.constData(), static_cast<std::size_t>(data.size())), saved);

    ui.humanPlaysBlack = saved.humanPlaysBlack;
    g.newGame(saved.humanPlaysBlack);
    g.humanCastle = UserCastlingRights{saved.humanCastleKingSide, saved.humanCastleQueenSide};
    // The last-move frame would mark a move of the game that was showing.
    g.computerMove = noMoveRecord();
    g.computerMove.givesCheck = saved.computerGivesCheck ? 1 : 0;
    g.displayBoard = saved.displayBoard;
    g.currentGame->board = saved.displayBoard;
    g.whiteHistory = std::move(saved.whiteHistory);
    g.blackHistory = std::move(saved.blackHistory);
    g.currentGame->level = saved.level;
    g.beginMovesAt(standardPositionOf(saved));
    ui.gameMode = PlayMode::OnePlayer;
    // The opponent of a network game shown before is no player of this one.
    ui.opponentName.clear();
    // The position before the last move belongs to the game that was
    // showing, not to the one just loaded.
    w.enableCommand(cmd::UndoMove, false);
}

// What Load Game does once the game is read.
void continueLoadedGame(MainWindow& w) {
    w.installMode(onePlayerProc);
    w.invalidate();
    w.invalidateHistoryPanes();
}

}  // namespace

void loadGame(MainWindow& w, const QString& path) {
    QByteArray data;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) data = file.read(MaxSavedGameBytes);
    loadGameBytes(w, data);
}

void runSaveGameCommand(MainWindow& w) {
    QString path;
    if (chooseGameFile(w, true, path)) saveGame(w, path);
}

void runLoadGameCommand(MainWindow& w) {
    QString path;
    if (!chooseGameFile(w, false, path)) return;
    loadGame(w, path);
    continueLoadedGame(w);
}

QString readSavedGameFile(const QString& path, QByteArray& data, SavedGame& game) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString().isEmpty() ? QStringLiteral("Unknown error") : file.errorString();
    }
    data = file.read(MaxSavedGameBytes);
    if (readSavedGame(std::string_view(data.constData(), static_cast<std::size_t>(data.size())), game) ==
        ReadStop::Board)
        return QStringLiteral("It is not an Orbel Chess saved game.");
    return {};
}

bool loadGameAtStart(MainWindow& w, const QString& path) {
    // Read once: the bytes judged are the bytes loaded.
    QByteArray data;
    SavedGame probe;
    const QString reason = readSavedGameFile(path, data, probe);
    if (!reason.isEmpty()) {
        w.messageBox(&w, QStringLiteral("The game could not be loaded from \"%1\":\n%2").arg(path, reason),
                     QStringLiteral("Load Game"), MessageIcon::Stop);
        return false;
    }
    w.ui().fileDialogPath = QFileInfo(path).absoluteFilePath();
    loadGameBytes(w, data);
    continueLoadedGame(w);
    return true;
}

}  // namespace orbel
