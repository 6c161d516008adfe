#include "shell/pgn_files.h"

#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QSysInfo>
#include <cstdio>
#include <string_view>

#include "game/new_game.h"
#include "game/one_player.h"
#include "savegame/fen.h"
#include "savegame/pgn.h"
#include "savegame/saved_game.h"
#include "shell/game_files.h"
#include "shell/main_window.h"

namespace orbel {
namespace {

constexpr const char* ExportCaption = "Export Game (PGN)";
constexpr const char* CopyGameCaption = "Copy Game as PGN";
constexpr const char* CopyPositionCaption = "Copy Position as FEN";
constexpr const char* OpenCaption = "Open PGN or FEN";
constexpr const char* PasteCaption = "Paste Position or Game";

QString qs(const char* text) { return QString::fromUtf8(text); }
QString qs(const std::string& text) { return QString::fromStdString(text); }
std::string_view bytesOf(const QByteArray& data) {
    return std::string_view(data.constData(), static_cast<std::size_t>(data.size()));
}

// PGN's mark for a name nobody gave.
std::string nameOrUnknown(const QString& name) { return name.isEmpty() ? "?" : name.toStdString(); }

std::string computerName(int level) {
    const char* name = level == LevelEasy ? "Easy" : level == LevelMedium ? "Medium" : "Hard";
    return std::string("Computer (") + name + ")";
}

// Site and Date: this machine, today.
PgnTags tagsHereAndNow() {
    PgnTags tags;
    tags.site = nameOrUnknown(QSysInfo::machineHostName());
    tags.date = QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")).toStdString();
    return tags;
}

PgnTags tagsOfPlayers(bool userPlaysBlack, const std::string& user, const std::string& opponent) {
    PgnTags tags = tagsHereAndNow();
    tags.white = userPlaysBlack ? opponent : user;
    tags.black = userPlaysBlack ? user : opponent;
    return tags;
}

// The tags of the game on the board, by the way it was begun.
PgnTags tagsOf(MainWindow& w) {
    const UiState& ui = w.ui();
    std::string user = "Player", opponent = "Player";
    if (ui.gameMode == PlayMode::OnePlayer) {
        opponent = computerName(ui.game.currentGame ? ui.game.currentGame->level : LevelHard);
    } else if (ui.gameMode == PlayMode::Network) {
        user = nameOrUnknown(w.network().localNickname);
        opponent = nameOrUnknown(ui.opponentName);
    }
    PgnTags tags = tagsOfPlayers(ui.humanPlaysBlack, user, opponent);
    tags.result = ui.game.result;
    return tags;
}

// Read on the window's thread only, where every move is kept: safe while the
// computer thinks.
PgnExport exportedGame(MainWindow& w) {
    const GameRecord& g = w.ui().game;
    return writePgn(g.start, g.moves, tagsOf(w));
}

// Before the first game is set up the board is empty: nothing to give away.
bool gameOnBoard(MainWindow& w, const char* caption) {
    if (w.ui().game.currentGame) return true;
    w.messageBox(&w, QStringLiteral("There is no game on the board yet."), qs(caption), MessageIcon::Information);
    return false;
}

void tellIfPartial(MainWindow& w, const PgnExport& exported, const char* caption) {
    if (exported.partialReason.empty()) return;
    w.messageBox(&w,
                 qs(exported.partialReason) +
                     QStringLiteral("\n\nThe rest of the game stays on the board and in a saved game (*.KRV)."),
                 qs(caption), MessageIcon::Information);
}

// `text` as the game to play, or a box: `refusal`, then the reason.
bool openGameText(MainWindow& w, const QByteArray& text, const QString& refusal, const char* caption) {
    // Greyed then; a game must not be replaced under the computer's thread
    // nor a network game ended unannounced.
    if (w.ui().computerThinking || w.network().netGameActive()) return false;
    ImportedGame game;
    const std::string error = text.size() > MaxGameTextBytes ? "It is larger than 1 MB, more than any game needs."
                                                            : readGameText(bytesOf(text), game);
    if (!error.empty()) {
        w.messageBox(&w, refusal + QLatin1Char('\n') + qs(error), qs(caption), MessageIcon::Exclamation);
        return false;
    }
    const int level = w.ui().game.currentGame ? w.ui().game.currentGame->level : LevelHard;
    // The last position of a network game that has ended may still show beside its chat.
    if (w.chatPane()->isVisible()) w.showChatPane(false);
    w.installMode(onePlayerProc);
    startImportedGame(w, game.start, game.moves, level);
    return true;
}

}  // namespace

void runExportGameCommand(MainWindow& w) {
    if (!gameOnBoard(w, ExportCaption)) return;
    QFileDialog dialog(&w, qs(ExportCaption));
    dialog.setNameFilter(QStringLiteral("PGN Files (*.pgn)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pgn"));
    QString path;
    if (!runFileDialog(w, dialog, w.ui().pgnDialogPath, path)) return;
    // Made after the dialog: the computer's answer may have come in meanwhile.
    const PgnExport exported = exportedGame(w);
    if (writeWholeFile(w, path, QByteArray::fromStdString(exported.text),
                       QStringLiteral("The game could not be exported to \"%1\":\n%2"), qs(ExportCaption)))
        tellIfPartial(w, exported, ExportCaption);
}

void copyGameAsPgn(MainWindow& w) {
    if (!gameOnBoard(w, CopyGameCaption)) return;
    const PgnExport exported = exportedGame(w);
    QGuiApplication::clipboard()->setText(qs(exported.text));
    tellIfPartial(w, exported, CopyGameCaption);
}

void copyPositionAsFen(MainWindow& w) {
    if (!gameOnBoard(w, CopyPositionCaption)) return;
    const StandardPosition& position = w.ui().game.current;
    QGuiApplication::clipboard()->setText(qs(writeFen(position)));
    if (const char* problem = positionProblem(position)) {
        w.messageBox(&w, QStringLiteral("Other chess programs may refuse this position: %1.").arg(qs(problem)),
                     qs(CopyPositionCaption), MessageIcon::Information);
    }
}

void runOpenGameTextCommand(MainWindow& w) {
    QFileDialog dialog(&w, qs(OpenCaption));
    dialog.setNameFilters({QStringLiteral("PGN and FEN Files (*.pgn *.fen)"), QStringLiteral("All Files (*)")});
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    QString path;
    if (runFileDialog(w, dialog, w.ui().pgnDialogPath, path)) openGameFile(w, path);
}

bool openGameFile(MainWindow& w, const QString& path) {
    const QString refusal = QStringLiteral("No game was opened from \"%1\":").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString reason = file.errorString().isEmpty() ? QStringLiteral("Unknown error") : file.errorString();
        w.messageBox(&w, refusal + QLatin1Char('\n') + reason, qs(OpenCaption), MessageIcon::Exclamation);
        return false;
    }
    // One byte past the limit tells a file too large, whatever size it claims.
    return openGameText(w, file.read(MaxGameTextBytes + 1), refusal, OpenCaption);
}

void pastePositionOrGame(MainWindow& w) {
    openGameText(w, QGuiApplication::clipboard()->text().toUtf8(),
                 QStringLiteral("The clipboard holds no game or position to play:"), PasteCaption);
}

int printSavedGameAsPgn(const QString& path) {
    QByteArray data;
    SavedGame saved;
    const QString reason = readSavedGameFile(path, data, saved);
    if (!reason.isEmpty()) {
        std::fprintf(stderr, "orbel-chess: %s: %s\n", qPrintable(path), qPrintable(reason));
        return 1;
    }
    const StandardPosition position = standardPositionOf(saved);
    const PgnExport exported =
        writePgn(position, {}, tagsOfPlayers(saved.humanPlaysBlack, "Player", computerName(saved.level)),
                 SetUpTags::Always);
    std::printf("%s\n\n%s", writeFen(position).c_str(), exported.text.c_str());
    if (!exported.partialReason.empty()) std::fprintf(stderr, "orbel-chess: %s\n", exported.partialReason.c_str());
    return 0;
}

}  // namespace orbel
