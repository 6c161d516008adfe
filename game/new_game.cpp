#include "game/new_game.h"

#include "computer/search.h"
#include "game/move_flow.h"
#include "game/texts.h"

namespace orbel {

void showFatalError(GameWindow& window) {
    window.messageBox(nullptr, QString::fromUtf8(text::FatalError), QStringLiteral("Fatal Error"), MessageIcon::Stop);
}

void startOnePlayerGame(GameWindow& window, bool userPlaysBlack, int level) {
    GameRecord& g = window.ui().game;
    // The old game goes before the new one is made.
    g.currentGame.reset();
    resetForNewGame(window, userPlaysBlack);
    window.setStatusText(QString::fromUtf8(text::WhiteToMove));
    if (userPlaysBlack) {
        // The computer opens as White at once, on this thread; its move goes
        // to a scratch record, so no last-move frame is drawn for it.
        MoveRecord opening = noMoveRecord();
        const Board before = g.currentGame->board;
        if (chooseComputerMove(*g.currentGame, opening, makeMoveRecord(-2, -2, -2, -2)) == ChoiceOutcome::Failed) {
            showFatalError(window);
        } else {
            announceMove(window, "Computer", true, before, opening, false);
        }
        g.whiteHistory.setLine(0, "e4");
        g.whiteHistory.count = 1;
        window.setStatusText(QString::fromUtf8(text::BlackToMove));
        window.invalidateHistoryPanes();
    }
    g.currentGame->level = level;
    g.syncDisplay();
}

}  // namespace orbel
