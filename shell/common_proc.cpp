#include "shell/common_proc.h"

#include <QAction>
#include <QColorDialog>
#include <QLabel>

#include "game/new_game.h"
#include "game/one_player.h"
#include "game/texts.h"
#include "game/two_player.h"
#include "net/direct_game.h"
#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "shell/game_files.h"
#include "shell/main_window.h"
#include "shell/pgn_files.h"
#include "shell/settings.h"

namespace orbel {
namespace {

std::uint32_t toColourRef(const QColor& c) {
    return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
           (static_cast<std::uint32_t>(c.blue()) << 16);
}

void runNewGameSetup(MainWindow& w) {
    NewGameSetupDialog dialog(w, &w);
    w.runDialog(dialog);
}

void chooseSquareColour(MainWindow& w, bool dark) {
    UiState& ui = w.ui();
    std::uint32_t& colour = dark ? ui.darkSquareColor : ui.lightSquareColor;
    QColorDialog dialog(colourFromRef(colour), &w);
    for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, w.customColours[i]);
    const int result = w.runDialog(dialog);
    for (int i = 0; i < 16; ++i) w.customColours[i] = QColorDialog::customColor(i);
    if (result != QDialog::Accepted) return;
    colour = toColourRef(dialog.selectedColor());
    w.invalidate();
    writeSetting(dark ? DarkSquareKey : LightSquareKey, colour);
}

void choosePieceSet(MainWindow& w, int set) {
    UiState& ui = w.ui();
    w.checkCommand(cmd::PieceSetDudidi + ui.pieceSetIndex, false);
    ui.pieceSetIndex = set;
    w.checkCommand(cmd::PieceSetDudidi + set, true);
    w.invalidate();
    writeSetting(PieceSetKey, set);
}

void newOnePlayerGame(MainWindow& w) {
    // A network game still running is ended first, as Kill Game ends it.
    w.network().endGame(PeerCommand::End);
    w.installMode(onePlayerProc);
    w.showChatPane(false);
    runNewGameSetup(w);
    w.invalidate();
}

void newTwoPlayerGame(MainWindow& w) {
    w.network().endGame(PeerCommand::End);
    if (w.chatPane()->isVisible()) w.showChatPane(false);
    startTwoPlayerGame(w);
}

// Network Play > Resign and Kill Game: the same end, told differently.
void endNetworkGame(MainWindow& w, PeerCommand word) {
    if (!w.network().netGameActive()) return;
    if (word == PeerCommand::Resign) w.ui().game.keepWinner(w.ui().humanPlaysBlack);
    w.network().endGame(word);
    w.installMode(onePlayerProc);
    w.setStatusText(QString::fromUtf8(text::GameOver));
    w.sendCommand(cmd::NewOnePlayerGame);
}

void undoMove(MainWindow& w) {
    w.ui().game.takeBack();
    w.invalidate();
    w.invalidateHistoryPanes();
}

void resign(MainWindow& w) {
    // The user gives up against the computer; at one board, the side to move.
    const UiState& ui = w.ui();
    const bool whiteResigns = ui.gameMode == PlayMode::TwoPlayer ? ui.whiteToMove : !ui.humanPlaysBlack;
    w.ui().game.keepWinner(!whiteResigns);
    w.setStatusText(QString::fromUtf8(text::GameOver));
    w.messageBox(&w, QString::fromUtf8(text::ResignBox), QString::fromUtf8(text::GameOver), MessageIcon::Information);
    runNewGameSetup(w);
    w.invalidate();
}

void originalColours(MainWindow& w) {
    UiState& ui = w.ui();
    ui.lightSquareColor = DefaultLightSquareColor;
    ui.darkSquareColor = DefaultDarkSquareColor;
    w.invalidate();
    writeSetting(DarkSquareKey, DefaultDarkSquareColor);
    writeSetting(LightSquareKey, DefaultLightSquareColor);
}

void showHideCoordinates(MainWindow& w) {
    w.ui().showCoordinates = !w.ui().showCoordinates;
    w.invalidate();
}

void toggleAnnouncements(MainWindow& w) {
    bool& on = w.ui().announceMoves;
    on = !on;
    w.checkCommand(cmd::AnnounceMoves, on);
    writeSetting(AnnounceKey, on ? 1 : 0);
}

void showInfo(MainWindow& w, InfoDialog::Kind kind) {
    InfoDialog dialog(kind, &w);
    w.runDialog(dialog);
}

struct CommandRow {
    int id;
    void (*run)(MainWindow& w);
};

// What each menu command does; a command not listed does nothing.
constexpr CommandRow commands[] = {
    {cmd::NewOnePlayerGame, newOnePlayerGame},
    {cmd::NewTwoPlayerGame, newTwoPlayerGame},
    {cmd::DirectNetworkGame, [](MainWindow& w) { runDirectNetworkGame(w); }},
    {cmd::NetworkAddress, [](MainWindow& w) { showNetworkAddress(w); }},
    {cmd::NetworkResign, [](MainWindow& w) { endNetworkGame(w, PeerCommand::Resign); }},
    {cmd::KillGame, [](MainWindow& w) { endNetworkGame(w, PeerCommand::End); }},
    {cmd::SaveGame, runSaveGameCommand},
    {cmd::LoadGame, runLoadGameCommand},
    {cmd::ExportGame, runExportGameCommand},
    {cmd::CopyGame, copyGameAsPgn},
    {cmd::CopyPosition, copyPositionAsFen},
    {cmd::OpenGameText, runOpenGameTextCommand},
    {cmd::PasteGameText, pastePositionOrGame},
    {cmd::Exit, [](MainWindow& w) { w.close(); }},
    {cmd::UndoMove, undoMove},
    {cmd::Resign, resign},
    {cmd::DarkSquare, [](MainWindow& w) { chooseSquareColour(w, true); }},
    {cmd::LightSquare, [](MainWindow& w) { chooseSquareColour(w, false); }},
    {cmd::OriginalColors, originalColours},
    {cmd::PieceSetDudidi, [](MainWindow& w) { choosePieceSet(w, 0); }},
    {cmd::PieceSetFerrow1, [](MainWindow& w) { choosePieceSet(w, 1); }},
    {cmd::PieceSetFerrow2, [](MainWindow& w) { choosePieceSet(w, 2); }},
    {cmd::ShowHideCoordinates, showHideCoordinates},
    {cmd::WhatsNew, [](MainWindow& w) { showInfo(w, InfoDialog::Kind::WhatsNew); }},
    {cmd::About, [](MainWindow& w) { showInfo(w, InfoDialog::Kind::About); }},
    {cmd::ComputerMoveReady, [](MainWindow& w) { finishComputerMove(w); }},
    {cmd::ReadPosition, [](MainWindow& w) { w.readPosition(); }},
    {cmd::AnnounceMoves, toggleAnnouncements},
};

// The carried piece follows the mouse: the area it left and the area it
// enters are shown again, the board beneath them as painted.
void carryPiece(MainWindow& w, int x, int y) {
    UiState& ui = w.ui();
    if (w.carriedPiece() == 0) return;
    const qreal ratio = w.boardWindow()->devicePixelRatioF();
    const QImage& piece = w.bitmaps().piece(w.carriedPiece(), ratio);
    QRect changed = ui.dragImageShown ? carriedPieceArea(ui, piece, ratio) : QRect();
    ui.dragX = x;
    ui.dragY = y;
    ui.dragImageShown = true;
    // A pixel more on each side: at a fractional ratio the piece's edge may
    // round into it.
    changed |= carriedPieceArea(ui, piece, ratio);
    w.boardWindow()->showArea(changed.adjusted(-1, -1, 1, 1));
}

int command(MainWindow& w, int id) {
    for (const CommandRow& row : commands) {
        if (row.id == id) {
            row.run(w);
            break;
        }
    }
    return 0;
}

}  // namespace

int commonProc(MainWindow& w, int message, std::uintptr_t wParam, std::intptr_t lParam) {
    UiState& ui = w.ui();
    switch (message) {
    case msg::WM_SIZE:
        ui.geometry.squareWidth = SquareSize;
        ui.geometry.squareHeight = SquareSize;
        return 0;
    case msg::WM_PAINT: paintBoardWindow(ui, w.boardWindow()->surface(), w.bitmaps(), w.boardFont()); return 0;
    case msg::WM_MOUSEMOVE:
        if (ui.isDragging && (wParam & msg::MK_LBUTTON)) {
            carryPiece(w, msg::xOf(lParam), msg::yOf(lParam));
        } else if (ui.computerThinking) {
            w.showWaitCursor(true);
        }
        return 0;
    case msg::WM_COMMAND: return command(w, static_cast<int>(wParam & 0xFFFF));
    case msg::WM_DESTROY: w.network().windowDestroyed(); return 0;
    case msg::WM_SOCKET_NOTIFY: w.network().handleSocketNotify(msg::xOf(lParam), msg::yOf(lParam)); return 0;
    case msg::WM_CTLCOLORSTATIC:
    default: return 0;
    }
}

}  // namespace orbel
