// Two-player play through the real window: both sides dragged with the
// mouse, White at the bottom.
#include <QAction>
#include <new>

#include "game/one_player.h"
#include "game/two_player.h"
#include "game/window_messages.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

using Lines = std::vector<std::string>;

class TwoPlayerTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        startWith(false, ctl::Hard);
        window->sendCommand(cmd::NewTwoPlayerGame);
        sounds.clear();
    }
    void setPosition(const Diagram& rows, bool whiteToMove) {
        WindowTest::setPosition(fromWhitesSide(rows));
        ui().whiteToMove = whiteToMove;
    }
    const MoveHistory& listOf(bool white) { return white ? ui().game.whiteHistory : ui().game.blackHistory; }
    struct Rights {
        bool whiteShort, whiteLong, blackShort, blackLong;
        friend bool operator==(const Rights&, const Rights&) = default;
    };
    Rights rights() {
        return {ui().whiteCanCastleShort, ui().whiteCanCastleLong, ui().blackCanCastleShort, ui().blackCanCastleLong};
    }
};

const Diagram RooksAndKings = {"r...k..r", "........", "........", "........",
                               "........", "........", "........", "R...K..R"};

TEST_F(TwoPlayerTest, StartsWithoutADialogWhiteAtTheBottomAndUndoGreyed) {
    EXPECT_EQ(window->installedMode(), &twoPlayerProc);
    EXPECT_EQ(dialogsShown, 1);  // only the start-up's New Game Setup
    EXPECT_EQ(ui().game.displayBoard, startingPosition(3));
    EXPECT_FALSE(ui().humanPlaysBlack);
    EXPECT_TRUE(ui().whiteToMove);
    EXPECT_EQ(rights(), (Rights{true, true, true, true}));
    EXPECT_FALSE(window->action(cmd::UndoMove)->isEnabled());

    // Even after a one-player move left Undo enabled, a new two-player game
    // greys it: the position it would restore belongs to the other game.
    newOnePlayerGame(false, ctl::Easy);
    drag(6, 3, 4, 3);
    waitForComputer();
    ASSERT_TRUE(window->action(cmd::UndoMove)->isEnabled());
    window->sendCommand(cmd::NewTwoPlayerGame);
    EXPECT_FALSE(window->action(cmd::UndoMove)->isEnabled());
    EXPECT_EQ(ui().game.whiteHistory.count, 0);
    EXPECT_EQ(ui().game.blackHistory.count, 0);
    EXPECT_EQ(sounds.back(), res::NewGameSound);
}

TEST_F(TwoPlayerTest, OnlyTheSideToMovePicksUpAndTheTurnPasses) {
    press(1, 3);  // a Black pawn: White is to move
    EXPECT_FALSE(ui().isDragging);
    release(3, 3);
    EXPECT_EQ(ui().game.displayBoard, startingPosition(3));

    drag(6, 3, 4, 3);  // e2-e4
    EXPECT_EQ(linesOf(ui().game.whiteHistory), Lines{"e4"});
    EXPECT_EQ(window->statusText(), "Black to move");
    EXPECT_FALSE(ui().whiteToMove);
    EXPECT_EQ(sounds, std::vector<int>{res::MoveSound});
    EXPECT_FALSE(window->action(cmd::UndoMove)->isEnabled());

    press(6, 4);  // a White pawn: Black is to move
    EXPECT_FALSE(ui().isDragging);
    release(5, 4);

    // Black's moves are judged from Black's side: e7-e4 goes back, e7-e5 stands.
    const Board before = ui().game.displayBoard;
    drag(1, 3, 4, 3);
    EXPECT_EQ(ui().game.displayBoard, before);
    EXPECT_EQ(ui().game.blackHistory.count, 0);
    EXPECT_FALSE(ui().whiteToMove);
    drag(1, 3, 3, 3);
    EXPECT_EQ(linesOf(ui().game.blackHistory), Lines{"e5"});
    EXPECT_EQ(ui().game.displayBoard.at(3, 3), (Square{Pawn, Own}));
    EXPECT_EQ(window->statusText(), "White to move");
    EXPECT_TRUE(ui().whiteToMove);
    EXPECT_EQ(sounds, (std::vector<int>{res::MoveSound, res::MoveSound}));
}

