#include "game/move_flow.h"

#include "game/shown_position.h"
#include "game/spoken.h"
#include "game/texts.h"

namespace orbel {
namespace {

MoveHistory& listOf(GameRecord& g, bool white) { return white ? g.whiteHistory : g.blackHistory; }

void lineWritten(GameWindow& window, bool white, int count) {
    if (count > HistoryLinesShown) window.scrollHistoryPane(white, msg::SB_LINEDOWN);
    window.invalidateHistoryPanes();
}

}  // namespace

void recordMove(GameWindow& window, bool moverIsWhite, const MoveRecord& move, bool check) {
    UiState& ui = window.ui();
    MoveHistory& list = listOf(ui.game, moverIsWhite);
    // The move is on the board already; the standard position still stands before it.
    ui.game.keepMove(move, topSide(ui), moverIsWhite ? Side::White : Side::Black);
    writeMoveText(move, list, list.count, ui.game.displayBoard, ui.humanPlaysBlack);
    ++list.count;
    if (!check) window.setStatusText(QString::fromUtf8(moverIsWhite ? text::BlackToMove : text::WhiteToMove));
    lineWritten(window, moverIsWhite, list.count);
}

void announceMove(GameWindow& window, const char* who, bool moverIsWhite, const Board& before,
                  const MoveRecord& move, bool check, const char* result) {
    const UiState& ui = window.ui();
    const Side mover = moverIsWhite ? Side::White : Side::Black;
    const StandardPosition position = standardPosition(before, topSide(ui), mover, {}, {}, 1);
    std::string said = std::string(who) + ": " + spokenMove(position, standardMove(move, position, topSide(ui)));
    if (result) {
        said += ", checkmate. ";
        said += result;
    } else if (check) {
        said += ", check";
    }
    window.announce(QString::fromStdString(said));
}

void recordResult(GameWindow& window, bool winnerIsWhite, const MoveRecord& matingMove) {
    GameRecord& g = window.ui().game;
    g.keepMove(matingMove, topSide(window.ui()), winnerIsWhite ? Side::White : Side::Black);
    g.keepWinner(winnerIsWhite);
    MoveHistory& list = listOf(g, winnerIsWhite);
    list.setLine(list.count, winnerIsWhite ? "1-0" : "0-1");
    ++list.count;
    window.invalidateHistoryPanes();
}

void resetForNewGame(GameWindow& window, bool userPlaysBlack, PlayMode mode) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    g.whiteHistory.clear();
    g.blackHistory.clear();
    // A check mark of a game loaded earlier would be written on this game's first move.
    g.computerMove = noMoveRecord();
    g.humanMove.isCapture = 0;
    g.humanMove.givesCheck = 0;
    ui.humanPlaysBlack = userPlaysBlack;
    ui.gameMode = mode;
    ui.opponentName.clear();
    g.newGame(userPlaysBlack);
    g.beginMovesAt(initialPosition());
    g.humanCastle = UserCastlingRights{};
    ui.whiteToMove = true;
    ui.whiteCanCastleShort = ui.whiteCanCastleLong = ui.blackCanCastleShort = ui.blackCanCastleLong = true;
    window.enableCommand(cmd::UndoMove, false);
    window.playSound(res::NewGameSound);
    window.scrollHistoryPane(true, msg::SB_TOP);
    window.scrollHistoryPane(false, msg::SB_TOP);
    window.invalidate();
    window.invalidateHistoryPanes();
}

void invalidateSquare(GameWindow& window, int row, int col) {
    if (onBoard(row, col)) window.invalidateArea(window.ui().geometry.repaintRect(row, col));
}

void announceGameOver(GameWindow& window, const char* why) {
    // Whatever the last move said stays no longer true, should the user
    // cancel the next game and look at this one.
    window.setStatusText(QString::fromUtf8(text::GameOver));
    window.messageBox(nullptr, QString::fromUtf8(why), QString::fromUtf8(text::GameOver), MessageIcon::Information);
    window.sendCommand(cmd::NewOnePlayerGame);
}

}  // namespace orbel
