// The user's hand on the board: the piece picked up from a square by the
// mouse or the keyboard, until it is put down. While it is in the hand, its
// square is drawn empty; the position itself does not change until the move
// is played.
#pragma once

#include <QObject>

#include "game/played_move.h"

namespace orbel {

class Table;

class Hand : public QObject {
    Q_OBJECT
public:
    explicit Hand(Table& table, QObject* parent = nullptr);

    bool holding() const { return from_ >= 0; }
    // The square the piece came from (-1 with an empty hand) and the piece.
    int from() const { return from_; }
    Piece piece() const { return piece_; }

    // Picks up the piece on `square` when the user may move it now; a piece
    // still in the hand goes back first. False when nothing was picked up.
    bool pickUp(int square);
    // Puts the piece down on `square` (-1: off the board): the move is
    // played, or refused and the piece is back on its square. Refused at once
    // with an empty hand.
    PlayOutcome putDown(int square);
    // The piece goes back where it came from; nothing is played.
    void empty();

signals:
    void changed();

private:
    Table& table_;
    int from_ = -1;
    Piece piece_;
};

// The move a piece picked up on `from` and put down on `to` makes in
// `position`: a king dragged from its home square two files along its rank
// is a castle; a pawn reaching the last rank becomes a queen.
StandardMove droppedMove(const StandardPosition& position, int from, int to);

}  // namespace orbel
