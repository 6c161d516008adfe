// The computer's candidate moves: not every legal move, but the moves that
// have a purpose (captures, threats, defences, pawn advances, flights,
// development and castling), in a fixed order that the search depends on.
//
// Usage: clear both lists, call generateCandidates, then buildMoveList with the
// same lists and board. Neither tests whether a move leaves the Own king attacked.
#pragma once

#include "rules/board.h"

namespace orbel {

// Stage one: scans every Own piece, noting statuses and collecting captures,
// threat moves, pawn advances and defence moves. Returns the status count.
int generateCandidates(const GameState& game, MoveList& moves, StatusList& statuses, const Board& board);

// Stage two: flights for attacked pieces, development, bishop-opening pawn
// moves and castling. The board is changed while it works and restored.
// Returns the number of moves.
int buildMoveList(const GameState& game, MoveList& moves, StatusList& statuses, Board& board);

// The helpers of the two stages, for the Own piece on (row, col).
void threatMoves(const GameState& game, MoveList& moves, StatusList& statuses, int row, int col, const Board& board);
void defenceMoves(const GameState& game, MoveList& moves, StatusList& statuses, int row, int col, const Board& board);
void centralPawnPush(MoveList& moves, StatusList& statuses, int row, int col, const Board& board);
void pawnPush(MoveList& moves, StatusList& statuses, int row, int col, const Board& board);
void backRankPiece(MoveList& moves, StatusList& statuses, int row, int col, const Board& board);

// The quiet move of the entry's piece to the square that the fewest of the
// opponent's candidate moves reach (the earliest such move on a tie);
// noMoveRecord when it has none. `board` is changed while it works and restored.
MoveRecord bestSquareMove(const GameState& game, Board& board, const PieceStatus& entry);

// Whether generateCandidates would list any threat move for the board.
bool hasThreatMove(const Board& board);

// Moves of the piece to empty squares, in the generator's order.
void quietMoves(MoveList& out, Square piece, int row, int col, const Board& board);

// generateCandidates followed by buildMoveList on fresh lists and a copy of
// the board: the computer's candidate list for a position.
void candidateMoves(const GameState& game, const Board& board, MoveList& moves, StatusList& statuses);

}  // namespace orbel
