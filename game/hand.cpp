#include "game/hand.h"

#include "game/table.h"

namespace orbel {

Hand::Hand(Table& table, QObject* parent) : QObject(parent), table_(table) {
    // A piece in the hand belongs to the position it was picked up from.
    connect(&table.game(), &Game::begun, this, &Hand::empty);
    connect(&table.game(), &Game::takenBack, this, &Hand::empty);
    connect(&table.game(), &Game::moveTakenBack, this, &Hand::empty);
}

bool Hand::pickUp(int square) {
    if (!table_.userMayMove()) return false;
    empty();
    if (!isSquare(square)) return false;
    const Piece piece = table_.game().position().at(square);
    if (piece.empty() || piece.side != table_.handSide()) return false;
    from_ = square;
    piece_ = piece;
    emit changed();
    return true;
}

PlayOutcome Hand::putDown(int square) {
    if (!holding()) return {PlayOutcome::Kind::Refused, QT_TRANSLATE_NOOP("orbel::Refusal", "nothing in hand")};
    const StandardMove move = droppedMove(table_.game().position(), from_, square);
    from_ = -1;
    piece_ = {};
    // Refused or played, the hand is empty before anyone hears of the move.
    emit changed();
    return table_.playForUser(move, true);
}

void Hand::empty() {
    if (!holding()) return;
    from_ = -1;
    piece_ = {};
    emit changed();
}

StandardMove droppedMove(const StandardPosition& position, int from, int to) {
    StandardMove move{static_cast<std::int8_t>(from), static_cast<std::int8_t>(isSquare(to) ? to : -1)};
    if (!isSquare(from) || !isSquare(to)) return move;
    const Piece piece = position.at(from);
    const int home = piece.side == Side::White ? squareAt(4, 0) : squareAt(4, 7);
    if (piece.kind == King && from == home && (to == home + 2 || to == home - 2)) {
        move.castle = to == home + 2 ? Castle::Short : Castle::Long;
    }
    move.promotes = piece.kind == Pawn && (rankOf(to) == 0 || rankOf(to) == 7);
    return move;
}

}  // namespace orbel
