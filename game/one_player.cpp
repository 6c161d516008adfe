#include "game/one_player.h"

#include "computer/search.h"
#include "game/move_flow.h"
#include "game/texts.h"
#include "game/user_drag.h"
#include "rules/check.h"

namespace orbel {
namespace {

void pickUp(GameWindow& window, int x, int y) {
    if (!window.ui().computerThinking) liftUserPiece(window, x, y);
}

// Undo Move, Save Game and Load Game.
void enableGameCommands(GameWindow& window) {
    window.enableCommand(cmd::UndoMove, true);
    window.enableCommand(cmd::SaveGame, true);
    window.enableCommand(cmd::LoadGame, true);
}

// The user's move stands: the interface waits for the computer's answer.
void acceptUserMove(GameWindow& window) {
    enableGameCommands(window);
    window.ui().computerThinking = true;
    window.showWaitCursor(true);
    window.playSound(res::MoveSound);
    recordUserMove(window);
}

// The user has mated the computer, which therefore never starts thinking.
void endByUsersMate(GameWindow& window) {
    window.ui().game.keepWinner(!window.ui().humanPlaysBlack);
    announceGameOver(window, text::CheckMate);
    window.ui().computerThinking = false;
    window.showWaitCursor(false);
}

void release(GameWindow& window, int x, int y) {
    UiState& ui = window.ui();
    ui.isDragging = false;
    ui.dragImageShown = false;
    if (!ui.computerThinking && dropUserPiece(window, x, y)) {
        acceptUserMove(window);
        const bool mates = userMoveMates(*ui.game.currentGame);
        announceUserMove(window, mates);
        if (mates) {
            endByUsersMate(window);
        } else {
            window.startComputerMove();
        }
    }
    ui.game.humanMove.givesCheck = 0;
}

// The thinking is over: menu items, board and cursor are the user's again.
void restoreInterface(GameWindow& window) {
    window.endComputerMove();
    window.ui().computerThinking = false;
    enableGameCommands(window);
    window.invalidate();
    window.showWaitCursor(false);
}

// Does the computer's move attack the user's king? Asked on the drawn board
// turned to the user's side, which is drawn from the game again afterwards.
void markComputerCheck(GameWindow& window) {
    GameRecord& g = window.ui().game;
    flipBoard(g.displayBoard);
    if (isOwnKingAttacked(g.displayBoard)) {
        window.setStatusText(QString::fromUtf8(text::Check));
        g.computerMove.givesCheck = 1;
    }
    g.syncDisplay();
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
    // Not refreshed while the computer thought: the position it answered.
    const Board before = g.displayBoard;
    restoreInterface(window);
    g.syncDisplay();
    if (!g.currentGame) return;
    if (g.computerMove.fromRow == -1) {
        g.keepWinner(!ui.humanPlaysBlack);
        window.announce(QStringLiteral("The computer resigns. You win."));
        announceGameOver(window, text::ComputerResign);
        return;
    }
    markComputerCheck(window);
    const bool computerIsWhite = ui.humanPlaysBlack;
    const bool mates = isCheckmated(*g.currentGame);
    announceMove(window, "Computer", computerIsWhite, before, g.computerMove, g.computerMove.givesCheck,
                 mates ? "The computer wins." : nullptr);
    if (mates) {
        recordResult(window, computerIsWhite, g.computerMove);
        announceGameOver(window, text::CheckMate);
    } else {
        recordMove(window, computerIsWhite, g.computerMove, g.computerMove.givesCheck || g.humanMove.givesCheck);
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
