// The game in progress as the main window keeps it: the game object the rules
// and the computer work on, and the records a move travels through (the piece
// in the user's hand, the drawn board, the position before the user's last
// drop, the last move of each side, the user's castling rights and the two
// written move lists). Standard C++ only.
#pragma once

#include <memory>

#include "game/move_text.h"
#include "rules/apply_move.h"
#include "rules/board.h"

namespace orbel {

struct GameRecord {
    // The game being played; none before the first game is set up. Shared so
    // that the computer's thread can keep the object alive while it thinks.
    std::shared_ptr<GameState> currentGame;
    // What is drawn: a copy of the game's board, refreshed after every change
    // the user interface makes and after the computer's move is handed back.
    Board displayBoard;
    // The position before the user's last release of a piece.
    Board undoBoard;
    // The piece in the user's hand, or an empty square.
    Square heldPiece = EmptySquare;
    MoveRecord humanMove = noMoveRecord();
    MoveRecord computerMove = noMoveRecord();
    UserCastlingRights humanCastle;
    MoveHistory whiteHistory;
    MoveHistory blackHistory;

    // Replaces the game by a new one for a user playing White (king column 3)
    // or Black (king column 4), and shows its board.
    void newGame(bool userPlaysBlack);
    // Undo Move: the position before the user's last release, two plies fewer,
    // one line fewer in each list (never below none).
    void takeBack();
    // Copies the game's board into displayBoard.
    void syncDisplay();
};

}  // namespace orbel
