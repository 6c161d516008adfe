// The computer's static judgement of a position, from the side that has just
// moved (Own): 10 x material + 5 x exchange risk + 2 x positional rules. One
// pawn is worth 10 points; larger is better for Own.
#pragma once

#include "rules/board.h"

namespace orbel {

// The three terms, computed in this order on the same board, and their
// weighted sum.
struct Evaluation {
    int material = 0;
    int exchange = 0;
    int positional = 0;
    int total = 0;
};

// The board is changed while the exchange term plays captures out, and
// restored before this returns.
Evaluation evaluationTerms(const GameState& game, Board& board);

// evaluationTerms(game, board).total: the score the search compares.
int evaluatePosition(const GameState& game, Board& board);

// Own material minus Enemy material, by the table in rules/material.h.
int materialBalance(const Board& board) noexcept;

// The worst loss the Enemy can force by capturing an Own piece on its next
// move, played out as captures and recaptures on one square: at most 0 as
// soon as the Enemy has a move that is no capture; 9999 when it has no
// candidate move at all. The board is restored before this returns.
int exchangeRisk(const GameState& game, Board& board);

// The same term computed the slow way, from the Enemy's whole candidate list
// and full capture lists at every step. exchangeRisk falls back on it where
// its shortcuts cannot decide; tests hold the two against each other.
int exchangeRiskFromWholeLists(const GameState& game, Board& board);

// Development, castling and pawn centre rules.
int positionalScore(const GameState& game, const Board& board);

// An Own knight on (2,5) with an Own bishop on (1,4), or a knight on (2,2)
// with a bishop on (1,2).
bool developmentPattern(const Board& board) noexcept;

// Piece values in exchanges (queen 11, king 100).
int exchangeValue(PieceKind kind) noexcept;

// Orders the list by the kind of the piece on each move's from-square in the
// given position, ascending, with the exact (unstable) shell sort the
// computer's choices depend on. Every move must be an ordinary move.
void sortByMoverKind(MoveList& moves, const Board& board) noexcept;

}  // namespace orbel
