// The board in words, for a screen reader and for anyone who cannot see it:
// a square and what stands on it, a move as it was played, and a whole
// position. Standard C++ only, over the absolute terms of standard notation.
#pragma once

#include <string>

#include "rules/position.h"

namespace orbel {

// "pawn", "knight", ... "king"; "piece" for anything else.
const char* pieceName(PieceKind kind) noexcept;

// "e4, white pawn" or "d5, empty".
std::string spokenSquare(const StandardPosition& position, int square);

// A move legal in `before`: "pawn e2 to e4", "knight g8 to f6", "bishop c4
// takes pawn f7", "pawn e7 to e8, becomes a queen", "castles short",
// "castles long".
std::string spokenMove(const StandardPosition& before, const StandardMove& move);

// Every piece by side, kings first and pawns last, each kind's squares from
// a1 on; then whose move it is and whether that side is in check:
// "White: king e1, rooks a1 and h1, pawns e4 and f2. Black: king e8. White
// to move, check."
std::string spokenPosition(const StandardPosition& position);

}  // namespace orbel
