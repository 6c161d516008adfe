#include "shell/pgn_files.h"

#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QSysInfo>
#include <cstdio>
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
    modal.box(QStringLiteral("There is no game on the board yet."), qs(caption), MessageIcon::Information);
    return false;
}

void tellIfPartial(const ModalRunner& modal, const PgnExport& exported, const char* caption) {
    if (exported.partialReason.empty()) return;
    modal.box(qs(exported.partialReason) +
                  QStringLiteral("\n\nThe rest of the game stays on the board and in a saved game (*.KRV)."),
              qs(caption), MessageIcon::Information);
}

// `text` as a game to play, or a box: `refusal`, then the reason.
std::optional<ImportedGame> readGameOrSay(const ModalRunner& modal, const QByteArray& text, const QString& refusal,
                                          const char* caption, bool standardRules) {
    ImportedGame game;
    const RuleSet preferred = standardRules ? RuleSet::Standard : RuleSet::Orbel;
    const std::string error = text.size() > MaxGameTextBytes ? "It is larger than 1 MB, more than any game needs."
                                                            : readGameText(bytesOf(text), game, preferred, &translated);
    if (!error.empty()) {
        modal.box(refusal + QLatin1Char('\n') + qs(error), qs(caption), MessageIcon::Exclamation);
        return std::nullopt;
    }
    if (game.needsStandardRules) {
        modal.box(QStringLiteral("This game is played by standard chess rules: it holds en passant, a pawn that "
                                 "becomes another piece than a queen, or a draw, which the Orbel 3.0 rules do not."),
                  qs(caption), MessageIcon::Information);
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
    QFileDialog dialog(&modal.window(), qs(ExportCaption));
    dialog.setNameFilter(QStringLiteral("PGN Files (*.pgn)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pgn"));
    QString path;
    if (!runFileDialog(modal, dialog, state.pgnDialogPath, path)) return;
    // Made after the dialog: the computer's answer may have come in meanwhile.
    const PgnExport exported = exportedGame(table, localNickname, clocks);
    if (writeWholeFile(modal, path, QByteArray::fromStdString(exported.text),
                       QStringLiteral("The game could not be exported to \"%1\":\n%2"), qs(ExportCaption)))
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
        const QString why = QCoreApplication::translate("orbel::Rules", problem);
        modal.box(QStringLiteral("Other chess programs may refuse this position: %1.").arg(why),
                  qs(CopyPositionCaption), MessageIcon::Information);
    }
}

std::optional<ImportedGame> choosePgnOrFenFile(const ModalRunner& modal, WindowState& state) {
    QFileDialog dialog(&modal.window(), qs(OpenCaption));
    dialog.setNameFilters({QStringLiteral("PGN and FEN Files (*.pgn *.fen)"), QStringLiteral("All Files (*)")});
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    QString path;
    if (!runFileDialog(modal, dialog, state.pgnDialogPath, path)) return std::nullopt;
    return readGameFile(modal, path, state.standardRules);
}

std::optional<ImportedGame> readGameFile(const ModalRunner& modal, const QString& path, bool standardRules) {
    const QString refusal = QStringLiteral("No game was opened from \"%1\":").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString reason = file.errorString().isEmpty() ? QStringLiteral("Unknown error") : file.errorString();
        modal.box(refusal + QLatin1Char('\n') + reason, qs(OpenCaption), MessageIcon::Exclamation);
        return std::nullopt;
    }
    // One byte past the limit tells a file too large, whatever size it claims.
    return readGameOrSay(modal, file.read(MaxGameTextBytes + 1), refusal, OpenCaption, standardRules);
}

std::optional<ImportedGame> readClipboardGame(const ModalRunner& modal, bool standardRules) {
    return readGameOrSay(modal, QGuiApplication::clipboard()->text().toUtf8(),
                         QStringLiteral("The clipboard holds no game or position to play:"), PasteCaption, standardRules);
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
