// Check, the legality of the user's moves, and checkmate.
//
// In one-player play the game's board holds the computer as Own and the user
// as Enemy; each question below says which side it expects to be Own.
#pragma once

#include <utility>
#include <vector>

#include "rules/board.h"

namespace orbel {

// Is the Own side's king attacked? (Any Own king, should there be several.)
bool isOwnKingAttacked(const Board& board);

// Whether an Own castle's king would pass over a square the Enemy attacks:
// what standard chess forbids beside castling out of or into check.
bool castlesThroughAttack(const MoveRecord& castle, const Board& board);

// The squares a user's piece (an Enemy piece on the held board, moving towards
// row 0) standing on `from` may move to, in the listing order. No castling,
// no en passant.
struct Destination {
    int row;
    int col;
};
void userDestinations(std::vector<Destination>& out, PieceKind kind, int fromRow, int fromCol, const Board& board);

// The user's move of `piece` (lifted off the game's board during the drag).
// True when the destination is one of the piece's destinations and the move
// leaves the user's king unattacked. The game's board is not changed.
bool isLegalUserMove(const MoveRecord& move, Square piece, const GameState& game);

// Is the side that is Enemy on the game's board (the side to move) checkmated?
// The board is held from the side that has just moved, and it is exactly as it
// was whenever this returns.
bool isCheckmated(GameState& game);

}  // namespace orbel
