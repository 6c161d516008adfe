#include "game/two_player.h"

#include <exception>

#include "game/move_flow.h"
#include "game/texts.h"

namespace orbel {
namespace {

// White's pieces are Enemy on the displayed board (home row 7, king on
// column 3); Black's are Own. The rules judge the side whose pieces are
// Enemy, so Black's moves are judged on the board turned to Black's side,
// where Black's king starts on column 4.
constexpr int WhiteHomeColumn = 3;
constexpr int BlackHomeColumn = 4;

bool isMoversPiece(const UiState& ui, const Square& s) {
    return s.owner == (ui.whiteToMove ? Enemy : Own);
}

void pickUp(GameWindow& window, int x, int y) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    int row, col;
    if (!g.currentGame || !ui.geometry.squareAt(x, y, row, col)) return;
    // A piece still in hand (its release never arrived) goes back first.
    if (g.heldPiece.owner != Empty && onBoard(g.humanMove.fromRow, g.humanMove.fromCol)) {
        g.displayBoard.at(g.humanMove.fromRow, g.humanMove.fromCol) = g.heldPiece;
        g.heldPiece = EmptySquare;
        window.invalidate();
    }
    const Square square = g.displayBoard.at(row, col);
    if (square.owner == Empty) return;
    window.loadDragBitmaps(row, col);
    g.humanMove.fromRow = row;
    g.humanMove.fromCol = col;
    if (!isMoversPiece(ui, square)) return;
    ui.isDragging = true;
    g.heldPiece = square;
    g.displayBoard.at(row, col) = EmptySquare;
    invalidateSquare(window, row, col);
}

// Is the king of the side that is Own on `board` attacked? Reports a failure
// to build the test and then answers no, so the move goes on unmarked.
bool checkTestOrReport(GameWindow& window, const Board& board) {
    try {
        return window.seams().twoPlayerCheckTest(board);
    } catch (const std::exception&) {
        window.messageBox(nullptr, QString::fromUtf8(text::InternalError), QString::fromUtf8(text::Error),
                          MessageIcon::Stop);
        return false;
    }
}

// A castling drag of the mover's king. Returns false when the drag is not a
// castling attempt; otherwise the castle is made or the king goes home.
bool tryCastle(GameWindow& window, bool white, bool moverInCheck, MoveRecord& frameMove) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    MoveRecord& move = g.humanMove;
    UserCastlingRights rights = white ? UserCastlingRights{ui.whiteCanCastleShort, ui.whiteCanCastleLong}
                                      : UserCastlingRights{ui.blackCanCastleShort, ui.blackCanCastleLong};
    Board frame = g.displayBoard;
    Square king = g.heldPiece;
    int fromRow = move.fromRow, fromCol = move.fromCol, toRow = move.toRow, toCol = move.toCol;
    if (!white) {
        flipBoard(frame);
        king.owner = Enemy;
        fromRow = 7 - fromRow, fromCol = 7 - fromCol, toRow = 7 - toRow, toCol = 7 - toCol;
    }
    const int home = white ? WhiteHomeColumn : BlackHomeColumn;
    const CastleRecognition castle =
        recogniseUserCastle(king, fromRow, fromCol, toRow, toCol, rights, moverInCheck, frame, home);
    if (castle.verdict == CastleVerdict::NotAnAttempt) return false;

    const int homeRow = white ? 7 : 0;
    const int homeCol = white ? WhiteHomeColumn : 7 - BlackHomeColumn;
    g.displayBoard.at(homeRow, homeCol) = g.heldPiece;
    g.heldPiece = EmptySquare;
    if (castle.verdict == CastleVerdict::Accepted) {
        frame.at(7, home) = king;
        applyMove(castle.castle, frame);
        if (!white) flipBoard(frame);
        g.displayBoard = frame;
        move.fromRow = castle.castle.fromRow;
        move.fromCol = castle.castle.fromCol;
        frameMove = castle.castle;
    } else {
        move = makeMoveRecord(homeRow, homeCol, homeRow, homeCol);
        invalidateSquare(window, homeRow, homeCol);
    }
    window.invalidate();
    return true;
}

// Judges an ordinary drop in the mover's frame; on success the piece stands
// on the drop square of displayBoard.
void judgeMove(GameWindow& window, bool white, MoveRecord& frameMove) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    GameState& game = *g.currentGame;
    MoveRecord& move = g.humanMove;
    game.board = g.displayBoard;
    frameMove = move;
    Square piece = g.heldPiece;
    if (!white) {
        flipBoard(game.board);
        flipMove(frameMove);
        piece.owner = Enemy;
    }
    const bool legal = isLegalUserMove(frameMove, piece, game);
    game.board = g.displayBoard;
    if (!legal) {
        g.displayBoard.at(move.fromRow, move.fromCol) = g.heldPiece;
        move.toRow = move.fromRow;
        move.toCol = move.fromCol;
        invalidateSquare(window, move.fromRow, move.fromCol);
        g.heldPiece = EmptySquare;
        return;
    }
    if (g.heldPiece.kind == Pawn && (move.toRow == 0 || move.toRow == 7)) g.heldPiece.kind = Queen;
    if (g.displayBoard.at(move.toRow, move.toCol).owner != Empty) move.isCapture = 1;
    g.displayBoard.at(move.toRow, move.toCol) = g.heldPiece;
    g.heldPiece = EmptySquare;
}

