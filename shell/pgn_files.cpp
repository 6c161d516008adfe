#include "shell/pgn_files.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QSysInfo>
#include <cstdio>
#include <functional>
#include <string_view>

#include "game/table.h"
#include "game/notation/fen.h"
#include "savegame/saved_game.h"
#include "shell/game_files.h"
#include "shell/modal.h"
#include "shell/resource_ids.h"
#include "shell/window_state.h"
#include "shell/translation.h"

namespace orbel {
namespace {

// The boxes' captions, translated where shown.
constexpr const char* ExportCaption = QT_TRANSLATE_NOOP("orbel::PgnFiles", "Export Game (PGN)");
constexpr const char* CopyGameCaption = QT_TRANSLATE_NOOP("orbel::PgnFiles", "Copy Game as PGN");
constexpr const char* CopyPositionCaption = QT_TRANSLATE_NOOP("orbel::PgnFiles", "Copy Position as FEN");
constexpr const char* OpenCaption = QT_TRANSLATE_NOOP("orbel::PgnFiles", "Open PGN or FEN");
constexpr const char* PasteCaption = QT_TRANSLATE_NOOP("orbel::PgnFiles", "Paste Position or Game");

QString shownCaption(const char* caption) { return QCoreApplication::translate("orbel::PgnFiles", caption); }
QString qs(const std::string& text) { return QString::fromStdString(text); }
std::string_view bytesOf(const QByteArray& data) {
    return std::string_view(data.constData(), static_cast<std::size_t>(data.size()));
}

// The players' names below are written into the PGN file, in English
// whatever the user's language.

// PGN's mark for a name nobody gave.
std::string nameOrUnknown(const QString& name) { return name.isEmpty() ? "?" : name.toStdString(); }

std::string computerName(int level) {
    const char* name = level == LevelEasy ? "Easy" : level == LevelMedium ? "Medium" : "Hard";
    return std::string("Computer (") + name + ")";
}

// "Stockfish 15.1 (1500)": the engine's own name, and the Elo it was asked
// to play at.
std::string engineName(const EnginePlayer& engine) {
    std::string name = engine.name().isEmpty() ? "Engine" : engine.name().toStdString();
    if (engine.elo()) name += " (" + std::to_string(*engine.elo()) + ")";
    return name;
}

// Site and Date: this machine, today.
PgnTags tagsHereAndNow() {
    PgnTags tags;
    tags.site = nameOrUnknown(QSysInfo::machineHostName());
    tags.date = QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")).toStdString();  // untranslated: PGN
    return tags;
}

PgnTags tagsOfPlayers(bool userPlaysBlack, const std::string& user, const std::string& opponent) {
    PgnTags tags = tagsHereAndNow();
    tags.white = userPlaysBlack ? opponent : user;
    tags.black = userPlaysBlack ? user : opponent;
    return tags;
}

// The tags of the game on the board, by the way it was begun.
PgnTags tagsOf(const Table& table, const QString& localNickname) {
    const Game& game = table.game();
    std::string user = "Player", opponent = "Player";
    if (table.begunAs() == Table::Mode::OnePlayer) {
        opponent = table.begunAgainstEngine() ? engineName(table.engine())
                                              : computerName(game.exists() ? game.seat().level() : LevelHard);
    } else if (table.begunAs() == Table::Mode::Network) {
        user = nameOrUnknown(localNickname);
        opponent = nameOrUnknown(table.opponentName());
    }
    PgnTags tags = tagsOfPlayers(table.userSide() == Side::Black, user, opponent);
    tags.result = game.result();
    return tags;
}

// Before the first game is set up the board is empty: nothing to give away.
bool gameOnBoard(const ModalRunner& modal, const Table& table, const char* caption) {
    if (table.game().exists()) return true;
    modal.box(QCoreApplication::translate("orbel::PgnFiles", "There is no game on the board yet."),
              shownCaption(caption), MessageIcon::Information);
    return false;
}

void tellIfPartial(const ModalRunner& modal, const PgnExport& exported, const char* caption) {
    if (exported.partialReason.empty()) return;
    //: %1 says why the game could not be written whole.
    modal.box(QCoreApplication::translate("orbel::PgnFiles",
                                          "%1\n\nThe rest of the game stays on the board and in a saved game (*.KRV).")
                  .arg(qs(exported.partialReason)),
              shownCaption(caption), MessageIcon::Information);
}

// `text` as a game to play, or a box: the refusal of the reason.
std::optional<ImportedGame> readGameOrSay(const ModalRunner& modal, const QByteArray& text,
                                          const std::function<QString(const QString& reason)>& refusal,
                                          const char* caption, bool standardRules) {
    ImportedGame game;
    const RuleSet preferred = standardRules ? RuleSet::Standard : RuleSet::Orbel;
    const QString error = text.size() > MaxGameTextBytes
                              ? QCoreApplication::translate("orbel::PgnFiles",
                                                            "It is larger than 1 MB, more than any game needs.")
                              : qs(readGameText(bytesOf(text), game, preferred, &translated));
    if (!error.isEmpty()) {
        modal.box(refusal(error), shownCaption(caption), MessageIcon::Exclamation);
        return std::nullopt;
    }
    if (game.needsStandardRules) {
        modal.box(QCoreApplication::translate("orbel::PgnFiles",
                                              "This game is played by standard chess rules: it holds en passant, a "
                                              "pawn that becomes another piece than a queen, or a draw, which the "
                                              "Orbel 3.0 rules do not."),
                  shownCaption(caption), MessageIcon::Information);
    }
    return game;
}

}  // namespace

PgnExport exportedGame(const Table& table, const QString& localNickname, const ExportClocks& clocks) {
    const Game& game = table.game();
    PgnTags tags = tagsOf(table, localNickname);
    tags.timeControl = clocks.timeControl;
    tags.termination = clocks.termination;
    return writePgn(game.start(), game.moves(), tags, SetUpTags::WhenNeeded, clocks.remainingMs, &translated);
}

void runExportGameCommand(const ModalRunner& modal, WindowState& state, const Table& table,
                          const QString& localNickname, const ExportClocks& clocks) {
    if (!gameOnBoard(modal, table, ExportCaption)) return;
    QFileDialog dialog(&modal.window(), shownCaption(ExportCaption));
    //: A file dialog's filter: the pattern in brackets stays as it is.
    dialog.setNameFilter(QCoreApplication::translate("orbel::PgnFiles", "PGN Files (*.pgn)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pgn"));
    QString path;
    if (!runFileDialog(modal, dialog, state.pgnDialogPath, path)) return;
    // Made after the dialog: the computer's answer may have come in meanwhile.
    const PgnExport exported = exportedGame(table, localNickname, clocks);
    if (writeWholeFile(modal, path, QByteArray::fromStdString(exported.text),
                       //: %1 is a file's path, %2 what went wrong.
                       QCoreApplication::translate("orbel::PgnFiles", "The game could not be exported to \"%1\":\n%2"),
                       shownCaption(ExportCaption)))
        tellIfPartial(modal, exported, ExportCaption);
}

void copyGameAsPgn(const ModalRunner& modal, const Table& table, const QString& localNickname,
                   const ExportClocks& clocks) {
    if (!gameOnBoard(modal, table, CopyGameCaption)) return;
    const PgnExport exported = exportedGame(table, localNickname, clocks);
    QGuiApplication::clipboard()->setText(qs(exported.text));
    tellIfPartial(modal, exported, CopyGameCaption);
}

void copyPositionAsFen(const ModalRunner& modal, const Table& table) {
    if (!gameOnBoard(modal, table, CopyPositionCaption)) return;
    const StandardPosition position = table.game().keptPosition();
    QGuiApplication::clipboard()->setText(qs(writeFen(position)));
    if (const char* problem = positionProblem(position)) {
        //: %1 says what is odd about the position.
        modal.box(QCoreApplication::translate("orbel::PgnFiles", "Other chess programs may refuse this position: %1.")
                      .arg(QCoreApplication::translate("orbel::Rules", problem)),
                  shownCaption(CopyPositionCaption), MessageIcon::Information);
    }
}

std::optional<ImportedGame> choosePgnOrFenFile(const ModalRunner& modal, WindowState& state) {
    QFileDialog dialog(&modal.window(), shownCaption(OpenCaption));
    //: A file dialog's filter: the pattern in brackets stays as it is.
    dialog.setNameFilters({QCoreApplication::translate("orbel::PgnFiles", "PGN and FEN Files (*.pgn *.fen)"),
                           //: A file dialog's filter: the pattern in brackets stays as it is.
                           QCoreApplication::translate("orbel::PgnFiles", "All Files (*)")});
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    QString path;
    if (!runFileDialog(modal, dialog, state.pgnDialogPath, path)) return std::nullopt;
    return readGameFile(modal, path, state.standardRules);
}

std::optional<ImportedGame> readGameFile(const ModalRunner& modal, const QString& path, bool standardRules) {
    //: %1 is a file's path, %2 what is wrong with it.
    const auto refusal = [&path](const QString& reason) {
        return QCoreApplication::translate("orbel::PgnFiles", "No game was opened from \"%1\":\n%2").arg(path, reason);
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString reason = file.errorString().isEmpty()
                                   ? QCoreApplication::translate("orbel::PgnFiles", "Unknown error")
                                   : file.errorString();
        modal.box(refusal(reason), shownCaption(OpenCaption), MessageIcon::Exclamation);
        return std::nullopt;
    }
    // One byte past the limit tells a file too large, whatever size it claims.
    return readGameOrSay(modal, file.read(MaxGameTextBytes + 1), refusal, OpenCaption, standardRules);
}

std::optional<ImportedGame> readClipboardGame(const ModalRunner& modal, bool standardRules) {
    //: %1 is what is wrong with the clipboard's text.
    const auto refusal = [](const QString& reason) {
        return QCoreApplication::translate("orbel::PgnFiles", "The clipboard holds no game or position to play:\n%1")
            .arg(reason);
    };
    return readGameOrSay(modal, QGuiApplication::clipboard()->text().toUtf8(), refusal, PasteCaption, standardRules);
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
