// The game in progress as the main window keeps it: the game object the rules
// and the computer work on, and the records a move travels through (the piece
// in the user's hand, the drawn board, the position before the user's last
// drop, the last move of each side, the user's castling rights and the two
// written move lists), and the same game in the terms other chess programs
// read. Standard C++ only.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "game/move_text.h"
#include "game/standard_moves.h"
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

    // The game as PGN and FEN tell it: the position it began from (the usual
    // start, or the position loaded or opened), every move since in order,
    // and where they lead. Touched only on the window's thread; no saved
    // game holds it.
    StandardPosition start = initialPosition();
    std::vector<StandardMove> moves;
    StandardPosition current = initialPosition();
    // How many of `moves` led to undoBoard: taken with it.
    std::size_t undoMoves = 0;
    // "1-0" or "0-1" once a side has won, "*" while the game is open.
    std::string result = "*";

    // Replaces the game by a new one for a user playing White (king column 3)
    // or Black (king column 4), and shows its board.
    void newGame(bool userPlaysBlack);
    // Undo Move: the position before the user's last release, two plies fewer,
    // one line fewer in each list (never below none), and the moves played
    // since that position forgotten.
    void takeBack();
    // The move list begins afresh at `position`, the game open.
    void beginMovesAt(const StandardPosition& position);
    // A move of the side to move in `current`, played there; a game that
    // goes on is open again.
    void keepMove(const StandardMove& move);
    // The same for a move record of the board held with `ownSide` as Own,
    // made by `mover`. A move by the side not to move is play going on past
    // the end of the game, whose final position stays on the board after a
    // resignation: standard chess cannot follow that, and the kept game
    // begins again from the position before the move.
    void keepMove(const MoveRecord& record, Side ownSide, Side mover);
    // The game is won, unless its result is settled already.
    void keepWinner(bool whiteWins);
    // Copies the game's board into displayBoard.
    void syncDisplay();
};

}  // namespace orbel
