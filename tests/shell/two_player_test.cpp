// Two-player play through the real window: both sides dragged with the
// mouse, White at the bottom.
#include <QAction>
#include <array>
#include <new>
#include <optional>

#include "game/one_player.h"
#include "game/two_player.h"
#include "game/window_messages.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "tests/shell/window_fixture.h"
#include "tests/support/board_text.h"

namespace orbel::testing {
namespace {

// A position as White sees it: the top screen row first, files a to h left
// to right; upper case White, lower case Black, '.' empty.
Board fromWhitesSide(const std::array<const char*, 8>& rows) {
    Board b;
    for (int row = 0; row < 8; ++row) {
        for (int x = 0; x < 8; ++x) {
            const char c = rows[static_cast<std::size_t>(row)][x];
            if (c == '.') continue;
            const char lower = static_cast<char>(c | 0x20);
            const PieceKind kind = lower == 'p' ? Pawn : lower == 'n' ? Knight : lower == 'b' ? Bishop
                                 : lower == 'r' ? Rook : lower == 'q' ? Queen : King;
            b.at(row, 7 - x) = {kind, c == lower ? Own : Enemy};
        }
    }
    return b;
}

class TwoPlayerTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        startWith(false, ctl::Hard);
        window->sendCommand(cmd::NewTwoPlayerGame);
        sounds.clear();
    }
    void setPosition(const Board& b, bool whiteToMove) {
        WindowTest::setPosition(b);
        ui().whiteToMove = whiteToMove;
    }
    struct Rights {
        bool whiteShort, whiteLong, blackShort, blackLong;
        friend bool operator==(const Rights&, const Rights&) = default;
    };
    Rights rights() {
        return {ui().whiteCanCastleShort, ui().whiteCanCastleLong, ui().blackCanCastleShort, ui().blackCanCastleLong};
    }
};

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
    answerNewGame(false, ctl::Easy);
    window->sendCommand(cmd::NewOnePlayerGame);
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
    EXPECT_EQ(ui().game.whiteHistory.count, 1);
    EXPECT_EQ(ui().game.whiteHistory.lines[0], "e4");
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
    EXPECT_EQ(ui().game.blackHistory.lines[0], "e5");
    EXPECT_EQ(ui().game.displayBoard.at(3, 3), (Square{Pawn, Own}));
    EXPECT_EQ(window->statusText(), "White to move");
    EXPECT_TRUE(ui().whiteToMove);
    EXPECT_EQ(sounds.size(), 2u);
}

