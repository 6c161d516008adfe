// The board in words, for a screen reader and for anyone who cannot see it:
// a square and what stands on it, a move as it was played, and a whole
// position. Standard C++ only, over the absolute terms of standard notation.
#pragma once

#include <string>

#include "rules/words.h"
#include "rules/position.h"

namespace orbel {

// Every text is in words for a person, in the language of `tr` (English
// by default): its words are under the context "orbel::Spoken".

// "pawn", "knight", ... "king"; "piece" for anything else. English: a caller
// that speaks it translates it with the context "orbel::Spoken".
const char* pieceName(PieceKind kind) noexcept;

// "e4, white pawn" or "d5, empty".
std::string spokenSquare(const StandardPosition& position, int square, Translate tr = inEnglish);

// A move legal in `before`: "pawn e2 to e4", "knight g8 to f6", "bishop c4
// takes pawn f7", "pawn e7 to e8, becomes a queen", "castles short",
// "castles long".
std::string spokenMove(const StandardPosition& before, const StandardMove& move, Translate tr = inEnglish);

// A move by its standard notation, as short as the notation is: "e4",
// "knight f3", "e takes d5", "knight b d7", "rook takes a8, check",
// "e8, becomes a queen", "castles short", "queen h7, checkmate".
std::string spokenSan(std::string_view san, Translate tr = inEnglish);

// One side's pieces, kings first and pawns last, each kind's squares from a1
// on: "White has king e1, rooks a1 and h1, pawns e4 and f2." Spoken words
// carry no colons or brackets: a screen reader would read them out.
std::string spokenSide(const StandardPosition& position, Side side, Translate tr = inEnglish);

// Every piece by side, then whose move it is and whether that side is in
// check: "White has king e1. Black has king e8, pawn e7. White to move, check."
std::string spokenPosition(const StandardPosition& position, Translate tr = inEnglish);

// A rank (0..7 from White's side) or a file (0..7 from a) of the board: the
// pieces on it from a (or from 1) on, then how many squares are empty:
// "Rank 2. a2 white pawn, e2 white king. 6 empty."
std::string spokenRank(const StandardPosition& position, int rank, Translate tr = inEnglish);
std::string spokenFile(const StandardPosition& position, int file, Translate tr = inEnglish);

// Where both sides' pieces of a kind stand: "White knights b1 and g1. Black
// has no knights."
std::string spokenKind(const StandardPosition& position, PieceKind kind, Translate tr = inEnglish);

// The material on the board, pawn 1, knight and bishop 3, rook 5, queen 9:
// "White 39, Black 36. White is 3 ahead." or "... Even."
std::string spokenMaterial(const StandardPosition& position, Translate tr = inEnglish);


}  // namespace orbel
