#include "shell/game_files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSaveFile>

#include "game/move_lists.h"
#include "game/table.h"
#include "savegame/saved_game.h"
#include "shell/modal.h"
#include "shell/resource_ids.h"
#include "shell/texts.h"
#include "shell/translation.h"
#include "shell/window_state.h"

namespace orbel {
namespace {

// Far beyond any real game (a thousand moves a side is some 20 KB); the
// rest of a larger file is not read.
constexpr qint64 MaxSavedGameBytes = 1 << 20;

// What a file's error says when the system gives no words for it.
QString reasonOf(const QFileDevice& file) {
    return file.errorString().isEmpty() ? QCoreApplication::translate("orbel::GameFiles", "Unknown error")
                                        : file.errorString();
}

QFileDialog::AcceptMode modeOf(bool save) { return save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen; }

// The dialog both commands share: one filter, the suffix added to a name
// typed without one, the last chosen path shown again, no overwrite prompt,
// and a name that does not exist accepted by Open too.
bool chooseGameFile(const ModalRunner& modal, WindowState& state, bool save, QString& path) {
    QFileDialog dialog(&modal.window());
    //: A file dialog's filter: the pattern in brackets stays as it is.
    dialog.setNameFilter(QCoreApplication::translate("orbel::GameFiles", "Orbel Chess Saved Game Files (*.KRV)"));
    dialog.setAcceptMode(modeOf(save));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("KRV"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return runFileDialog(modal, dialog, state.fileDialogPath, path);
}

// The game in a saved file's bytes, continued against the computer.
// The game goes on by the rules the user has chosen for new games: the file
// does not say which rules it was played by.
void loadGameBytes(const BoardGame& board, const QByteArray& data, bool standardRules) {
    // What a field keeps when it cannot be read: the position and flags as
    // they are, empty lists, and the level of a new game.
    SavedGame saved = savedGameOf(board);
    saved.whiteHistory.clear();
    saved.blackHistory.clear();
    saved.level = LevelHard;
    readSavedGame(std::string_view(data.constData(), static_cast<std::size_t>(data.size())), saved);
    StandardPosition position = standardPositionOf(saved);
    position.rules = standardRules ? RuleSet::Standard : RuleSet::Orbel;
    board.table.load(position, saved.humanPlaysBlack ? Side::Black : Side::White, saved.level);
    board.lists.setFromFile(std::move(saved.whiteHistory), std::move(saved.blackHistory), saved.computerGivesCheck);
}

}  // namespace

bool runFileDialog(const ModalRunner& modal, QFileDialog& dialog, QString& lastPath, QString& path) {
    if (!lastPath.isEmpty()) {
        dialog.selectFile(lastPath);
    } else {
        // Not the program's working folder, which may be anywhere (or
        // read-only): where the user keeps documents, else home.
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        dialog.setDirectory(!documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath());
    }
    if (modal.run(dialog) != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return false;
    lastPath = path = chosen.first();
    return true;
}

bool writeWholeFile(const ModalRunner& modal, const QString& path, const QByteArray& data, const QString& failure,
                    const QString& caption) {
    // The old file is replaced only by a rename once every byte is on disk,
    // so a failed write never costs the user the file written before.
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        const auto& writer = modal.seams().saveWriter;
        ok = writer ? writer(file, data) : file.write(data) == data.size();
        if (ok) {
            ok = file.commit();
        } else {
            file.cancelWriting();
        }
    }
    if (!ok) {
        modal.box(failure.arg(path, reasonOf(file)), caption, MessageIcon::Stop);
    }
    return ok;
}

SavedGame savedGameOf(const BoardGame& board) {
    const Game& game = board.table.game();
    const Side user = board.table.userSide();
    return savedGameOf(game.position(), user, board.lists.opponentCheckMark(), board.lists.list(Side::White),
                       board.lists.list(Side::Black), game.exists() ? game.seat().level() : LevelHard);
}

bool saveGame(const ModalRunner& modal, const BoardGame& game, const QString& path) {
    const std::string bytes = writeSavedGame(savedGameOf(game));
    return writeWholeFile(modal, path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())),
                          //: %1 is a file's path, %2 what went wrong.
                          QCoreApplication::translate("orbel::GameFiles", "The game could not be saved to \"%1\":\n%2"),
                          text::tr(text::SaveFailedCaption));
}

QString runSaveGameCommand(const ModalRunner& modal, WindowState& state, const BoardGame& game) {
    QString path;
    if (chooseGameFile(modal, state, true, path) && saveGame(modal, game, path)) return path;
    return {};
}

QString runLoadGameCommand(const ModalRunner& modal, WindowState& state, const BoardGame& game) {
    QString path;
    if (!chooseGameFile(modal, state, false, path)) return {};
    QByteArray data;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) data = file.read(MaxSavedGameBytes);
    loadGameBytes(game, data, state.standardRules);
    return path;
}

QString readSavedGameFile(const QString& path, QByteArray& data, SavedGame& game) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return reasonOf(file);
    data = file.read(MaxSavedGameBytes);
    if (readSavedGame(std::string_view(data.constData(), static_cast<std::size_t>(data.size())), game) ==
        ReadStop::Board)
        return QCoreApplication::translate("orbel::GameFiles", "It is not an Orbel Chess saved game.");
    return {};
}

bool loadGameAtStart(const ModalRunner& modal, WindowState& state, const BoardGame& game, const QString& path) {
    // Read once: the bytes judged are the bytes loaded.
    QByteArray data;
    SavedGame probe;
    const QString reason = readSavedGameFile(path, data, probe);
    if (!reason.isEmpty()) {
        //: %1 is a file's path, %2 what went wrong.
        modal.box(QCoreApplication::translate("orbel::GameFiles", "The game could not be loaded from \"%1\":\n%2")
                      .arg(path, reason),
                  QCoreApplication::translate("orbel::GameFiles", "Load Game"), MessageIcon::Stop);
        return false;
    }
    state.fileDialogPath = QFileInfo(path).absoluteFilePath();
    loadGameBytes(game, data, state.standardRules);
    return true;
}

}  // namespace orbel
