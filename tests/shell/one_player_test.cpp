// One-player play through the real window: pieces moved with the mouse at
// pixel positions, the computer answering on its thread.
#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include "game/one_player.h"
#include "game/window_messages.h"
#include "rules/apply_move.h"
#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "shell/history_pane.h"
#include "tests/shell/window_fixture.h"
#include "tests/support/board_text.h"
#include "tests/support/scripted_play.h"

namespace orbel::testing {
namespace {

// Holds the computer's thread after it has chosen, before it hands back, so
// a test can look at the window while the computer is "thinking".
class Hold {
public:
    std::function<void()> hook() {
        return [this] {
            std::unique_lock<std::mutex> lock(mutex_);
            reached_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return released_; });
        };
    }
    bool waitUntilReached() {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(20), [this] { return reached_; });
    }
    void release() {
        std::lock_guard<std::mutex> lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool reached_ = false;
    bool released_ = false;
};

class OnePlayerTest : public WindowTest {
protected:
    // Lines of a committed game transcript.
    static std::vector<std::string> transcriptLines(const std::string& name) {
        std::ifstream in(std::string(ORBEL_GOLDEN_DIR) + "/games/" + name);
        std::vector<std::string> lines;
        for (std::string l; std::getline(in, l);) lines.push_back(l);
        return lines;
    }
    void userMoves(int fr, int fc, int tr, int tc) { drag(fr, fc, tr, tc); }
    bool sawBox(const QString& text, const QString& caption) const {
        for (const ShownBox& b : boxes)
            if (b.text == text && b.caption == caption) return true;
        return false;
    }
};

TEST_F(OnePlayerTest, AWholeGameAtEasyPlaysAsTheLogicAlone) {
    // The same game as the committed transcript of the computer at Easy
    // against a user (Black) who always plays the first legal move.
    const std::vector<std::string> expected = transcriptLines("level1-user-black.txt");
    ASSERT_FALSE(expected.empty());
    startWith(true, ctl::Easy);
    answerCancel();  // the New Game Setup after the mate

    std::size_t line = 1;  // line 0 is the computer's opening move
    while (line + 1 < expected.size()) {
        const MoveRecord user = firstLegalUserMove(*ui().game.currentGame);
        ASSERT_TRUE(user.isMove());
        std::istringstream want(expected[line]);
        int n, fr, fc, tr, tc;
        std::string who;
        want >> n >> who >> fr >> fc >> tr >> tc;
        ASSERT_EQ(who, "user");
        ASSERT_TRUE(sameMove(user, makeMoveRecord(fr, fc, tr, tc))) << expected[line];
        userMoves(user.fromRow, user.fromCol, user.toRow, user.toCol);
        waitForComputer();
        ++line;
        if (line + 1 >= expected.size()) break;
        std::istringstream answer(expected[line]);
        answer >> n >> who >> fr >> fc >> tr >> tc;
        ASSERT_EQ(who, "computer");
        if (!boxes.empty()) break;  // mate: the mating move gets no line of its own
        EXPECT_TRUE(sameMove(ui().game.computerMove, makeMoveRecord(fr, fc, tr, tc))) << expected[line];
        ++line;
    }
    EXPECT_EQ(expected.back(), "result computer mates");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "CheckMate!");
    EXPECT_EQ(boxes[0].caption, "Game Over");
    EXPECT_FALSE(boxes[0].owned);
    // The computer plays White: its list ends with the result.
    const MoveHistory& white = ui().game.whiteHistory;
    EXPECT_EQ(white.lines[static_cast<std::size_t>(white.count - 1)], "1-0");
    EXPECT_EQ(dialogsShown, 2);  // the first setup, and the one after the mate
}

TEST_F(OnePlayerTest, AnIllegalDropPutsThePieceBackAndRecordsNothing) {
    startWith(false, ctl::Hard);
    const Board before = ui().game.currentGame->board;
    userMoves(6, 3, 3, 3);  // three squares forward
    EXPECT_EQ(ui().game.currentGame->board, before);
    EXPECT_EQ(ui().game.displayBoard, before);
    EXPECT_EQ(ui().game.whiteHistory.count, 0);
    EXPECT_FALSE(ui().computerThinking);
    EXPECT_EQ(ui().game.humanMove.toRow, 6);
    EXPECT_EQ(ui().game.humanMove.toCol, 3);
    EXPECT_EQ(ui().game.undoBoard, before);
    EXPECT_EQ(sounds, std::vector<int>{174});
    EXPECT_FALSE(window->action(cmd::UndoMove)->isEnabled());
}

