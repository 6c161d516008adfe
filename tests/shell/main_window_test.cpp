// The main window as it is drawn, where a table of texts cannot say it: the
// panes' places beside the board, the square names and the strips of lost
// pieces. (What it shows as text, and the frame of the
// last move, are in scenarios/window.txt.)
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

#include "shell/resource_ids.h"
#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/chat_pane.h"
#include "shell/dialogs.h"
#include "shell/history_pane.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

TEST_F(WindowTest, HasAFixedSizeWithThePanesBesideTheBoard) {
    EXPECT_EQ(window->centralWidget()->size(), QSize(ClientWidth, ClientHeight));
    EXPECT_EQ(window->boardWindow()->geometry(), window->centralWidget()->rect());
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    // The squares with their frame; the lists side by side, White's first,
    // the Brain pane below them and the chat pane in its place.
    const QRect board = squareRect({0, 0}).united(squareRect({7, 7})).adjusted(-1, -1, 1, 1);
    const QRect white = window->historyPane(Side::White)->geometry(), black = window->historyPane(Side::Black)->geometry();
    const QRect brain = window->brainPane()->geometry();
    for (const QRect& pane : {white, black, brain}) {
        EXPECT_TRUE(window->centralWidget()->rect().contains(pane));
        EXPECT_FALSE(pane.intersects(board));
    }
    EXPECT_EQ(white.top(), black.top());
    EXPECT_EQ(white.right() + 1, black.left());
    EXPECT_GT(brain.top(), white.bottom());
    EXPECT_EQ(window->chatPane()->geometry(), brain);
}

// Checked on empty squares: pieces are drawn over the names.
TEST_F(WindowTest, SquareNamesFollowTheColourTheUserPlays) {
    const auto named = [this](int row, int col, const char* name) {
        const QImage board = painted();
        const QRect square = squareRect({row, col});
        QImage alone(square.size(), board.format());
        alone.fill(board.pixel(square.topLeft() + QPoint(1, 1)));
        char letter = name[0], digit = name[1];
        drawSquareName(alone, window->boardFont(), alone.rect(), letter, digit, window->table().userSide());
        return board.copy(square) == alone;
    };
    startWith(true, ctl::Hard);
    command(Command::ShowHideCoordinates);
    // Playing Black: H1 at the top left, ranks going up down a column.
    EXPECT_TRUE(named(3, 0, "H4"));
    EXPECT_FALSE(named(3, 0, "A5"));
    EXPECT_TRUE(named(4, 7, "A5"));
    EXPECT_TRUE(named(2, 3, "E3"));
    newOnePlayerGame(false, ctl::Hard);
    // Playing White: A8 at the top left.
    EXPECT_TRUE(named(3, 0, "A5"));
    EXPECT_TRUE(named(4, 7, "H4"));
    // Hidden again: the square's own colour.
    command(Command::ShowHideCoordinates);
    EXPECT_EQ(inkIn(painted(), squareRect({3, 0}), colourFromRef(window->state().darkSquareColor)), 0);
}

// Which pieces the strips show, and the scores' texts, are scenarios'; here,
// that they are drawn.
TEST_F(WindowTest, ScoresAndLostPiecesAreDrawnBesideTheBoard) {
    startWith(false, ctl::Hard);
    const QRect strips(ScoreLeft, 0, ClientWidth - ScoreLeft, window->historyPane(Side::White)->y());
    const QImage before = painted().copy(strips);
    QGuiApplication::clipboard()->setText("rnb1kbnr/ppppppp1/8/8/3Q4/8/1PPPPPPP/RNBQKBNR w - - 0 9");
    command(Command::PasteGameText);
    const QImage after = painted().copy(strips);
    const QColor background = QColor::fromRgb(WindowBackground);
    for (const int y : {8, 50}) EXPECT_GT(inkIn(before, QRect(0, y, 120, 14), background), 30) << "no score line at " << y;
    // Three pieces more: the computer's pawn and queen, the user's pawn.
    EXPECT_GT(inkIn(after, after.rect(), background), inkIn(before, before.rect(), background) + 3 * 200);
}

}  // namespace
}  // namespace orbel::testing
