// Legal moves of a standard position under this program's rules, and what
// standard chess thinks of them. Standard C++ only.
//
// Under this program's own rules (RuleSet::Orbel) a move is legal exactly when the window would accept it as a drop of
// the side to move: the board is held with the mover as Enemy (as two-player
// play turns it for Black), a king dragged two columns along its home row is
// a castling attempt judged by recogniseUserCastle with the mover's rights,
// anything else must pass isLegalUserMove, and a pawn reaching the last rank
// becomes a queen. So there is no en passant and no promotion but to a queen,
// and a castle may cross or land on an attacked square. A position whose
// `rules` say Standard adds what standard chess adds: en passant, promotion
// to any of queen, rook, bishop or knight, and castling only when the king
// neither leaves, crosses nor lands on an attacked square.
#pragma once

#include <vector>

#include "rules/position.h"

namespace orbel {

// Narrows a listing to one kind of piece and/or one destination square.
struct MoveFilter {
    PieceKind kind = NoPiece;  // NoPiece: any kind
    int to = -1;               // -1: any square
};

// The legal moves of the side to move, by from-square, then to-square, then
// the promoted piece (queen, rook, bishop, knight).
void legalMoves(const StandardPosition& position, std::vector<StandardMove>& out, MoveFilter filter = {});
bool isLegalMove(const StandardPosition& position, const StandardMove& move);

// The position after a move, which the caller vouches is legal, as standard
// chess keeps it: castling rights lost by a king's move and by any move from
// or onto a rook's corner, the en passant target of a double step, the
// half-move clock, the other side to move, and the move number raised after
// Black's move.
StandardPosition afterMove(const StandardPosition& position, const StandardMove& move);
// The same as this program's rules keep it, a move being a drop on the board:
// the mover's rights lost by a move from a rook's corner and by a move that
// ends on the king's square (a long castle included, a short one not); no en
// passant target. Under standard rules the same as afterMove.
StandardPosition afterPlay(const StandardPosition& position, const StandardMove& move);

// A pawn's diagonal step onto the position's en passant square; a move that
// takes a piece, en passant included.
bool isEnPassant(const StandardPosition& position, const StandardMove& move);
bool isCapture(const StandardPosition& position, const StandardMove& move);

// Is the side to move's king attacked?
bool isInCheck(const StandardPosition& position);
// Checkmate and stalemate as standard chess counts them (an en passant
// capture is a move there). This program knows no stalemate: a side without a
// move simply cannot play.
bool isCheckmate(const StandardPosition& position);
bool isStalemate(const StandardPosition& position);

// Why standard chess would not allow a move this program allows, or nullptr
// when it would: castling out of check, across or onto an attacked square, or
// after the king or that rook has moved or the rook was taken; any move that
// is not legal here either. English, marked for the translators, as is
// positionProblem's reason: a caller that shows it to a person translates it
// with the context "orbel::Rules".
const char* standardChessRefusal(const StandardPosition& position, const StandardMove& move);

// Why this program's rules refuse a move of the side to move, in the order a
// player would look: the piece, the square it lands on, the way it goes,
// then the king. None when the move is legal.
enum class Refusal {
    None,
    NotAMove,        // no square, or from and to the same
    NothingThere,    // no piece on the from-square
    NotYourPiece,    // the other side's piece
    OwnPieceThere,   // the mover's own piece on the to-square
    NotThatWay,      // the piece does not move so
    WayBlocked,      // a piece stands in the way
    NothingToTake,   // a pawn's diagonal step onto an empty square
    NoEnPassant,     // ... beside a pawn that may just have stepped two
    EnPassantGone,   // ... standard chess: not right after its double step
    CastlingGone,    // the king or that rook has moved, or the rook is gone
    InCheck,         // the king is in check and the move leaves it so
    CastleThroughAttack,  // standard chess: the castling king crosses an attacked square
    CastleIntoCheck,      // ... or lands on one
    Pinned,          // the piece shields its king
    KingAttacked,    // the king would step onto an attacked square
};
Refusal refusalOf(const StandardPosition& position, const StandardMove& move);

// Why a position cannot be played from in standard chess, or nullptr: each
// side needs exactly one king, at most 16 pieces and 8 pawns, no pawn on the
// first or last rank, and the side not to move must not be in check.
const char* positionProblem(const StandardPosition& position);

}  // namespace orbel
