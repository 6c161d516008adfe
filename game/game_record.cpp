#include "game/game_record.h"

namespace orbel {

void GameRecord::newGame(bool userPlaysBlack) {
    currentGame = std::make_shared<GameState>(userPlaysBlack ? 4 : 3);
    // A piece still in hand belongs to the game that is gone.
    heldPiece = EmptySquare;
    syncDisplay();
}

void GameRecord::takeBack() {
    if (!currentGame) return;
    currentGame->board = undoBoard;
    displayBoard = undoBoard;
    currentGame->moveCount -= 2;
    if (whiteHistory.count > 0) --whiteHistory.count;
    if (blackHistory.count > 0) --blackHistory.count;
    if (moves.size() > undoMoves) {
        moves.resize(undoMoves);
        current = start;
        for (const StandardMove& m : moves) current = afterMove(current, m);
    }
    result = "*";
}

void GameRecord::beginMovesAt(const StandardPosition& position) {
    start = current = position;
    moves.clear();
    undoMoves = 0;
    result = "*";
}

void GameRecord::keepMove(const StandardMove& move) {
    moves.push_back(move);
    current = afterMove(current, move);
    result = "*";
}

void GameRecord::keepMove(const MoveRecord& record, Side ownSide, Side mover) {
    if (current.toMove != mover) {
        StandardPosition here = current;
        here.toMove = mover;
        beginMovesAt(here);
    }
    keepMove(standardMove(record, current, ownSide));
}

void GameRecord::keepWinner(bool whiteWins) {
    if (result == "*") result = whiteWins ? "1-0" : "0-1";
}

void GameRecord::syncDisplay() {
    if (currentGame) displayBoard = currentGame->board;
}

}  // namespace orbel