TEST_F(TwoPlayerTest, CastlingAndTheRightsEachMoveGivesUp) {
    struct Placed {
        int row, col;
        Square square;
    };
    const Square wk{King, Enemy}, wr{Rook, Enemy}, bk{King, Own}, br{Rook, Own}, none = EmptySquare;
    const struct {
        const char* name;
        bool white;
        int fromRow, fromCol, toRow, toCol;
        const char* text;
        Rights after;
        std::vector<Placed> changes;
    } rows[] = {
        {"White's rook from h1", true, 7, 0, 6, 0, "Rh2", {false, true, true, true}, {{7, 0, none}, {6, 0, wr}}},
        {"White's rook from a1", true, 7, 7, 6, 7, "Ra2", {true, false, true, true}, {{7, 7, none}, {6, 7, wr}}},
        {"Black's rook from a8", false, 0, 7, 1, 7, "Ra7", {true, true, true, false}, {{0, 7, none}, {1, 7, br}}},
        {"Black's rook from h8", false, 0, 0, 1, 0, "Rh7", {true, true, false, true}, {{0, 0, none}, {1, 0, br}}},
        {"White's king steps", true, 7, 3, 6, 3, "Ke2", {false, false, true, true}, {{7, 3, none}, {6, 3, wk}}},
        {"Black's king steps", false, 0, 3, 1, 3, "Ke7", {true, true, false, false}, {{0, 3, none}, {1, 3, bk}}},
        // As in one-player play: a short castle leaves the rights as they
        // were, a long one (its record ends on the king's square) clears both.
        {"White castles short", true, 7, 3, 7, 1, "O-O", {true, true, true, true},
         {{7, 3, none}, {7, 0, none}, {7, 1, wk}, {7, 2, wr}}},
        {"White castles long", true, 7, 3, 7, 5, "O-O-O", {false, false, true, true},
         {{7, 3, none}, {7, 7, none}, {7, 5, wk}, {7, 4, wr}}},
        {"Black castles short", false, 0, 3, 0, 1, "O-O", {true, true, true, true},
         {{0, 3, none}, {0, 0, none}, {0, 1, bk}, {0, 2, br}}},
        {"Black castles long", false, 0, 3, 0, 5, "O-O-O", {true, true, false, false},
         {{0, 3, none}, {0, 7, none}, {0, 5, bk}, {0, 4, br}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        window->sendCommand(cmd::NewTwoPlayerGame);
        setPosition(RooksAndKings, r.white);
        Board expected = ui().game.displayBoard;
        for (const Placed& p : r.changes) expected.at(p.row, p.col) = p.square;
        drag(r.fromRow, r.fromCol, r.toRow, r.toCol);
        EXPECT_EQ(ui().game.displayBoard, expected);
        EXPECT_EQ(linesOf(listOf(r.white)), Lines{r.text});
        EXPECT_EQ(ui().whiteToMove, !r.white);
        EXPECT_EQ(rights(), r.after);
    }
}

TEST_F(TwoPlayerTest, ACastleWithoutTheRightPutsTheKingBack) {
    setPosition(RooksAndKings, false);
    ui().blackCanCastleShort = false;
    const Board before = ui().game.displayBoard;
    drag(0, 3, 0, 1);
    EXPECT_EQ(ui().game.displayBoard, before);
    EXPECT_EQ(ui().game.blackHistory.count, 0);
    EXPECT_FALSE(ui().whiteToMove);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(TwoPlayerTest, CheckIsMarkedAndShownUntilTheNextMove) {
    setPosition({"....k...", "........", "........", "........", "........", "........", "R.......", "....K..."}, true);
    drag(6, 7, 6, 3);  // Ra2-e2, along the open e-file
    EXPECT_EQ(linesOf(ui().game.whiteHistory), Lines{"Re2+"});
    EXPECT_EQ(window->statusText(), "Check!");
    EXPECT_EQ(ui().game.humanMove.givesCheck, 0);  // lives for one move only
    drag(0, 3, 0, 4);                               // Ke8-d8
    EXPECT_EQ(linesOf(ui().game.blackHistory), Lines{"Kd8"});
    EXPECT_EQ(window->statusText(), "White to move");
}

TEST_F(TwoPlayerTest, AFailedCheckTestIsReportedAndTheMoveCompletesUnmarked) {
    window->seams().twoPlayerCheckTest = [](const Board&) -> bool { throw std::bad_alloc(); };
    drag(6, 3, 4, 3);
    EXPECT_EQ(boxes, std::vector<ShownBox>({{"Internal Error", "Error", MessageIcon::Stop, false}}));
    EXPECT_EQ(linesOf(ui().game.whiteHistory), Lines{"e4"});
    EXPECT_FALSE(ui().whiteToMove);
}

TEST_F(TwoPlayerTest, MateHandsOverToOnePlayerWithNewGameSetup) {
    const struct {
        const char* name;
        Diagram position;
        bool white;
        int fromRow, fromCol, toRow, toCol;
        const char* text;
    } rows[] = {
        {"White mates", {"......k.", ".....ppp", "........", "........", "........", "........", "........", "R...K..."},
         true, 7, 7, 0, 7, "Ra8+"},
        {"Black mates", {"r...k...", "........", "........", "........", "........", "........", ".....PPP", "......K."},
         false, 0, 7, 7, 7, "Ra1+"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        window->sendCommand(cmd::NewTwoPlayerGame);
        boxes.clear();
        setPosition(r.position, r.white);
        const int dialogsBefore = dialogsShown;
        answerCancel();
        drag(r.fromRow, r.fromCol, r.toRow, r.toCol);
        EXPECT_EQ(linesOf(listOf(r.white)), Lines{r.text}) << "the mating move, and no result line";
        EXPECT_EQ(boxes, std::vector<ShownBox>({{"CheckMate!", "Game Over", MessageIcon::Information, false}}));
        EXPECT_EQ(dialogsShown, dialogsBefore + 1);
        EXPECT_EQ(window->installedMode(), &onePlayerProc);
        // The game's own board stays the drawn one, whatever one-player play does next.
        EXPECT_EQ(ui().game.currentGame->board, ui().game.displayBoard);
    }
}

TEST_F(TwoPlayerTest, ResignKeepsTheTwoPlayerProcedure) {
    drag(6, 3, 4, 3);
    answerNewGame(false, ctl::Hard);
    window->sendCommand(cmd::Resign);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Resign!");
    EXPECT_EQ(window->installedMode(), &twoPlayerProc);
    // The new game starts with the side at the bottom.
    drag(6, 4, 4, 4);
    EXPECT_EQ(linesOf(ui().game.whiteHistory), Lines{"d4"});
    drag(1, 4, 3, 4);
    EXPECT_EQ(linesOf(ui().game.blackHistory), Lines{"d5"});
}

// The squares as drawn take the mouse: a press or a drop on a square's
// outermost pixels lands on that square, in both modes that take drags.
TEST_F(TwoPlayerTest, PressesAndDropsLandOnTheSquareDrawnUnderTheMouse) {
    const QRect e2 = squareRect(6, 3), e4 = squareRect(4, 3);
    const struct {
        const char* name;
        bool twoPlayer;
        QPoint pressAt, dropAt;
        bool lands;  // on e4, or put back
    } rows[] = {
        {"one-player, top-left pixels", false, e2.topLeft(), e4.topLeft(), true},
        {"one-player, bottom-right pixels", false, e2.bottomRight(), e4.bottomRight(), true},
        {"one-player, one pixel left of e4 (d4)", false, e2.center(), e4.topLeft() - QPoint(1, 0), false},
        {"two-player, top-left pixels", true, e2.topLeft(), e4.topLeft(), true},
        {"two-player, bottom-right pixels", true, e2.bottomRight(), e4.bottomRight(), true},
        {"two-player, one pixel above e4 (e5)", true, e2.center(), e4.topLeft() - QPoint(0, 1), false},
    };
    const Square pawn{Pawn, Enemy};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        if (r.twoPlayer)
            window->sendCommand(cmd::NewTwoPlayerGame);
        else
            newOnePlayerGame(false, ctl::Easy);
        QTest::mousePress(window->boardWindow(), Qt::LeftButton, Qt::NoModifier, r.pressAt);
        ASSERT_TRUE(ui().isDragging);
        releaseAt(r.dropAt);
        EXPECT_EQ(ui().game.displayBoard.at(4, 3), r.lands ? pawn : EmptySquare);
        EXPECT_EQ(ui().game.displayBoard.at(6, 3), r.lands ? EmptySquare : pawn);
        waitForComputer();
    }
}

}  // namespace
}  // namespace orbel::testing
