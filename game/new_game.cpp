#include "game/new_game.h"

#include "computer/search.h"
#include "game/texts.h"
#include "game/window_messages.h"

namespace orbel {

void showFatalError(GameWindow& window) {
    window.messageBox(false, QString::fromUtf8(text::FatalError), QStringLiteral("Fatal Error"), MessageIcon::Stop);
}

void startOnePlayerGame(GameWindow& window, bool userPlaysBlack, int level) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    g.whiteHistory.clear();
    g.blackHistory.clear();
    window.setStatusText(QString::fromUtf8(text::WhiteToMove));
    if (g.currentGame) {
        g.computerMove.fromRow = g.computerMove.fromCol = g.computerMove.toRow = g.computerMove.toCol = -1;
        g.currentGame.reset();
    }
    ui.humanPlaysBlack = userPlaysBlack;
    // Resign in a two-player game keeps the two-player procedure on the new
    // game: the side at the bottom moves first, with every castling right.
    ui.whiteToMove = true;
    ui.whiteCanCastleShort = ui.whiteCanCastleLong = ui.blackCanCastleShort = ui.blackCanCastleLong = true;
    g.newGame(userPlaysBlack);
    if (userPlaysBlack) {
        // The computer opens as White at once, on this thread; its move goes
        // to a scratch record, so no last-move frame is drawn for it.
        MoveRecord opening = noMoveRecord();
        if (chooseComputerMove(*g.currentGame, opening, makeMoveRecord(-2, -2, -2, -2)) == ChoiceOutcome::Failed) {
            showFatalError(window);
        }
        g.whiteHistory.setLine(0, "e4");
        window.setStatusText(QString::fromUtf8(text::BlackToMove));
        g.whiteHistory.count = 1;
    }
    window.enableCommand(cmd::UndoMove, false);
    g.currentGame->level = level;
    g.humanCastle = UserCastlingRights{};
    g.syncDisplay();
    window.playSound(res::NewGameSound);
    window.scrollHistoryPane(true, msg::SB_TOP);
    window.scrollHistoryPane(false, msg::SB_TOP);
}

}  // namespace orbel
