#include "game/new_game.h"

#include "computer/search.h"
#include "game/move_flow.h"
#include "game/shown_position.h"
#include "game/texts.h"

namespace orbel {
namespace {

// White's place in the list when Black moves first, so that each line
// number pairs a White move with Black's answer, as the game's moves are numbered.
constexpr const char* NoWhiteMove = "...";

// The moves played on the game's standard record and written in the lists as
// if they had been played on the board held with `top` as Own.
void writeImportedMoves(GameRecord& g, const std::vector<StandardMove>& moves, Side top, bool userPlaysBlack) {
    for (const StandardMove& m : moves) {
        MoveRecord record = heldMoveRecord(m, top);
        record.isCapture = m.castle == Castle::None && !g.current.at(m.to).empty();
        MoveHistory& list = g.current.toMove == Side::White ? g.whiteHistory : g.blackHistory;
        g.keepMove(m);
        record.givesCheck = isInCheck(g.current);
        writeMoveText(record, list, list.count, heldBoard(g.current, top), userPlaysBlack);
        ++list.count;
    }
}

// Did the side held as Own castle on the way?
bool castledOnTheWay(const StandardPosition& start, const std::vector<StandardMove>& moves, Side top) {
    Side mover = start.toMove;
    for (const StandardMove& m : moves) {
        if (mover == top && m.castle != Castle::None) return true;
        mover = other(mover);
    }
    return false;
}

}  // namespace

void showFatalError(GameWindow& window) {
    window.messageBox(nullptr, QString::fromUtf8(text::FatalError), QStringLiteral("Fatal Error"), MessageIcon::Stop);
}

void startOnePlayerGame(GameWindow& window, bool userPlaysBlack, int level) {
    GameRecord& g = window.ui().game;
    // The old game goes before the new one is made.
    g.currentGame.reset();
    resetForNewGame(window, userPlaysBlack, PlayMode::OnePlayer);
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
            if (opening.isMove()) g.keepMove(opening, topSide(window.ui()), Side::White);
        }
        g.whiteHistory.setLine(0, "e4");
        g.whiteHistory.count = 1;
        window.setStatusText(QString::fromUtf8(text::BlackToMove));
        window.invalidateHistoryPanes();
    }
    g.currentGame->level = level;
    g.syncDisplay();
}

void startImportedGame(GameWindow& window, const StandardPosition& start, const std::vector<StandardMove>& moves,
                       int level) {
    UiState& ui = window.ui();
    GameRecord& g = ui.game;
    const Side user = moves.size() % 2 == 0 ? start.toMove : other(start.toMove);
    g.currentGame.reset();
    resetForNewGame(window, user == Side::Black, PlayMode::OnePlayer);
    const Side top = topSide(ui);
    g.beginMovesAt(start);
    if (start.toMove == Side::Black) {
        g.whiteHistory.setLine(0, NoWhiteMove);
        g.whiteHistory.count = 1;
    }
    writeImportedMoves(g, moves, top, ui.humanPlaysBlack);

    const StandardPosition& reached = g.current;
    GameState& game = *g.currentGame;
    game.board = heldBoard(reached, top);
    game.level = level;
    // The plies since move 1, as if the game had been played here: the
    // computer's opening rule is for a game's first moves only.
    game.moveCount = 2 * (reached.fullMove - 1) + (reached.toMove == Side::Black ? 1 : 0);
    game.canCastleShort = reached.rightsOf(top).canCastleShort;
    game.canCastleLong = reached.rightsOf(top).canCastleLong;
    game.hasCastled = castledOnTheWay(start, moves, top) ? 1 : 0;
    g.humanCastle = reached.rightsOf(user);
    g.syncDisplay();

    std::vector<StandardMove> replies;
    legalMoves(reached, replies);
    if (isInCheck(reached) && replies.empty()) {
        g.keepWinner(user == Side::Black);
        window.setStatusText(QString::fromUtf8(text::CheckMate));
    } else {
        window.setStatusText(QString::fromUtf8(isInCheck(reached) ? text::Check
                                               : user == Side::White ? text::WhiteToMove
                                                                     : text::BlackToMove));
    }
    // The newest moves in view, as if each had been written in turn.
    for (const bool white : {true, false}) {
        const MoveHistory& list = white ? g.whiteHistory : g.blackHistory;
        for (int line = HistoryLinesShown; line < list.count; ++line) window.scrollHistoryPane(white, msg::SB_LINEDOWN);
    }
    window.invalidate();
    window.invalidateHistoryPanes();
}

}  // namespace orbel
