#include "net/network_proc.h"

#include "game/texts.h"
#include "game/user_drag.h"
#include "game/window_messages.h"
#include "net/network_session.h"
#include "net/peer_move.h"
#include "rules/check.h"

namespace orbel {
namespace {

QString qs(const char* text) { return QString::fromUtf8(text); }

void pickUp(GameWindow& window, int x, int y) {
    if (window.ui().myTurn) liftUserPiece(window, x, y);
}

void drop(GameWindow& window, int x, int y) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    ui.isDragging = false;
    ui.dragImageShown = false;
    if (ui.myTurn && dropUserPiece(window, x, y)) {
        window.showWaitCursor();
        window.playSound(res::MoveSound);
        recordUserMove(window);
        ui.myTurn = false;
        window.network().sendMove(g.humanMove);
        if (userMoveMates(*g.currentGame)) {
            // The mating move keeps its own line; no result line on this side.
            window.network().gameOver();
            window.messageBox(false, qs(text::CheckMate), qs(text::GameOver), MessageIcon::Information);
            window.sendCommand(cmd::NewOnePlayerGame);
            ui.computerThinking = false;
            window.showArrowCursor();
        }
    }
    g.humanMove.isCapture = 0;
    g.humanMove.givesCheck = 0;
}

void startGame(GameWindow& window, int colorCode) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    const bool white = colorCode == 3;
    ui.myTurn = white;
    ui.humanPlaysBlack = !white;
    g.whiteHistory.clear();
    g.blackHistory.clear();
    g.computerMove = noMoveRecord();
    g.newGame(ui.humanPlaysBlack);
    window.invalidate();
    g.humanCastle = UserCastlingRights{};
    g.humanMove.isCapture = 0;
    g.humanMove.givesCheck = 0;
    window.network().gameStarted();
    window.showChatPane(true);
    // Undo would change this side's board without the other's: the two
    // programs would play on from different positions.
    window.enableCommand(cmd::UndoMove, false);
    window.setStatusText(qs(text::WhiteToMove));
    window.playSound(res::NewGameSound);
    window.scrollHistoryPane(true, msg::SB_TOP);
    window.scrollHistoryPane(false, msg::SB_TOP);
    window.invalidateHistoryPanes();
    if (white) {
        window.showArrowCursor();
    } else {
        window.showWaitCursor();
    }
}

// The opponent's move, checked already, in computerMove.
void opponentMoves(GameWindow& window) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    if (!g.currentGame) return;
    GameState& game = *g.currentGame;
    MoveRecord& move = g.computerMove;
    applyPeerMove(game, move);
    g.syncDisplay();
    window.invalidate();
    window.showArrowCursor();

    Board local = game.board;
    flipBoard(local);
    if (isOwnKingAttacked(local)) {
        window.setStatusText(qs(text::Check));
        move.givesCheck = 1;
    }
    const bool opponentIsWhite = ui.humanPlaysBlack;
    MoveHistory& list = opponentIsWhite ? g.whiteHistory : g.blackHistory;
    if (isCheckmated(game)) {
        list.setLine(list.count, opponentIsWhite ? "1-0" : "0-1");
        ++list.count;
        window.invalidateHistoryPanes();
        window.network().gameOver();
        window.messageBox(false, qs(text::CheckMate), qs(text::GameOver), MessageIcon::Information);
        window.sendCommand(cmd::NewOnePlayerGame);
        return;
    }
    writeMoveText(move, list, list.count, g.displayBoard, ui.humanPlaysBlack);
    ++list.count;
    if (!move.givesCheck) window.setStatusText(qs(ui.humanPlaysBlack ? text::BlackToMove : text::WhiteToMove));
    if (list.count > 13) window.scrollHistoryPane(opponentIsWhite, msg::SB_LINEDOWN);
    window.invalidateHistoryPanes();
    window.playSound(res::MoveSound);
    ui.myTurn = true;
    g.humanMove.isCapture = 0;
    move.isCapture = 0;
    move.givesCheck = 0;
}

}  // namespace

int networkProc(GameWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
    case msg::WM_LBUTTONDOWN: pickUp(window, msg::xOf(lParam), msg::yOf(lParam)); return 0;
    case msg::WM_LBUTTONUP: drop(window, msg::xOf(lParam), msg::yOf(lParam)); return 0;
    case msg::WM_NET_ACCEPTED: startGame(window, static_cast<int>(wParam & 0xFFFF)); return 0;
    case msg::WM_NET_ACKED: startGame(window, window.network().requestedColor); return 0;
    case msg::WM_NET_MOVE: opponentMoves(window); return 0;
    default: return passToCommonProc(window, message, wParam, lParam);
    }
}

}  // namespace orbel
