// The opponent's moves in a network game, as the MOVE message brings them.
//
// The game passed here is held in the receiver's frame with the opponent as
// Own: the opponent's pieces are Own (100) with their home row 0, the local
// player's are Enemy (101) with their home row 7, and both kings start on
// column game.ownKingColumn. That is the orientation of the drawn board; a
// game board left flipped after a local move must be flipped back first.
// The game's canCastleShort and canCastleLong are the OPPONENT's castling
// rights, kept by applyPeerMove.
#pragma once

#include "rules/board.h"

namespace orbel {

// Whether the opponent could make this move in the game's position.
// - An ordinary move needs all four coordinates on the board, an Own piece on
//   the from-square, and must be legal for that piece as the rules judge the
//   user's moves, seen from the opponent's side: its destinations (no en
//   passant), and its own king not attacked afterwards.
// - A castle is (99, 99) short or (100, 100) long; the last two numbers are
//   not looked at. It needs the opponent's right for that wing, the king and
//   rook on their squares with the squares between them empty (as
//   ownCastlingMoves offers it), and the opponent's king not attacked now.
//   Like the user's castles, the squares the king crosses or lands on are not
//   looked at.
// Anything else, castling codes such as (99, 101) or (99, 100) included, is
// refused. The game is not changed.
bool isLegalPeerMove(const GameState& game, const MoveRecord& move);

// Plays a move that isLegalPeerMove accepted: updates the opponent's castling
// rights, sets the record's isCapture when its destination held a piece
// (never for a castle), and applies it to the game's board (a pawn reaching
// row 7 becomes a queen). givesCheck is left as it is.
void applyPeerMove(GameState& game, MoveRecord& move);

// isLegalPeerMove, then applyPeerMove when it holds. False, with the game and
// the record unchanged, when the move is refused.
bool takePeerMove(GameState& game, MoveRecord& move);

}  // namespace orbel
