#include "game/one_player.h"

#include "computer/search.h"
#include "game/texts.h"
#include "game/user_drag.h"
#include "game/window_messages.h"
#include "rules/check.h"

namespace orbel {
namespace {

QString qs(const char* text) { return QString::fromUtf8(text); }

void pickUp(GameWindow& window, int x, int y) {
    if (!window.ui().computerThinking) liftUserPiece(window, x, y);
}

void release(GameWindow& window, int x, int y) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    ui.isDragging = false;
    ui.dragImageShown = false;
    if (!ui.computerThinking && dropUserPiece(window, x, y)) {
        window.enableCommand(cmd::UndoMove, true);
        window.enableCommand(cmd::SaveGame, true);
        window.enableCommand(cmd::LoadGame, true);
        ui.computerThinking = true;
        window.showWaitCursor();
        window.playSound(res::MoveSound);
        recordUserMove(window);
        if (userMoveMates(*g.currentGame)) {
            window.messageBox(false, qs(text::CheckMate), qs(text::GameOver), MessageIcon::Information);
            window.sendCommand(cmd::NewOnePlayerGame);
            ui.computerThinking = false;
            window.showArrowCursor();
        } else {
            window.startComputerMove();
        }
    }
    g.humanMove.givesCheck = 0;
}

}  // namespace

void refreshBrainPane(GameWindow& window) {
    UiState& ui = window.ui();
    if (!ui.game.currentGame) return;
    MoveList line;
    int value = 0;
    if (!readExpectedLine(*ui.game.currentGame, line, value)) return;
    window.setBrainText(QString::fromStdString(brainText(line, value)));
}

void finishComputerMove(GameWindow& window) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    window.endComputerMove();
    ui.computerThinking = false;
    window.enableCommand(cmd::UndoMove, true);
    window.enableCommand(cmd::SaveGame, true);
    window.enableCommand(cmd::LoadGame, true);
    window.invalidate();
    window.showArrowCursor();
    g.syncDisplay();
    if (!g.currentGame) return;

    if (g.computerMove.fromRow == -1) {
        window.messageBox(false, qs(text::ComputerResign), qs(text::GameOver), MessageIcon::Information);
        window.sendCommand(cmd::NewOnePlayerGame);
        return;
    }
    flipBoard(g.displayBoard);
    if (isOwnKingAttacked(g.displayBoard)) {
        window.setStatusText(qs(text::Check));
        g.computerMove.givesCheck = 1;
    }
    g.syncDisplay();

    const bool computerIsWhite = ui.humanPlaysBlack;
    MoveHistory& list = computerIsWhite ? g.whiteHistory : g.blackHistory;
    if (isCheckmated(*g.currentGame)) {
        list.setLine(list.count, computerIsWhite ? "1-0" : "0-1");
        ++list.count;
        window.invalidateHistoryPanes();
        window.messageBox(false, qs(text::CheckMate), qs(text::GameOver), MessageIcon::Information);
        window.sendCommand(cmd::NewOnePlayerGame);
    } else {
        writeMoveText(g.computerMove, list, list.count, g.displayBoard, ui.humanPlaysBlack);
        ++list.count;
        if (!g.computerMove.givesCheck && !g.humanMove.givesCheck)
            window.setStatusText(qs(computerIsWhite ? text::BlackToMove : text::WhiteToMove));
        if (list.count > 13) window.scrollHistoryPane(computerIsWhite, msg::SB_LINEDOWN);
        window.invalidateHistoryPanes();
    }
    window.playSound(res::MoveSound);
    g.humanMove.isCapture = 0;
    g.computerMove.isCapture = 0;
    g.computerMove.givesCheck = 0;
}

int onePlayerProc(GameWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
    case msg::WM_LBUTTONDOWN: pickUp(window, msg::xOf(lParam), msg::yOf(lParam)); return 0;
    case msg::WM_LBUTTONUP: release(window, msg::xOf(lParam), msg::yOf(lParam)); return 0;
    case msg::WM_TIMER: refreshBrainPane(window); return 0;
    default: return passToCommonProc(window, message, wParam, lParam);
    }
}

}  // namespace orbel
