#include "game/one_player.h"

#include "computer/search.h"
#include "game/texts.h"
#include "game/window_messages.h"
#include "rules/check.h"

namespace orbel {
namespace {

QString qs(const char* text) { return QString::fromUtf8(text); }

void invalidateSquare(GameWindow& window, int row, int col) {
    window.invalidateArea(window.ui().geometry.repaintRect(row, col));
}

// The kings' home column: the game's ownKingColumn.
int homeColumn(const UiState& ui) { return ui.humanPlaysBlack ? 4 : 3; }

void pickUp(GameWindow& window, int x, int y) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    int row, col;
    if (ui.computerThinking || !g.currentGame || !ui.geometry.squareAt(x, y, row, col)) return;
    // A piece still in hand (its release never arrived) goes back first.
    if (g.heldPiece.owner != Empty && onBoard(g.humanMove.fromRow, g.humanMove.fromCol)) {
        g.currentGame->board.at(g.humanMove.fromRow, g.humanMove.fromCol) = g.heldPiece;
        g.heldPiece = EmptySquare;
        g.syncDisplay();
        window.invalidate();
    }
    const Square& square = g.currentGame->board.at(row, col);
    if (square.owner != Enemy) return;  // empty, or one of the computer's pieces

    g.syncDisplay();
    window.loadDragBitmaps(row, col);
    g.humanMove.fromRow = row;
    g.humanMove.fromCol = col;
    ui.isDragging = true;
    g.heldPiece = square;
    g.currentGame->board.at(row, col) = EmptySquare;
    g.syncDisplay();
    invalidateSquare(window, row, col);
}

void recordUserMove(GameWindow& window) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    MoveHistory& list = ui.humanPlaysBlack ? g.blackHistory : g.whiteHistory;
    writeMoveText(g.humanMove, list, list.count, g.displayBoard, ui.humanPlaysBlack);
    ++list.count;
    if (!g.humanMove.givesCheck) window.setStatusText(qs(ui.humanPlaysBlack ? text::WhiteToMove : text::BlackToMove));
    if (list.count > 13) window.scrollHistoryPane(!ui.humanPlaysBlack, msg::SB_LINEDOWN);
    window.invalidateHistoryPanes();
}

void release(GameWindow& window, int x, int y) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    ui.isDragging = false;
    ui.dragImageShown = false;
    if (g.heldPiece.owner == Empty || ui.computerThinking || !g.currentGame) {
        g.humanMove.givesCheck = 0;
        return;
    }
    GameState& game = *g.currentGame;
    int row = -1, col = -1;
    ui.geometry.squareAt(x, y, row, col);
    const int fromRow = g.humanMove.fromRow, fromCol = g.humanMove.fromCol;
    g.humanMove.toRow = row;
    g.humanMove.toCol = col;
    g.undoBoard = game.board;
    g.undoBoard.at(fromRow, fromCol) = g.heldPiece;

    // Was the user's king attacked before the move?
    game.board.at(fromRow, fromCol) = g.heldPiece;
    flipBoard(game.board);
    const bool userInCheck = isOwnKingAttacked(game.board);
    flipBoard(game.board);
    game.board.at(fromRow, fromCol) = EmptySquare;

    const int h = homeColumn(ui);
    const CastleRecognition castle =
        recogniseUserCastle(g.heldPiece, fromRow, fromCol, row, col, g.humanCastle, userInCheck, game.board, h);
    if (castle.verdict != CastleVerdict::NotAnAttempt) {
        game.board.at(7, h) = g.heldPiece;
        if (castle.verdict == CastleVerdict::Accepted) {
            g.humanMove.fromRow = castle.castle.fromRow;
            g.humanMove.fromCol = castle.castle.fromCol;
            applyMove(g.humanMove, game.board);
            // A castle can give check too (the rook lands on the king's file);
            // it is announced and written like any other check.
            if (isOwnKingAttacked(game.board)) {
                window.setStatusText(qs(text::Check));
                g.humanMove.givesCheck = 1;
            }
        } else {
            g.humanMove = makeMoveRecord(7, h, 7, h);
            invalidateSquare(window, 7, h);
        }
        g.heldPiece = EmptySquare;
    } else if (isLegalUserMove(g.humanMove, g.heldPiece, game)) {
        if (g.heldPiece.kind == Pawn && row == 0) g.heldPiece.kind = Queen;
        if (game.board.at(row, col).owner != Empty) g.humanMove.isCapture = 1;
        window.enableCommand(cmd::UndoMove, true);
        window.enableCommand(cmd::SaveGame, true);
        window.enableCommand(cmd::LoadGame, true);
        game.board.at(row, col) = g.heldPiece;
        g.heldPiece = EmptySquare;
        if (isOwnKingAttacked(game.board)) {
            window.setStatusText(qs(text::Check));
            g.humanMove.givesCheck = 1;
        }
    } else {
        game.board.at(fromRow, fromCol) = g.heldPiece;
        g.humanMove.toRow = fromRow;
        g.humanMove.toCol = fromCol;
        invalidateSquare(window, fromRow, fromCol);
        g.heldPiece = EmptySquare;
    }
    if (onBoard(row, col)) invalidateSquare(window, row, col);
    g.syncDisplay();
    window.invalidate();

    if (g.humanMove.fromRow != g.humanMove.toRow || g.humanMove.fromCol != g.humanMove.toCol) {
        ui.computerThinking = true;
        window.showWaitCursor();
        window.playSound(res::MoveSound);
        updateUserCastlingRights(g.humanCastle, g.humanMove, game.board, h);
        recordUserMove(window);

        // Has the user mated the computer?
        flipBoard(game.board);
        const bool mated = isCheckmated(game);
        flipBoard(game.board);
        if (mated) {
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
    case msg::WM_CREATE:
    case msg::WM_DESTROY:
    case msg::WM_SIZE:
    case msg::WM_PAINT:
    case msg::WM_COMMAND:
    case msg::WM_CTLCOLORSTATIC:
    case msg::WM_MOUSEMOVE:
    case msg::WM_SOCKET_NOTIFY: window.commonProc(message, wParam, lParam); return 0;
    default: return 0;
    }
}

}  // namespace orbel
