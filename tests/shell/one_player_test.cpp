// One-player play through the real window: pieces moved with the mouse at
// pixel positions, the computer answering on its thread.
#include <QAction>
#include <QLabel>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>

#include "game/one_player.h"
#include "game/window_messages.h"
#include "rules/apply_move.h"
#include "shell/dialogs.h"
#include "shell/history_pane.h"
#include "tests/shell/window_fixture.h"
#include "tests/support/scripted_play.h"

namespace orbel::testing {
namespace {

using Lines = std::vector<std::string>;

// Holds the computer's thread after it has chosen, before it hands back, so
// a test can look at the window while the computer is "thinking".
class Hold {
public:
    // The computer's choice, held on its thread once made, until released.
    ThinkingThread::Choose after() {
        return [this](GameState& game, MoveRecord& result, const MoveRecord& last) {
            const ChoiceOutcome outcome = chooseComputerMove(game, result, last);
            reached_.set_value();
            released_.wait();
            return outcome;
        };
    }
    bool waitUntilReached() { return reachedSeen_.wait_for(std::chrono::seconds(20)) == std::future_status::ready; }
    void release() { release_.set_value(); }

private:
    std::promise<void> reached_, release_;
    std::future<void> reachedSeen_ = reached_.get_future();
    std::shared_future<void> released_ = release_.get_future().share();
};

using OnePlayerTest = WindowTest;

// The commands greyed while the computer thinks.
constexpr int BusyCommands[] = {cmd::UndoMove,         cmd::SaveGame, cmd::LoadGame,          cmd::NewOnePlayerGame,
                                cmd::NewTwoPlayerGame, cmd::Resign,   cmd::DirectNetworkGame, cmd::OpenGameText,
                                cmd::PasteGameText};

TEST_F(OnePlayerTest, AWholeGameAtEasyPlaysAsTheLogicAlone) {
    // The same game as the committed transcript of the computer at Easy
    // against a user (Black) who always plays the first legal move.
    std::ifstream in(std::string(ORBEL_GOLDEN_DIR) + "/games/level1-user-black.txt");
    Lines expected;
    for (std::string l; std::getline(in, l);) expected.push_back(l);
    ASSERT_FALSE(expected.empty());
    startWith(true, ctl::Easy);
    answerCancel();  // the New Game Setup after the mate

    const auto moveOn = [&](std::size_t line, const char* side) {
        std::istringstream want(expected[line]);
        int n, fr, fc, tr, tc;
        std::string who;
        want >> n >> who >> fr >> fc >> tr >> tc;
        EXPECT_EQ(who, side) << expected[line];
        return makeMoveRecord(fr, fc, tr, tc);
    };
    std::size_t line = 1;  // line 0 is the computer's opening move
    while (line + 1 < expected.size()) {
        const MoveRecord user = firstLegalUserMove(*ui().game.currentGame);
        ASSERT_TRUE(sameMove(user, moveOn(line, "user"))) << expected[line];
        drag(user.fromRow, user.fromCol, user.toRow, user.toCol);
        waitForComputer();
        if (++line + 1 >= expected.size() || !boxes.empty()) break;  // mate: the mating move gets no line of its own
        EXPECT_TRUE(sameMove(ui().game.computerMove, moveOn(line, "computer"))) << expected[line];
        ++line;
    }
    EXPECT_EQ(expected.back(), "result computer mates");
    EXPECT_EQ(boxes, std::vector<ShownBox>({{"CheckMate!", "Game Over", MessageIcon::Information, false}}));
    // The computer plays White: its list ends with the result.
    EXPECT_EQ(linesOf(ui().game.whiteHistory).back(), "1-0");
    EXPECT_EQ(dialogsShown, 2);  // the first setup, and the one after the mate
}

TEST_F(OnePlayerTest, AMoveNotMadePutsThePieceBackAndRecordsNothing) {
    const struct {
        const char* name;
        int fromRow, fromCol;
        QPoint dropAt;
        bool lifted, withoutShortCastle;
    } rows[] = {
        {"a pawn three squares forward", 6, 3, pointOf(3, 3), true, false},
        {"a piece of the computer's", 1, 4, pointOf(3, 4), false, false},
        {"a drop outside the window", 6, 4, OffTheBoard, true, false},
        {"a castling drag without the right", 7, 3, pointOf(7, 1), true, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        sounds.clear();
        newOnePlayerGame(false, ctl::Easy);
        Board before = ui().game.currentGame->board;
        if (r.withoutShortCastle) {
            before.at(7, 1) = before.at(7, 2) = EmptySquare;
            setPosition(before);
            ui().game.humanCastle.canCastleShort = false;
        }
        press(r.fromRow, r.fromCol);
        EXPECT_EQ(ui().isDragging, r.lifted);
        EXPECT_EQ(ui().game.displayBoard.at(r.fromRow, r.fromCol) == EmptySquare, r.lifted);
        moveHeldTo(r.dropAt);
        releaseAt(r.dropAt);
        EXPECT_EQ(ui().game.currentGame->board, before);
        EXPECT_EQ(ui().game.displayBoard, before);
        EXPECT_EQ(ui().game.heldPiece, EmptySquare);
        EXPECT_EQ(ui().game.whiteHistory.count, 0);
        EXPECT_FALSE(ui().computerThinking);
        EXPECT_EQ(ui().game.humanMove.toRow, ui().game.humanMove.fromRow);
        EXPECT_EQ(ui().game.humanMove.toCol, ui().game.humanMove.fromCol);
        EXPECT_EQ(sounds, std::vector<int>{res::NewGameSound});
        EXPECT_FALSE(window->action(cmd::UndoMove)->isEnabled());
    }
}

TEST_F(OnePlayerTest, TheKingDragCastlesWithEitherColour) {
    const Square king{King, Enemy}, rook{Rook, Enemy};
    const struct {
        const char* name;
        bool userBlack;
        int kingFrom, kingTo, rookFrom, rookTo;
        const char* text;
        int recordFromRow;
        bool rightsLeft;
    } rows[] = {
        // A short castle leaves both rights as they were; a long one, whose
        // record ends on the king's square, clears both.
        {"White, short", false, 3, 1, 0, 2, "O-O", CastleShort, true},
        {"White, long", false, 3, 5, 7, 4, "O-O-O", CastleLong, false},
        {"Black, short", true, 4, 6, 7, 5, "O-O", CastleShort, true},
        {"Black, long", true, 4, 2, 0, 3, "O-O-O", CastleLong, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        newOnePlayerGame(r.userBlack, ctl::Easy);
        Board b = ui().game.currentGame->board;
        for (int col = 0; col < 8; ++col)
            if (col != r.kingFrom && b.at(7, col).kind != Rook) b.at(7, col) = EmptySquare;
        setPosition(b);
        drag(7, r.kingFrom, 7, r.kingTo);
        b.at(7, r.kingFrom) = b.at(7, r.rookFrom) = EmptySquare;
        b.at(7, r.kingTo) = king;
        b.at(7, r.rookTo) = rook;
        EXPECT_EQ(ui().game.displayBoard, b);
        EXPECT_EQ(linesOf(r.userBlack ? ui().game.blackHistory : ui().game.whiteHistory), Lines{r.text});
        EXPECT_EQ(ui().game.humanMove.fromRow, r.recordFromRow);
        EXPECT_EQ(ui().game.humanMove.fromCol, CastleByEnemy);
        EXPECT_EQ(ui().game.humanCastle.canCastleShort, r.rightsLeft);
        EXPECT_EQ(ui().game.humanCastle.canCastleLong, r.rightsLeft);
        waitForComputer();
    }
}

TEST_F(OnePlayerTest, AMoveGivingCheckIsMarkedUntilTheComputerAnswers) {
    const struct {
        const char* name;
        Diagram position;
        int fromRow, fromCol, toRow, toCol;
        Square lands;
        const char* text;
    } rows[] = {
        {"a pawn queens on the last row", {".......k", "..P.....", "........", "........", "........", "........",
                                           "........", "....K..."}, 1, 5, 0, 5, {Queen, Enemy}, "Qc8+"},
        {"a rook steps onto the open file", {"....k...", "........", "........", "........", "........", "........",
                                             "...R....", ".......K"}, 6, 4, 6, 3, {Rook, Enemy}, "Re2+"},
        {"castling puts the rook on the king's file", {".....k..", "........", "........", "........", "........",
                                                       "........", "........", "....K..R"}, 7, 3, 7, 1, {King, Enemy},
         "O-O+"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        newOnePlayerGame(false, ctl::Easy);
        setPosition(fromWhitesSide(r.position));
        drag(r.fromRow, r.fromCol, r.toRow, r.toCol);
        EXPECT_EQ(ui().game.displayBoard.at(r.toRow, r.toCol), r.lands);
        EXPECT_EQ(linesOf(ui().game.whiteHistory), Lines{r.text});
        EXPECT_EQ(ui().game.humanMove.givesCheck, 0) << "cleared at the end of the release";
        EXPECT_EQ(window->statusText(), "Check!");
        waitForComputer();
        // A lone king's answer gives no check: the side to move is named again.
        ASSERT_FALSE(ui().game.computerMove.givesCheck);
        EXPECT_EQ(window->statusText(), "White to move");
    }
}

TEST_F(OnePlayerTest, AGameOverBoxEndsTheGameAndNewGameSetupFollows) {
    const struct {
        const char* name;
        int levelId;
        Diagram position;
        int fromRow, fromCol, toRow, toCol;
        const char* box;
        Lines white, black;
        MoveRecord computerMove;
        std::vector<int> sounds;
    } rows[] = {
        {"the user mates: the computer does not answer", ctl::Hard,
         {".......k", "......pp", "........", "........", "........", "........", "........", "R...K..."}, 7, 7, 0, 7,
         "CheckMate!", {"Ra8+"}, {}, noMoveRecord(), {res::NewGameSound, res::MoveSound}},
        {"the computer mates: its list gets the result", ctl::Medium,
         {"....k..r", ".....pp.", "........", "........", "........", ".....P..", "PPP.....", ".K......"}, 5, 2, 4, 2,
         "CheckMate!", {"f4"}, {"0-1"}, makeMoveRecord(0, 0, 7, 0), {res::NewGameSound, res::MoveSound, res::MoveSound}},
        {"the computer has no move and resigns", ctl::Hard,
         {".......k", "........", "Q.......", "........", "........", "........", "........", "....K..."}, 2, 7, 2, 1,
         "Computer Resign", {"Qg6"}, {}, noMoveRecord(), {res::NewGameSound, res::MoveSound}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        boxes.clear();
        sounds.clear();
        newOnePlayerGame(false, r.levelId);
        setPosition(fromWhitesSide(r.position));
        const int shownBefore = dialogsShown;
        answerCancel();
        drag(r.fromRow, r.fromCol, r.toRow, r.toCol);
        waitForComputer();
        EXPECT_EQ(boxes, std::vector<ShownBox>({{r.box, "Game Over", MessageIcon::Information, false}}));
        EXPECT_EQ(dialogsShown, shownBefore + 1);
        EXPECT_EQ(linesOf(ui().game.whiteHistory), r.white);
        EXPECT_EQ(linesOf(ui().game.blackHistory), r.black);
        EXPECT_TRUE(sameMove(ui().game.computerMove, r.computerMove));
        EXPECT_FALSE(window->thinking().running());
        EXPECT_FALSE(window->brainTimerActive());
        EXPECT_EQ(sounds, r.sounds);
    }
}

TEST_F(OnePlayerTest, UndoTakesBackOnePairOnlyWhenEnabledAndNeverCountsBelowNothing) {
    startWith(false, ctl::Easy);
    const Board start = ui().game.currentGame->board;
    ui().game.undoBoard = Board{};  // would empty the board if Undo ran while greyed
    QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(ui().game.currentGame->board, start);
    EXPECT_EQ(ui().game.currentGame->moveCount, 0);

    drag(6, 3, 4, 3);
    waitForComputer();
    EXPECT_EQ(ui().game.whiteHistory.count, 1);
    EXPECT_EQ(ui().game.blackHistory.count, 1);
    const int moveCount = ui().game.currentGame->moveCount;
    ASSERT_TRUE(window->action(cmd::UndoMove)->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(ui().game.displayBoard, start);
    EXPECT_EQ(ui().game.currentGame->moveCount, moveCount - 2);
    window->action(cmd::UndoMove)->trigger();
    EXPECT_EQ(ui().game.currentGame->board, start);
    EXPECT_EQ(ui().game.whiteHistory.count, 0);
    EXPECT_EQ(ui().game.blackHistory.count, 0);
    EXPECT_EQ(ui().game.currentGame->moveCount, moveCount - 4);
}

TEST_F(OnePlayerTest, WhileTheComputerThinksTheWindowWaitsAndShowsItsLine) {
    startWith(false, ctl::Hard);
    Hold hold;
    window->seams().chooseMove = hold.after();
    drag(6, 5, 4, 5);  // 1.c4: no opening rule answers it, so the computer searches
    ASSERT_TRUE(hold.waitUntilReached());
    EXPECT_TRUE(ui().computerThinking);
    for (int id : BusyCommands) EXPECT_FALSE(window->action(id)->isEnabled()) << id;
    EXPECT_TRUE(window->action(cmd::About)->isEnabled());
    EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
    EXPECT_TRUE(window->brainTimerActive());
    EXPECT_FALSE(ui().game.computerMove.isMove()) << "no last-move frame while thinking";
    // The Brain pane shows the line the search settled on.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->brainPane()->text().contains("Value:"); }, 5000));
    const QString shown = window->brainPane()->text();
    EXPECT_TRUE(shown.startsWith("Brain:\n"));
    EXPECT_EQ(shown.count(", "), 5);  // five plies at Hard
    // Clicks on the board and greyed commands change nothing.
    const Board drawnBefore = ui().game.displayBoard;
    press(6, 4);
    release(4, 4);
    EXPECT_FALSE(ui().isDragging);
    EXPECT_EQ(ui().game.displayBoard, drawnBefore);
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(dialogsShown, 1);

    hold.release();
    waitForComputer();
    EXPECT_FALSE(window->brainTimerActive());
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    for (int id : BusyCommands) EXPECT_TRUE(window->action(id)->isEnabled()) << id;
    EXPECT_FALSE(window->action(cmd::NetworkResign)->isEnabled());
    EXPECT_EQ(window->brainPane()->text(), shown);  // the pane keeps its last text
    EXPECT_EQ(ui().game.blackHistory.count, 1);
    EXPECT_TRUE(ui().game.computerMove.isMove());
    EXPECT_EQ(window->statusText(), "White to move");
    EXPECT_EQ(sounds, (std::vector<int>{res::NewGameSound, res::MoveSound, res::MoveSound}));
}

TEST_F(OnePlayerTest, ClosingTheWindowWhileTheComputerThinksWaitsForIt) {
    startWith(false, ctl::Hard);
    Hold hold;
    window->seams().chooseMove = hold.after();
    drag(6, 3, 4, 3);
    ASSERT_TRUE(hold.waitUntilReached());
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        hold.release();
    });
    window->close();
    releaser.join();
    EXPECT_FALSE(window->thinking().running());
    // The game object is still there and whole.
    ASSERT_TRUE(ui().game.currentGame);
    window.reset();
    QCoreApplication::processEvents();  // the hand-back posted to the gone window is dropped
}

TEST_F(OnePlayerTest, WithoutAThreadTheComputerAnswersOnTheWindowsThread) {
    startWith(false, ctl::Easy);
    window->seams().refuseNextThread = true;
    drag(6, 3, 4, 3);
    waitForComputer();
    EXPECT_TRUE(ui().game.computerMove.isMove());
    EXPECT_EQ(ui().game.blackHistory.count, 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(OnePlayerTest, AFailedChoiceShowsTheFatalErrorBoxThenResigns) {
    startWith(false, ctl::Easy);
    window->seams().chooseMove = [](GameState&, MoveRecord&, const MoveRecord&) { return ChoiceOutcome::Failed; };
    answerCancel();
    Board afterUser = ui().game.currentGame->board;
    applyMove(makeMoveRecord(6, 3, 4, 3), afterUser);
    drag(6, 3, 4, 3);
    waitForComputer();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Fatal Error");
    EXPECT_EQ(boxes[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(boxes[0].owned);
    EXPECT_TRUE(boxes[0].text.startsWith("An error has occurred that will most likely terminate your game.\n\n"
                                         "Report all errors of this nature to Tessaly ("));
    EXPECT_EQ(boxes[1].text, "Computer Resign");
    EXPECT_EQ(ui().game.currentGame->board, afterUser) << "only the user's move was played";
}

TEST_F(OnePlayerTest, TheFourteenthLineScrollsItsPane) {
    startWith(false, ctl::Easy);
    ui().game.whiteHistory.count = 13;
    drag(6, 3, 4, 3);
    EXPECT_EQ(ui().game.whiteHistory.count, 14);
    EXPECT_EQ(window->historyPane(true)->scrollPosition(), 1);
    waitForComputer();
    EXPECT_EQ(window->historyPane(false)->scrollPosition(), 0);
    // A new game goes back to the top.
    newOnePlayerGame(false, ctl::Easy);
    EXPECT_EQ(window->historyPane(true)->scrollPosition(), 0);
}

TEST_F(OnePlayerTest, ResignAsksForANewGameAndKeepsTheModeWhenCancelled) {
    startWith(false, ctl::Easy);
    drag(6, 3, 4, 3);
    waitForComputer();
    const Board position = ui().game.currentGame->board;
    answerCancel();
    window->sendCommand(cmd::Resign);
    EXPECT_EQ(boxes, std::vector<ShownBox>({{"Resign!", "Game Over", MessageIcon::Information, true}}));
    EXPECT_EQ(dialogsShown, 2);
    // Cancelled: the finished game stays, in the same mode, and play may go on.
    EXPECT_EQ(ui().game.currentGame->board, position);
    EXPECT_EQ(window->installedMode(), &onePlayerProc);
    drag(6, 4, 4, 4);
    waitForComputer();
    EXPECT_EQ(ui().game.whiteHistory.count, 2);
}

}  // namespace
}  // namespace orbel::testing
