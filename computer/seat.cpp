#include "computer/seat.h"

#include "computer/brain_text.h"
#include "computer/search.h"
#include "rules/check.h"
#include "rules/held_frame.h"

namespace orbel {

TopSeat::TopSeat(Side side) : side_(side), game_(std::make_shared<GameState>(kingColumnFor(side))) {}

void TopSeat::follow(const StandardPosition& position) {
    game_->board = heldBoard(position, side_);
    game_->rules = position.rules;
    const bool target = position.rules == RuleSet::Standard && isSquare(position.enPassantTarget);
    const HeldSquare h = target ? heldSquare(position.enPassantTarget, side_) : HeldSquare{-1, -1};
    game_->enPassantRow = static_cast<std::int8_t>(h.row);
    game_->enPassantCol = static_cast<std::int8_t>(h.col);
}

bool TopSeat::acceptsDraw() const { return orbel::acceptsDraw(*game_); }

void TopSeat::setUp(const StandardPosition& position, int moveCount, bool hasCastled) {
    follow(position);
    game_->moveCount = moveCount;
    game_->canCastleShort = position.rightsOf(side_).canCastleShort ? 1 : 0;
    game_->canCastleLong = position.rightsOf(side_).canCastleLong ? 1 : 0;
    game_->hasCastled = hasCastled ? 1 : 0;
}

void TopSeat::noteOwnMove(const StandardMove& move, const StandardPosition& before) {
    follow(before);
    updateOwnCastlingRights(*game_, heldMoveRecord(move, side_));
}

void TopSeat::takeBack(const StandardPosition& position) {
    follow(position);
    game_->moveCount -= 2;
}

bool TopSeat::isMated(const StandardPosition& position) const {
    // Asked of a board held from the side that has just moved, whose
    // opponent is to move; the rules' test turns it itself.
    GameState trial(game_->ownKingColumn);
    trial.canCastleShort = game_->canCastleShort;
    trial.canCastleLong = game_->canCastleLong;
    trial.board = heldBoard(position, other(position.toMove));
    return isCheckmated(trial);
}

MoveRecord TopSeat::lastMoveRecord(const StandardMove& userMove) const { return heldMoveRecord(userMove, side_); }

MoveRecord TopSeat::openingMarker() { return makeMoveRecord(-2, -2, -2, -2); }

StandardMove TopSeat::chosenMove(const MoveRecord& record, const StandardPosition& before) const {
    return standardMove(record, before, side_);
}

std::optional<std::string> TopSeat::brainText() const {
    MoveList line;
    int value = 0;
    if (!readExpectedLine(*game_, line, value)) return std::nullopt;
    return orbel::brainText(line, value);
}

}  // namespace orbel
