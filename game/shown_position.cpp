#include "game/shown_position.h"

namespace orbel {

bool userMayMove(const UiState& ui, PlayMode mode) {
    if (!ui.game.currentGame) return false;
    switch (mode) {
    case PlayMode::OnePlayer: return !ui.computerThinking;
    case PlayMode::Network: return ui.myTurn;
    case PlayMode::TwoPlayer: return true;
    }
    return false;
}

StandardPosition shownPosition(const UiState& ui, PlayMode mode) {
    const Side top = topSide(ui);
    if (mode == PlayMode::TwoPlayer) {
        const UserCastlingRights white{ui.whiteCanCastleShort, ui.whiteCanCastleLong};
        const UserCastlingRights black{ui.blackCanCastleShort, ui.blackCanCastleLong};
        const Side toMove = ui.whiteToMove ? Side::White : Side::Black;
        return standardPosition(ui.game.displayBoard, top, toMove, black, white,
                                ui.game.whiteHistory.count + (toMove == Side::White ? 1 : 0));
    }
    // The other side's rights are not kept where the user could lose them;
    // they matter to none of its readers.
    const Side user = other(top);
    const Side toMove = userMayMove(ui, mode) ? user : top;
    return standardPosition(ui.game.displayBoard, top, toMove, UserCastlingRights{}, ui.game.humanCastle,
                            ui.game.whiteHistory.count + (toMove == Side::White ? 1 : 0));
}

}  // namespace orbel
