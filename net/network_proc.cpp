#include "net/network_proc.h"

#include "game/move_flow.h"
#include "game/texts.h"
#include "game/user_drag.h"
#include "net/network_session.h"
#include "net/network_window.h"
#include "net/peer_move.h"
#include "rules/check.h"

namespace orbel {
namespace {

void pickUp(GameWindow& window, int x, int y) {
    if (window.ui().myTurn) liftUserPiece(window, x, y);
}

// The game ended on the board: the connection is closed on this side too.
void endByMate(NetworkWindow& window) {
    window.network().gameOver();
    announceGameOver(window, text::CheckMate);
}

void drop(NetworkWindow& window, int x, int y) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    ui.isDragging = false;
    ui.dragImageShown = false;
    if (ui.myTurn && dropUserPiece(window, x, y)) {
        window.showWaitCursor(true);
        window.playSound(res::MoveSound);
        recordUserMove(window);
        ui.myTurn = false;
        window.network().sendMove(g.humanMove);
        const bool mates = userMoveMates(*g.currentGame);
        announceUserMove(window, mates);
        if (mates) {
            // The mating move keeps its own line; no result line on this side.
            g.keepWinner(!ui.humanPlaysBlack);
            endByMate(window);
            ui.computerThinking = false;
            window.showWaitCursor(false);
        }
    }
    g.humanMove.isCapture = 0;
    g.humanMove.givesCheck = 0;
}

void startGame(NetworkWindow& window, int colorCode) {
    UiState& ui = window.ui();
    const bool white = colorCode == WhiteColorCode;
    // Undo Move stays greyed: it would change this side's board without the
    // other's, and the two programs would play on from different positions.
    resetForNewGame(window, !white, PlayMode::Network);
    ui.myTurn = white;
    ui.opponentName = window.network().peerNickname;
    window.network().gameStarted();
    window.showChatPane(true);
    window.setStatusText(QString::fromUtf8(text::WhiteToMove));
    window.showWaitCursor(!white);
}

// The opponent's move, checked already, in computerMove.
void opponentMoves(NetworkWindow& window) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    if (!g.currentGame) return;
    GameState& game = *g.currentGame;
    MoveRecord& move = g.computerMove;
    const Board before = g.displayBoard;
    applyPeerMove(game, move);
    g.syncDisplay();
    window.invalidate();
    window.showWaitCursor(false);

    Board local = game.board;
    flipBoard(local);
    if (isOwnKingAttacked(local)) {
        window.setStatusText(QString::fromUtf8(text::Check));
        move.givesCheck = 1;
    }
    const bool opponentIsWhite = ui.humanPlaysBlack;
    const bool mates = isCheckmated(game);
    announceMove(window, "Opponent", opponentIsWhite, before, move, move.givesCheck,
                 mates ? "Your opponent wins." : nullptr);
    if (mates) {
        recordResult(window, opponentIsWhite, move);
        endByMate(window);
        return;
    }
    recordMove(window, opponentIsWhite, move, move.givesCheck);
    window.playSound(res::MoveSound);
    ui.myTurn = true;
    g.humanMove.isCapture = 0;
    move.isCapture = 0;
    move.givesCheck = 0;
}

}  // namespace

int networkProc(GameWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam) {
    NetworkWindow& net = networkWindowOf(window);
    switch (message) {
    case msg::WM_LBUTTONDOWN: pickUp(window, msg::xOf(lParam), msg::yOf(lParam)); return 0;
    case msg::WM_LBUTTONUP: drop(net, msg::xOf(lParam), msg::yOf(lParam)); return 0;
    case msg::WM_NET_ACCEPTED: startGame(net, static_cast<int>(wParam & 0xFFFF)); return 0;
    case msg::WM_NET_ACKED: startGame(net, net.network().requestedColor); return 0;
    case msg::WM_NET_MOVE: opponentMoves(net); return 0;
    default: return passToCommonProc(window, message, wParam, lParam);
    }
}

}  // namespace orbel