TEST_F(OnePlayerTest, TheComputersPiecesCannotBePickedUp) {
    startWith(false, ctl::Hard);
    press(1, 4);
    EXPECT_FALSE(ui().isDragging);
    EXPECT_EQ(ui().game.heldPiece, EmptySquare);
    release(3, 4);
    EXPECT_EQ(ui().game.currentGame->board, startingPosition(3));
}

TEST_F(OnePlayerTest, APieceReleasedOutsideTheWindowGoesBack) {
    startWith(false, ctl::Hard);
    press(6, 4);
    EXPECT_TRUE(ui().isDragging);
    EXPECT_EQ(ui().game.displayBoard.at(6, 4), EmptySquare);
    releaseAt(QPoint(-30, -12));
    EXPECT_EQ(ui().game.displayBoard, startingPosition(3));
    EXPECT_EQ(ui().game.heldPiece, EmptySquare);
    EXPECT_FALSE(ui().computerThinking);
}

TEST_F(OnePlayerTest, TheCarriedPieceFollowsTheMouseAndLeavesNoTrace) {
    startWith(false, ctl::Hard);
    press(6, 4);
    window->boardWindow()->grab();  // the lifted piece's square repainted
    const QImage before = window->boardWindow()->surface().copy();
    const QPoint at(200, 250);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(window->boardWindow()->mapToGlobal(at)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->boardWindow(), &move);
    EXPECT_TRUE(ui().dragImageShown);
    const QImage carried = window->boardWindow()->surface().copy(at.x(), at.y(), 43, 45);
    EXPECT_NE(carried, before.copy(at.x(), at.y(), 43, 45));
    // Moving on puts back what the image covered.
    const QPoint next(300, 250);
    QMouseEvent again(QEvent::MouseMove, QPointF(next), QPointF(window->boardWindow()->mapToGlobal(next)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->boardWindow(), &again);
    EXPECT_EQ(window->boardWindow()->surface().copy(at.x(), at.y(), 60, 60), before.copy(at.x(), at.y(), 60, 60));
    releaseAt(QPoint(-30, -12));
}

struct CastleCase {
    const char* name;
    bool userBlack;
    int kingTo;
    const char* notation;
    int rookFrom, rookTo;
};

class UserCastling : public OnePlayerTest, public ::testing::WithParamInterface<CastleCase> {};

TEST_P(UserCastling, TheKingDragCastles) {
    const CastleCase c = GetParam();
    startWith(c.userBlack, ctl::Easy);
    const int h = c.userBlack ? 4 : 3;
    Board b = ui().game.currentGame->board;
    for (int col = 0; col < 8; ++col)
        if (col != h && b.at(7, col).kind != Rook) b.at(7, col) = EmptySquare;
    setPosition(b);
    userMoves(7, h, 7, c.kingTo);
    EXPECT_EQ(ui().game.displayBoard.at(7, c.kingTo), (Square{King, Enemy}));
    EXPECT_EQ(ui().game.displayBoard.at(7, c.rookTo), (Square{Rook, Enemy}));
    EXPECT_EQ(ui().game.displayBoard.at(7, c.rookFrom), EmptySquare);
    const MoveHistory& list = c.userBlack ? ui().game.blackHistory : ui().game.whiteHistory;
    EXPECT_EQ(list.lines[0], c.notation);
    EXPECT_EQ(ui().game.humanMove.fromRow, c.notation == std::string("O-O") ? 99 : 100);
    EXPECT_EQ(ui().game.humanMove.fromCol, 101);
    // A short castle leaves both rights as they were; a long one, whose
    // record ends on the king's square, clears both.
    const bool isShort = c.notation == std::string("O-O");
    EXPECT_EQ(ui().game.humanCastle.canCastleShort, isShort);
    EXPECT_EQ(ui().game.humanCastle.canCastleLong, isShort);
    waitForComputer();
}

void PrintTo(const CastleCase& c, std::ostream* os) { *os << c.name; }

INSTANTIATE_TEST_SUITE_P(BothColours, UserCastling,
                         ::testing::Values(CastleCase{"WhiteShort", false, 1, "O-O", 0, 2},
                                           CastleCase{"WhiteLong", false, 5, "O-O-O", 7, 4},
                                           CastleCase{"BlackShort", true, 6, "O-O", 7, 5},
                                           CastleCase{"BlackLong", true, 2, "O-O-O", 0, 3}),
                         [](const ::testing::TestParamInfo<CastleCase>& p) { return std::string(p.param.name); });

TEST_F(OnePlayerTest, ACastlingDragWithoutTheRightPutsTheKingBack) {
    startWith(false, ctl::Easy);
    Board b = ui().game.currentGame->board;
    b.at(7, 1) = b.at(7, 2) = EmptySquare;
    setPosition(b);
    ui().game.humanCastle.canCastleShort = false;
    userMoves(7, 3, 7, 1);
    EXPECT_EQ(ui().game.displayBoard, b);
    EXPECT_EQ(ui().game.whiteHistory.count, 0);
    EXPECT_FALSE(ui().computerThinking);
}

TEST_F(OnePlayerTest, APawnReachingTheLastRowBecomesAQueenAndGivesCheck) {
    startWith(false, ctl::Easy);
    // The computer's king on h8 (0,0); the user's pawn on c7 (1,5) queens on c8
    // with check along the back rank.
    Board b;
    b.at(0, 0) = {King, Own};
    b.at(7, 3) = {King, Enemy};
    b.at(1, 5) = {Pawn, Enemy};
    setPosition(b);
    userMoves(1, 5, 0, 5);
    EXPECT_EQ(ui().game.displayBoard.at(0, 5), (Square{Queen, Enemy}));
    EXPECT_EQ(ui().game.whiteHistory.lines[0], "Qc8+");
    EXPECT_EQ(window->statusText(), "Check!");
    waitForComputer();
}

TEST_F(OnePlayerTest, CheckShowsInTheStatusBarAndTheNotation) {
    startWith(false, ctl::Easy);
    // A user rook steps onto the open e-file, giving check.
    Board b;
    b.at(0, 3) = {King, Own};
    b.at(7, 0) = {King, Enemy};
    b.at(6, 4) = {Rook, Enemy};
    setPosition(b);
    userMoves(6, 4, 6, 3);
    EXPECT_EQ(ui().game.whiteHistory.lines[0], "Re2+");
    EXPECT_EQ(ui().game.humanMove.givesCheck, 0);  // cleared at the end of the release
    ASSERT_EQ(window->statusText(), "Check!");
    waitForComputer();
    // The computer's answer (not a check) names the side to move again.
    if (!ui().game.computerMove.givesCheck) {
        EXPECT_EQ(window->statusText(), "White to move");
    }
}

TEST_F(OnePlayerTest, TheUserMatingTheComputerEndsTheGameWithoutItsAnswer) {
    startWith(false, ctl::Hard);
    // Back-rank mate: the user's rook goes from a1 (7,7) to a8 (0,7).
    Board b;
    b.at(0, 0) = {King, Own};
    b.at(1, 0) = b.at(1, 1) = {Pawn, Own};
    b.at(7, 3) = {King, Enemy};
    b.at(7, 7) = {Rook, Enemy};
    setPosition(b);
    answerCancel();
    userMoves(7, 7, 0, 7);
    EXPECT_EQ(ui().game.whiteHistory.count, 1);
    EXPECT_EQ(ui().game.whiteHistory.lines[0], "Ra8+");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "CheckMate!");
    EXPECT_EQ(boxes[0].caption, "Game Over");
    EXPECT_EQ(dialogsShown, 2);
    EXPECT_FALSE(ui().computerThinking);
    EXPECT_FALSE(window->thinking().running());
    EXPECT_FALSE(window->brainTimerActive());
    EXPECT_EQ(sounds, (std::vector<int>{174, 173}));
}