// After a move: does it attack the other side's king?
void markCheck(GameWindow& window, bool white) {
    GameRecord& g = window.ui().game;
    Board other = g.displayBoard;  // Black is Own as it stands
    if (!white) flipBoard(other);
    if (checkTestOrReport(window, other)) {
        window.setStatusText(QString::fromUtf8(text::Check));
        g.humanMove.givesCheck = 1;
    }
}

void recordMove(GameWindow& window, bool white, const MoveRecord& frameMove) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    window.playSound(res::MoveSound);

    // The rights the move gives up, judged in the mover's frame.
    Board frame = g.displayBoard;
    if (!white) flipBoard(frame);
    UserCastlingRights rights = white ? UserCastlingRights{ui.whiteCanCastleShort, ui.whiteCanCastleLong}
                                      : UserCastlingRights{ui.blackCanCastleShort, ui.blackCanCastleLong};
    updateUserCastlingRights(rights, frameMove, frame, white ? WhiteHomeColumn : BlackHomeColumn);
    (white ? ui.whiteCanCastleShort : ui.blackCanCastleShort) = rights.canCastleShort;
    (white ? ui.whiteCanCastleLong : ui.blackCanCastleLong) = rights.canCastleLong;
    recordMove(window, white, g.humanMove, g.humanMove.givesCheck);
}

// Is the side to answer mated? Asked with the board held from the mover's
// side; the game's board is left as drawn.
bool answerIsMated(GameState& game, const Board& displayBoard, bool white) {
    game.board = displayBoard;
    if (white) flipBoard(game.board);
    const bool mated = isCheckmated(game);
    game.board = displayBoard;
    return mated;
}

// The move is on the board: record it, then end the game or pass the turn.
void finishMove(GameWindow& window, bool white, const MoveRecord& frameMove) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    recordMove(window, white, frameMove);
    const bool mates = answerIsMated(*g.currentGame, g.displayBoard, white);
    announceMove(window, white ? "White" : "Black", white, g.undoBoard, g.humanMove, g.humanMove.givesCheck,
                 !mates ? nullptr : white ? "White wins." : "Black wins.");
    if (mates) {
        g.keepWinner(white);
        announceGameOver(window, text::CheckMate);
    } else {
        ui.whiteToMove = !ui.whiteToMove;
    }
}

// The held piece goes back on its square for the undo copy and the check
// test; returns whether the mover's king was attacked before the move.
bool moverInCheckBeforeMove(GameRecord& g, bool white) {
    const MoveRecord& move = g.humanMove;
    g.undoBoard = g.displayBoard;
    g.undoBoard.at(move.fromRow, move.fromCol) = g.heldPiece;
    g.undoMoves = g.moves.size();
    g.displayBoard.at(move.fromRow, move.fromCol) = g.heldPiece;
    Board before = g.displayBoard;
    if (white) flipBoard(before);
    const bool inCheck = isOwnKingAttacked(before);
    g.displayBoard.at(move.fromRow, move.fromCol) = EmptySquare;
    return inCheck;
}

void drop(GameWindow& window, int x, int y) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    ui.isDragging = false;
    ui.dragImageShown = false;
    int row = -1, col = -1;
    ui.geometry.squareAt(x, y, row, col);
    MoveRecord& move = g.humanMove;
    if (g.heldPiece.owner != Empty && g.currentGame) {
        const bool white = ui.whiteToMove;
        move.toRow = row;
        move.toCol = col;
        const bool moverInCheck = moverInCheckBeforeMove(g, white);

        MoveRecord frameMove = move;
        const bool castled = g.heldPiece.kind == King && tryCastle(window, white, moverInCheck, frameMove);
        if (!castled) judgeMove(window, white, frameMove);
        const bool moved = move.fromRow != move.toRow || move.fromCol != move.toCol;
        // A castle can give check too (the rook lands beside the other king's
        // file); it is announced and written like any other check.
        if (moved) markCheck(window, white);
        invalidateSquare(window, row, col);
        window.invalidate();
        if (moved) finishMove(window, white, frameMove);
    }
    move.isCapture = 0;
    move.givesCheck = 0;
}

}  // namespace

void startTwoPlayerGame(GameWindow& window) {
    // White at the bottom. Undo Move stays greyed for the whole game: it
    // takes back a move together with the answer to it, which fits no
    // two-player turn.
    resetForNewGame(window, false, PlayMode::TwoPlayer);
    window.installMode(twoPlayerProc);
}

int twoPlayerProc(GameWindow& window, int message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
    case msg::WM_LBUTTONDOWN: pickUp(window, msg::xOf(lParam), msg::yOf(lParam)); return 0;
    case msg::WM_LBUTTONUP: drop(window, msg::xOf(lParam), msg::yOf(lParam)); return 0;
    default: return passToCommonProc(window, message, wParam, lParam);
    }
}

}  // namespace orbel
