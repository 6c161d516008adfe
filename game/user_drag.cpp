#include "game/user_drag.h"

#include "game/move_flow.h"
#include "game/texts.h"
#include "rules/check.h"

namespace orbel {
namespace {

// The kings' home column: the game's ownKingColumn.
int homeColumn(const UiState& ui) { return ui.humanPlaysBlack ? 4 : 3; }

void announceCheck(GameWindow& window, const Board& board) {
    if (!isOwnKingAttacked(board)) return;
    window.setStatusText(QString::fromUtf8(text::Check));
    window.ui().game.humanMove.givesCheck = 1;
}

// A king's drag two squares along its home row: castled, or put back home.
// False when the drag is no castling attempt.
bool tryUserCastle(GameWindow& window, bool userInCheck, int row, int col) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    GameState& game = *g.currentGame;
    const int h = homeColumn(ui);
    const CastleRecognition castle = recogniseUserCastle(g.heldPiece, g.humanMove.fromRow, g.humanMove.fromCol,
                                                         row, col, g.humanCastle, userInCheck, game.board, h);
    if (castle.verdict == CastleVerdict::NotAnAttempt) return false;
    game.board.at(7, h) = g.heldPiece;
    if (castle.verdict == CastleVerdict::Accepted) {
        g.humanMove.fromRow = castle.castle.fromRow;
        g.humanMove.fromCol = castle.castle.fromCol;
        applyMove(g.humanMove, game.board);
        // A castle can give check too (the rook lands on the king's file);
        // it is announced and written like any other check.
        announceCheck(window, game.board);
    } else {
        g.humanMove = makeMoveRecord(7, h, 7, h);
        invalidateSquare(window, 7, h);
    }
    g.heldPiece = EmptySquare;
    return true;
}

}  // namespace

bool liftUserPiece(GameWindow& window, int x, int y) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    int row, col;
    if (!g.currentGame || !ui.geometry.squareAt(x, y, row, col)) return false;
    // A piece still in hand (its release never arrived) goes back first.
    if (g.heldPiece.owner != Empty && onBoard(g.humanMove.fromRow, g.humanMove.fromCol)) {
        g.currentGame->board.at(g.humanMove.fromRow, g.humanMove.fromCol) = g.heldPiece;
        g.heldPiece = EmptySquare;
        g.syncDisplay();
        window.invalidate();
    }
    const Square square = g.currentGame->board.at(row, col);
    if (square.owner != Enemy) return false;  // empty, or one of the opponent's pieces

    g.syncDisplay();
    window.loadDragBitmaps(row, col);
    g.humanMove.fromRow = row;
    g.humanMove.fromCol = col;
    ui.isDragging = true;
    g.heldPiece = square;
    g.currentGame->board.at(row, col) = EmptySquare;
    g.syncDisplay();
    invalidateSquare(window, row, col);
    return true;
}

bool dropUserPiece(GameWindow& window, int x, int y) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    if (g.heldPiece.owner == Empty || !g.currentGame) return false;
    GameState& game = *g.currentGame;
    int row = -1, col = -1;
    ui.geometry.squareAt(x, y, row, col);
    const int fromRow = g.humanMove.fromRow, fromCol = g.humanMove.fromCol;
    g.humanMove.toRow = row;
    g.humanMove.toCol = col;
    g.undoBoard = game.board;
    g.undoBoard.at(fromRow, fromCol) = g.heldPiece;
    g.undoMoves = g.moves.size();

    // Was the user's king attacked before the move?
    game.board.at(fromRow, fromCol) = g.heldPiece;
    flipBoard(game.board);
    const bool userInCheck = isOwnKingAttacked(game.board);
    flipBoard(game.board);
    game.board.at(fromRow, fromCol) = EmptySquare;

    if (!tryUserCastle(window, userInCheck, row, col)) {
        if (isLegalUserMove(g.humanMove, g.heldPiece, game)) {
            if (g.heldPiece.kind == Pawn && row == 0) g.heldPiece.kind = Queen;
            if (game.board.at(row, col).owner != Empty) g.humanMove.isCapture = 1;
            game.board.at(row, col) = g.heldPiece;
            announceCheck(window, game.board);
        } else {
            game.board.at(fromRow, fromCol) = g.heldPiece;
            g.humanMove.toRow = fromRow;
            g.humanMove.toCol = fromCol;
            invalidateSquare(window, fromRow, fromCol);
        }
        g.heldPiece = EmptySquare;
    }
    invalidateSquare(window, row, col);
    g.syncDisplay();
    window.invalidate();
    return g.humanMove.fromRow != g.humanMove.toRow || g.humanMove.fromCol != g.humanMove.toCol;
}

void recordUserMove(GameWindow& window) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    updateUserCastlingRights(g.humanCastle, g.humanMove, g.currentGame->board, homeColumn(ui));
    recordMove(window, !ui.humanPlaysBlack, g.humanMove, g.humanMove.givesCheck);
}

void announceUserMove(GameWindow& window, bool mates) {
    const UiState& ui = window.ui();
    const GameRecord& g = ui.game;
    // undoBoard holds the position the drop was judged in.
    announceMove(window, "You", !ui.humanPlaysBlack, g.undoBoard, g.humanMove, g.humanMove.givesCheck,
                 mates ? "You win." : nullptr);
}

bool userMoveMates(GameState& game) {
    flipBoard(game.board);
    const bool mated = isCheckmated(game);
    flipBoard(game.board);
    return mated;
}

}  // namespace orbel
