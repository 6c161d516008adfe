// The one adapter between the board's absolute terms (rules/position.h) and
// the frame the rules and the computer hold a board in: one side's pieces
// (the side "held") at home on row 0, the other side's on row 7, castles
// coded in a move's from-fields. Whatever lies outside rules/ and computer/
// asks its questions in absolute terms and comes through here. Standard C++
// only.
#pragma once

#include <optional>

#include "rules/position.h"

namespace orbel {

// Where a square of the standard board lies on a board held from `heldSide`.
// White held: column c is file a+c, row r rank r+1. Black held: column c is
// file h-c, row r rank 8-r. The drawn board holds the side at its top.
struct HeldSquare {
    int row;
    int col;
};
HeldSquare heldSquare(int square, Side heldSide) noexcept;
int standardSquare(int row, int col, Side heldSide) noexcept;
// The kings' home column on such a board: GameState::ownKingColumn.
constexpr int kingColumnFor(Side heldSide) noexcept { return heldSide == Side::White ? 4 : 3; }

// The pieces of a held board in absolute terms; squares holding anything but
// a piece of kind 1..6 of either side read as empty. Side to move, rights and
// move number are the caller's.
StandardPosition standardPosition(const Board& board, Side heldSide, Side toMove, const CastlingRights& heldRights,
                                  const CastlingRights& otherRights, int fullMove);
// The pieces of a position on a board held from `heldSide`.
Board heldBoard(const StandardPosition& position, Side heldSide);

// A move record of a board held from `heldSide`, played in `before` (where it
// is the side to move's): castling records of either side's code become the
// mover's castle, whatever their to-fields hold.
StandardMove standardMove(const MoveRecord& record, const StandardPosition& before, Side heldSide);
// The record the rules apply for a move on a board held from `heldSide`:
// (99|100, 99|100, 99, 99) for a castle of the held side, (99|100, 101, 7,
// the king's destination) for the other side's (as a dragged king drops it),
// otherwise the two squares.
MoveRecord heldMoveRecord(const StandardMove& move, Side heldSide);

// The four numbers of a move as the peer of a network game receives it: the
// board held from the mover (the receiver's opponent), a castle's code
// doubled and its to-fields where the mover dropped its king on a board held
// from the receiver.
MoveRecord moveForPeer(const StandardMove& move, Side mover);
// A move the peer sent, played by `mover` in `before`: a castle (99, 99) or
// (100, 100) whatever its last two numbers, or two squares on the board.
// Nothing for anything else; whether the move is legal is not looked at.
std::optional<StandardMove> moveFromPeer(const MoveRecord& received, const StandardPosition& before, Side mover);

}  // namespace orbel
