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
}

void GameRecord::syncDisplay() {
    if (currentGame) displayBoard = currentGame->board;
}

}  // namespace orbel