TEST_F(TwoPlayerTest, CastlingAndTheRightsEachMoveGivesUp) {
    struct Row {
        const char* name;
        bool whiteToMove;
        int fromRow, fromCol, toRow, toCol;
        const char* text;
        std::optional<Rights> after;
        Square kingLands, rookLands;  // where king and rook stand after a castle
        int kingRow, kingCol, rookRow, rookCol;
    };
    const Square wk{King, Enemy}, wr{Rook, Enemy}, bk{King, Own}, br{Rook, Own}, none{};
    const Row rows[] = {
        {"White's rook from h1", true, 7, 0, 6, 0, "Rh2", Rights{false, true, true, true}, none, none, 0, 0, 0, 0},
        {"White's rook from a1", true, 7, 7, 6, 7, "Ra2", Rights{true, false, true, true}, none, none, 0, 0, 0, 0},
        {"Black's rook from a8", false, 0, 7, 1, 7, "Ra7", Rights{true, true, true, false}, none, none, 0, 0, 0, 0},
        {"Black's rook from h8", false, 0, 0, 1, 0, "Rh7", Rights{true, true, false, true}, none, none, 0, 0, 0, 0},
        {"White's king steps", true, 7, 3, 6, 3, "Ke2", Rights{false, false, true, true}, none, none, 0, 0, 0, 0},
        {"Black's king steps", false, 0, 3, 1, 3, "Ke7", Rights{true, true, false, false}, none, none, 0, 0, 0, 0},
        {"White castles short", true, 7, 3, 7, 1, "O-O", std::nullopt, wk, wr, 7, 1, 7, 2},
        {"White castles long", true, 7, 3, 7, 5, "O-O-O", Rights{false, false, true, true}, wk, wr, 7, 5, 7, 4},
        {"Black castles short", false, 0, 3, 0, 1, "O-O", std::nullopt, bk, br, 0, 1, 0, 2},
        {"Black castles long", false, 0, 3, 0, 5, "O-O-O", Rights{true, true, false, false}, bk, br, 0, 5, 0, 4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        window->sendCommand(cmd::NewTwoPlayerGame);
        setPosition(fromWhitesSide({"r...k..r", "........", "........", "........", "........", "........",
                                    "........", "R...K..R"}),
                    r.whiteToMove);
        drag(r.fromRow, r.fromCol, r.toRow, r.toCol);
        const MoveHistory& list = r.whiteToMove ? ui().game.whiteHistory : ui().game.blackHistory;
        ASSERT_EQ(list.count, 1);
        EXPECT_EQ(list.lines[0], r.text);
        EXPECT_EQ(ui().whiteToMove, !r.whiteToMove);
        if (r.after) {
            EXPECT_EQ(rights(), *r.after);
        }
        if (r.kingLands.owner != Empty) {
            EXPECT_EQ(ui().game.displayBoard.at(r.kingRow, r.kingCol), r.kingLands);
            EXPECT_EQ(ui().game.displayBoard.at(r.rookRow, r.rookCol), r.rookLands);
            EXPECT_EQ(ui().game.displayBoard.at(r.fromRow, r.fromCol), EmptySquare);
        }
    }
}

TEST_F(TwoPlayerTest, ACastleWithoutTheRightPutsTheKingBack) {
    setPosition(fromWhitesSide({"r...k..r", "........", "........", "........", "........", "........", "........",
                                "R...K..R"}),
                false);
    ui().blackCanCastleShort = false;
    const Board before = ui().game.displayBoard;
    drag(0, 3, 0, 1);
    EXPECT_EQ(ui().game.displayBoard, before);
    EXPECT_EQ(ui().game.blackHistory.count, 0);
    EXPECT_FALSE(ui().whiteToMove);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(TwoPlayerTest, CheckIsMarkedAndShownUntilTheNextMove) {
    setPosition(fromWhitesSide({"....k...", "........", "........", "........", "........", "........", "R.......",
                                "....K..."}),
               true);
    drag(6, 7, 6, 3);  // Ra2-e2, along the open e-file
    EXPECT_EQ(ui().game.whiteHistory.lines[0], "Re2+");
    EXPECT_EQ(window->statusText(), "Check!");
    EXPECT_EQ(ui().game.humanMove.givesCheck, 0);  // lives for one move only
    drag(0, 3, 0, 4);                               // Ke8-d8
    EXPECT_EQ(ui().game.blackHistory.lines[0], "Kd8");
    EXPECT_EQ(window->statusText(), "White to move");
}

TEST_F(TwoPlayerTest, AFailedCheckTestIsReportedAndTheMoveCompletesUnmarked) {
    ui().twoPlayerCheckTest = [](const Board&) -> bool { throw std::bad_alloc(); };
    drag(6, 3, 4, 3);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Internal Error");
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_FALSE(boxes[0].owned);
    EXPECT_EQ(ui().game.whiteHistory.lines[0], "e4");
    EXPECT_FALSE(ui().whiteToMove);
}

TEST_F(TwoPlayerTest, MateHandsOverToOnePlayerWithNewGameSetup) {
    struct Row {
        const char* name;
        std::array<const char*, 8> position;
        bool whiteToMove;
        int fromRow, fromCol, toRow, toCol;
        const char* text;
    };
    const Row rows[] = {
        {"White mates", {"......k.", ".....ppp", "........", "........", "........", "........", "........", "R...K..."},
         true, 7, 7, 0, 7, "Ra8+"},
        {"Black mates", {"r...k...", "........", "........", "........", "........", "........", ".....PPP", "......K."},
         false, 0, 7, 7, 7, "Ra1+"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        window->sendCommand(cmd::NewTwoPlayerGame);
        boxes.clear();
        setPosition(fromWhitesSide(r.position), r.whiteToMove);
        const int dialogsBefore = dialogsShown;
        answerCancel();
        drag(r.fromRow, r.fromCol, r.toRow, r.toCol);
        const MoveHistory& list = r.whiteToMove ? ui().game.whiteHistory : ui().game.blackHistory;
        ASSERT_EQ(list.count, 1);  // the mating move, and no result line
        EXPECT_EQ(list.lines[0], r.text);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "CheckMate!");
        EXPECT_EQ(boxes[0].caption, "Game Over");
        EXPECT_FALSE(boxes[0].owned);
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
    EXPECT_EQ(ui().game.whiteHistory.lines[0], "d4");
    drag(1, 4, 3, 4);
    EXPECT_EQ(ui().game.blackHistory.lines[0], "d5");
}

// The squares as drawn take the mouse: a press or a drop on a square's
// outermost pixels lands on that square, in both modes that take drags.
TEST_F(TwoPlayerTest, PressesAndDropsLandOnTheSquareDrawnUnderTheMouse) {
    struct Row {
        const char* name;
        bool twoPlayer;
        QPoint pressAt, dropAt;
        bool lands;  // on e4, or put back
    };
    const QRect e2 = squareRect(6, 3), e4 = squareRect(4, 3);
    const Row rows[] = {
        {"one-player, top-left pixels", false, e2.topLeft(), e4.topLeft(), true},
        {"one-player, bottom-right pixels", false, e2.bottomRight(), e4.bottomRight(), true},
        {"one-player, one pixel left of e4 (d4)", false, e2.center(), e4.topLeft() - QPoint(1, 0), false},
        {"two-player, top-left pixels", true, e2.topLeft(), e4.topLeft(), true},
        {"two-player, bottom-right pixels", true, e2.bottomRight(), e4.bottomRight(), true},
        {"two-player, one pixel above e4 (e5)", true, e2.center(), e4.topLeft() - QPoint(0, 1), false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        if (r.twoPlayer) {
            window->sendCommand(cmd::NewTwoPlayerGame);
        } else {
            answerNewGame(false, ctl::Easy);
            window->sendCommand(cmd::NewOnePlayerGame);
        }
        QTest::mousePress(static_cast<QWidget*>(window->boardWindow()), Qt::LeftButton, Qt::NoModifier, r.pressAt);
        ASSERT_TRUE(ui().isDragging);
        releaseAt(r.dropAt);
        const Square pawn{Pawn, Enemy};
        EXPECT_EQ(ui().game.displayBoard.at(4, 3), r.lands ? pawn : EmptySquare);
        EXPECT_EQ(ui().game.displayBoard.at(6, 3), r.lands ? EmptySquare : pawn);
        if (!r.twoPlayer && r.lands) waitForComputer();
    }
}

}  // namespace
}  // namespace orbel::testing