TEST_F(OnePlayerTest, TheComputerMatingTheUserWritesTheResultLine) {
    startWith(false, ctl::Medium);
    // The computer (Black, Own) mates with its rook on the user's back rank.
    Board b;
    b.at(7, 6) = {King, Enemy};
    b.at(6, 5) = b.at(6, 6) = b.at(6, 7) = {Pawn, Enemy};
    b.at(5, 2) = {Pawn, Enemy};
    b.at(0, 0) = {Rook, Own};
    b.at(0, 3) = {King, Own};
    b.at(1, 1) = b.at(1, 2) = {Pawn, Own};
    setPosition(b);
    answerCancel();
    userMoves(5, 2, 4, 2);
    waitForComputer();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, "CheckMate!");
    const MoveHistory& black = ui().game.blackHistory;
    ASSERT_EQ(black.count, 1);
    EXPECT_EQ(black.lines[0], "0-1");
    EXPECT_EQ(ui().game.whiteHistory.count, 1);
    EXPECT_TRUE(sameMove(ui().game.computerMove, makeMoveRecord(0, 0, 7, 0)));
}

TEST_F(OnePlayerTest, AComputerWithoutAMoveResigns) {
    startWith(false, ctl::Hard);
    // The user's queen takes every square from the computer's king without
    // checking it.
    Board b;
    b.at(0, 0) = {King, Own};
    b.at(7, 3) = {King, Enemy};
    b.at(2, 7) = {Queen, Enemy};
    setPosition(b);
    answerCancel();
    userMoves(2, 7, 2, 1);
    waitForComputer();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Computer Resign");
    EXPECT_EQ(boxes[0].caption, "Game Over");
    EXPECT_EQ(dialogsShown, 2);
    EXPECT_EQ(ui().game.computerMove.fromRow, -1);
    EXPECT_EQ(ui().game.blackHistory.count, 0);
    EXPECT_EQ(sounds, (std::vector<int>{174, 173}));
}

