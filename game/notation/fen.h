// FEN, the one-line position every chess program reads: the board from the
// eighth rank down, the side to move, the castling rights, the en passant
// square, the half-move clock and the move number. Standard C++ only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/position.h"

namespace orbel {

// Under standard rules the en passant square follows every double step, a
// capture there possible or not (as other programs write it), and the
// half-move clock is the position's. This program's own rules have no en
// passant and no fifty-move draw: there those two fields are always "-" and
// "0". A castling right is written only while its
// king and rook stand on their squares: a right the rules keep after the
// rook was taken on its corner can never be used, and other programs refuse
// such a FEN.
std::string writeFen(const StandardPosition& position);

// The parts of a text between runs of spaces, tabs and line ends, as FEN's
// fields and other programs' one-line messages are written.
std::vector<std::string_view> whiteSpaceFields(std::string_view text);

// Reads a FEN, with white space around it and between its fields, and either
// all six fields or the first four (clock 0, move 1). Returns "" and sets
// `position` when it reads; otherwise a short reason ("rank 3 has 9 squares")
// and `position` is untouched. Refused besides malformed text: castling
// rights whose king or rook is not at home, a move number outside 1..9999,
// and any position positionProblem refuses. The en passant square is checked
// for its rank and kept as the position's target, the clock as its
// half-move clock. The position keeps the rules `position` had (this
// program's own by default), but one where a pawn may capture en passant
// can be played only by standard chess, and gets its rules.
std::string readFen(std::string_view text, StandardPosition& position);

}  // namespace orbel