TEST_F(OnePlayerTest, UndoTwiceTakesBackOnePairAndNeverCountsBelowNothing) {
    startWith(false, ctl::Easy);
    const Board start = ui().game.currentGame->board;
    userMoves(6, 3, 4, 3);
    waitForComputer();
    EXPECT_EQ(ui().game.whiteHistory.count, 1);
    EXPECT_EQ(ui().game.blackHistory.count, 1);
    const int moveCount = ui().game.currentGame->moveCount;
    ASSERT_TRUE(window->action(cmd::UndoMove)->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(ui().game.currentGame->board, start);
    EXPECT_EQ(ui().game.displayBoard, start);
    EXPECT_EQ(ui().game.currentGame->moveCount, moveCount - 2);
    EXPECT_EQ(ui().game.whiteHistory.count, 0);
    EXPECT_EQ(ui().game.blackHistory.count, 0);
    window->action(cmd::UndoMove)->trigger();
    EXPECT_EQ(ui().game.currentGame->board, start);
    EXPECT_EQ(ui().game.whiteHistory.count, 0);
    EXPECT_EQ(ui().game.blackHistory.count, 0);
    EXPECT_EQ(ui().game.currentGame->moveCount, moveCount - 4);
}

TEST_F(OnePlayerTest, CtrlUDoesNothingWhileUndoIsGreyed) {
    startWith(false, ctl::Easy);
    ui().game.undoBoard = Board{};  // would empty the board if Undo ran
    QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(ui().game.currentGame->board, startingPosition(3));
    EXPECT_EQ(ui().game.currentGame->moveCount, 0);
}

TEST_F(OnePlayerTest, WhileTheComputerThinksTheWindowWaitsAndShowsItsLine) {
    startWith(false, ctl::Hard);
    Hold hold;
    window->thinking().beforeHandBack = hold.hook();
    userMoves(6, 5, 4, 5);  // 1.c4: no opening rule answers it, so the computer searches
    ASSERT_TRUE(hold.waitUntilReached());
    EXPECT_TRUE(ui().computerThinking);
    for (int id : {cmd::UndoMove, cmd::SaveGame, cmd::LoadGame, cmd::NewOnePlayerGame, cmd::NewTwoPlayerGame,
                   cmd::Resign, cmd::DirectNetworkGame})
        EXPECT_FALSE(window->action(id)->isEnabled()) << id;
    EXPECT_TRUE(window->action(cmd::About)->isEnabled());
    EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
    EXPECT_TRUE(window->brainTimerActive());
    EXPECT_EQ(ui().game.computerMove.fromRow, -1);  // no last-move frame while thinking
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
    for (int id : {cmd::UndoMove, cmd::SaveGame, cmd::LoadGame, cmd::NewOnePlayerGame, cmd::NewTwoPlayerGame,
                   cmd::Resign, cmd::DirectNetworkGame})
        EXPECT_TRUE(window->action(id)->isEnabled()) << id;
    EXPECT_FALSE(window->action(cmd::NetworkResign)->isEnabled());
    EXPECT_EQ(window->brainPane()->text(), shown);  // the pane keeps its last text
    EXPECT_EQ(ui().game.blackHistory.count, 1);
    EXPECT_NE(ui().game.computerMove.fromRow, -1);
    EXPECT_EQ(window->statusText(), "White to move");
    EXPECT_EQ(sounds, (std::vector<int>{174, 173, 173}));
}

TEST_F(OnePlayerTest, ClosingTheWindowWhileTheComputerThinksWaitsForIt) {
    startWith(false, ctl::Hard);
    Hold hold;
    window->thinking().beforeHandBack = hold.hook();
    userMoves(6, 3, 4, 3);
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
    window->thinking().failNextStart = true;
    userMoves(6, 3, 4, 3);
    waitForComputer();
    EXPECT_NE(ui().game.computerMove.fromRow, -1);
    EXPECT_EQ(ui().game.blackHistory.count, 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(OnePlayerTest, AFailedChoiceShowsTheFatalErrorBoxThenResigns) {
    startWith(false, ctl::Easy);
    window->thinking().failNextChoice = true;
    answerCancel();
    const Board before = ui().game.currentGame->board;
    userMoves(6, 3, 4, 3);
    waitForComputer();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Fatal Error");
    EXPECT_EQ(boxes[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(boxes[0].owned);
    EXPECT_TRUE(boxes[0].text.startsWith("An error has occurred that will most likely terminate your game.\n\n"
                                         "Report all errors of this nature to Tessaly ("));
    EXPECT_EQ(boxes[1].text, "Computer Resign");
    // Only the user's move was played.
    Board afterUser = before;
    applyMove(makeMoveRecord(6, 3, 4, 3), afterUser);
    EXPECT_EQ(ui().game.currentGame->board, afterUser);
}

TEST_F(OnePlayerTest, TheFourteenthLineScrollsItsPane) {
    startWith(false, ctl::Easy);
    ui().game.whiteHistory.count = 13;
    userMoves(6, 3, 4, 3);
    EXPECT_EQ(ui().game.whiteHistory.count, 14);
    EXPECT_EQ(window->historyPane(true)->scrollPosition(), 1);
    waitForComputer();
    EXPECT_EQ(window->historyPane(false)->scrollPosition(), 0);
    // A new game goes back to the top.
    answerNewGame(false, ctl::Easy);
    window->sendCommand(cmd::NewOnePlayerGame);
    EXPECT_EQ(window->historyPane(true)->scrollPosition(), 0);
}

TEST_F(OnePlayerTest, ResignAsksForANewGameAndKeepsTheModeWhenCancelled) {
    startWith(false, ctl::Easy);
    userMoves(6, 3, 4, 3);
    waitForComputer();
    const Board position = ui().game.currentGame->board;
    answerCancel();
    window->sendCommand(cmd::Resign);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Resign!");
    EXPECT_EQ(boxes[0].caption, "Game Over");
    EXPECT_TRUE(boxes[0].owned);
    EXPECT_EQ(dialogsShown, 2);
    // Cancelled: the finished game stays, in the same mode, and play may go on.
    EXPECT_EQ(ui().game.currentGame->board, position);
    EXPECT_EQ(window->installedMode(), &onePlayerProc);
    userMoves(6, 4, 4, 4);
    waitForComputer();
    EXPECT_EQ(ui().game.whiteHistory.count, 2);
}

}  // namespace
}  // namespace orbel::testing

namespace orbel::testing {
namespace {

TEST_F(OnePlayerTest, ACastleThatGivesCheckIsWrittenWithItsMark) {
    startWith(false, ctl::Easy);
    // The computer's king on (0,2); castling short puts the user's rook on (7,2).
    Board b;
    b.at(0, 2) = {King, Own};
    b.at(7, 3) = {King, Enemy};
    b.at(7, 0) = {Rook, Enemy};
    setPosition(b);
    drag(7, 3, 7, 1);
    EXPECT_EQ(ui().game.whiteHistory.lines[0], "O-O+");
    EXPECT_EQ(window->statusText(), "Check!");
    waitForComputer();
}

}  // namespace
}  // namespace orbel::testing
