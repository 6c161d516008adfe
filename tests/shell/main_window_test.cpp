#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>

#include "game/window_messages.h"
#include "rules/apply_move.h"
#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "shell/history_pane.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

TEST_F(WindowTest, HasItsFixedSizeTitleAndLayout) {
    EXPECT_EQ(window->windowTitle(), "Orbel Chess 3.0");
    EXPECT_EQ(window->centralWidget()->size(), QSize(769, 488));
    EXPECT_EQ(window->boardWindow()->geometry(), QRect(0, 0, 769, 488));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->historyPane(true)->geometry(), QRect(509, 110, 120, 230));
    EXPECT_EQ(window->historyPane(false)->geometry(), QRect(629, 110, 120, 230));
    EXPECT_EQ(window->brainPane()->geometry(), QRect(509, 370, 241, 110));
    EXPECT_EQ(window->chatPane()->geometry(), QRect(509, 370, 241, 110));
    EXPECT_TRUE(window->brainPane()->isVisible());
    EXPECT_FALSE(window->chatPane()->isVisible());
    EXPECT_EQ(window->brainPane()->text(), "Brain:");
    EXPECT_EQ(window->statusText(), "White to move");
    EXPECT_FALSE(window->action(cmd::UndoMove)->isEnabled());
    EXPECT_FALSE(window->action(cmd::NetworkResign)->isEnabled());
    EXPECT_FALSE(window->action(cmd::KillGame)->isEnabled());
    EXPECT_TRUE(window->action(cmd::PieceSetFerrow1)->isChecked());
    EXPECT_FALSE(window->action(cmd::PieceSetDudidi)->isChecked());
}

TEST_F(WindowTest, NewGameSetupAsWhite) {
    startWith(false, ctl::Medium);
    ASSERT_TRUE(ui().game.currentGame);
    EXPECT_FALSE(ui().humanPlaysBlack);
    EXPECT_EQ(ui().game.currentGame->ownKingColumn, 3);
    EXPECT_EQ(ui().game.currentGame->level, 3);
    EXPECT_EQ(ui().game.displayBoard, startingPosition(3));
    EXPECT_EQ(window->statusText(), "White to move");
    EXPECT_EQ(ui().game.whiteHistory.count, 0);
    EXPECT_EQ(sounds, std::vector<int>{174});
    EXPECT_FALSE(window->action(cmd::UndoMove)->isEnabled());
}

TEST_F(WindowTest, NewGameSetupAsBlackLetsTheComputerOpenAtOnce) {
    startWith(true, ctl::Easy);
    ASSERT_TRUE(ui().game.currentGame);
    EXPECT_TRUE(ui().humanPlaysBlack);
    EXPECT_EQ(ui().game.currentGame->level, 1);
    EXPECT_EQ(ui().game.displayBoard.at(3, 4), (Square{Pawn, Own}));
    EXPECT_EQ(ui().game.displayBoard.at(1, 4), EmptySquare);
    EXPECT_EQ(ui().game.whiteHistory.count, 1);
    EXPECT_EQ(ui().game.whiteHistory.lines[0], "e4");
    EXPECT_EQ(window->statusText(), "Black to move");
    EXPECT_FALSE(ui().computerThinking);
    EXPECT_FALSE(window->thinking().running());
    EXPECT_EQ(ui().game.computerMove.fromRow, -1);  // no last-move frame for the opening
    EXPECT_FALSE(window->action(cmd::UndoMove)->isEnabled());
}

TEST_F(WindowTest, TheDialogOffersWhiteAndHardEveryTime) {
    startWith(true, ctl::Easy);
    bool checkedWhiteAndHard = false;
    answerNextDialog([&](QDialog& d) {
        auto& setup = dynamic_cast<NewGameSetupDialog&>(d);
        checkedWhiteAndHard = setup.radio(ctl::White)->isChecked() && setup.radio(ctl::Hard)->isChecked() &&
                              !setup.radio(ctl::Black)->isChecked() && !setup.radio(ctl::Easy)->isChecked();
        EXPECT_EQ(d.windowTitle(), "New Game Setup");
        EXPECT_TRUE(setup.okButton()->isDefault());
        setup.cancelButton()->click();
        return d.result();
    });
    window->sendCommand(cmd::NewOnePlayerGame);
    EXPECT_TRUE(checkedWhiteAndHard);
    // Cancel in the middle of a game changes nothing.
    EXPECT_TRUE(ui().humanPlaysBlack);
    EXPECT_EQ(ui().game.whiteHistory.lines[0], "e4");
}

TEST_F(WindowTest, CancelAtStartLeavesNoGameAndAnInertBoard) {
    answerCancel();
    window->runStartUpDialog();
    EXPECT_FALSE(ui().game.currentGame);
    press(6, 4);
    release(4, 4);
    EXPECT_FALSE(ui().isDragging);
    EXPECT_TRUE(sounds.empty());
    // Drawn empty, with both scores 0.
    window->boardWindow()->grab();
    EXPECT_EQ(ui().computerScore, 0);
    EXPECT_EQ(ui().playerScore, 0);
    // New 1 Player Game then starts a game normally.
    answerNewGame(false, ctl::Hard);
    window->sendCommand(cmd::NewOnePlayerGame);
    EXPECT_TRUE(ui().game.currentGame);
}

// The drawn surface after a repaint.
QImage drawn(MainWindow& w) {
    w.invalidate();
    w.boardWindow()->grab();
    return w.boardWindow()->surface();
}

TEST_F(WindowTest, SquaresTakeTheirColoursLightWhereXPlusYIsEven) {
    startWith(false, ctl::Hard);
    ui().lightSquareColor = 0x0000FF;  // red, as stored: 0x00BBGGRR
    ui().darkSquareColor = 0x00FF00;
    const QImage img = drawn(*window);
    // Screen square (3, 3) is light (3 + 3 even), (2, 3) dark; no pieces there.
    EXPECT_EQ(img.pixelColor(squareRect(3, 7 - 3).center()), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(squareRect(3, 7 - 2).center()), QColor(0, 255, 0));
    // The top-left square is light.
    EXPECT_EQ(img.pixelColor(10, 10), QColor(255, 0, 0));
    // The frame: black on the outermost line.
    EXPECT_EQ(img.pixelColor(7, 100), QColor(0, 0, 0));
    EXPECT_EQ(img.pixelColor(480, 100), QColor(0, 0, 0));
    // The window's background beside the board.
    EXPECT_EQ(img.pixelColor(490, 300), QColor(190, 190, 190));
}

// How many pixels of the square's piece area differ from the square colour.
int pieceInk(const QImage& img, int row, int col, QColor squareColour) {
    int ink = 0;
    const QRect area = WindowTest::pieceRect(row, col);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ink += img.pixelColor(x, y) != squareColour;
    return ink;
}

TEST_F(WindowTest, PiecesAreDrawnWhereTheyStandAndOnlyThere) {
    startWith(false, ctl::Hard);
    const QImage img = drawn(*window);
    const QColor light = colourFromRef(ui().lightSquareColor), dark = colourFromRef(ui().darkSquareColor);
    auto colourOf = [&](int row, int col) { return ((7 - col) + row) % 2 == 0 ? light : dark; };
    EXPECT_GT(pieceInk(img, 7, 3, colourOf(7, 3)), 200);  // the user's king
    EXPECT_GT(pieceInk(img, 1, 0, colourOf(1, 0)), 100);  // a computer pawn
    EXPECT_EQ(pieceInk(img, 4, 4, colourOf(4, 4)), 0);    // an empty square
    // 8 pawns, 2 x (3 + 3 + 5) and a queen of 8.
    EXPECT_EQ(ui().computerScore, 38);
    EXPECT_EQ(ui().playerScore, 38);
}

TEST_F(WindowTest, WhiteAndBlackPiecesUseTheirOwnImages) {
    startWith(false, ctl::Hard);
    // The user's (White) king and the computer's (Black) king differ.
    const QImage img = drawn(*window);
    const QImage userKing = img.copy(pieceRect(7, 3));
    const QImage computerKing = img.copy(pieceRect(0, 3));
    EXPECT_NE(userKing, computerKing);
    window->sendCommand(cmd::PieceSetDudidi);
    const QImage lineArt = drawn(*window);
    EXPECT_NE(lineArt.copy(pieceRect(7, 3)), userKing);
}

// The text box a square name of `name`'s size covers on screen square (x, y).
QImage nameBoxAt(const QImage& img, const QFont& font, int x, int y, const char* name) {
    const QFontMetrics m(font);
    const QRect square = WindowTest::squareRect(y, 7 - x);
    return img.copy(square.left() + 21, square.top() + 21, m.horizontalAdvance(name), m.height());
}

// What a square name looks like drawn on its own.
QImage nameBox(const QFont& font, const char* name) {
    QImage probe(59, 59, QImage::Format_RGB32);
    probe.fill(Qt::gray);
    char letter = name[0], digit = name[1];
    drawSquareName(probe, font, QRect(0, 0, 59, 59), letter, digit, true);
    const QFontMetrics m(font);
    return probe.copy(21, 21, m.horizontalAdvance(name), m.height());
}

TEST_F(WindowTest, SquareNamesFollowTheColourTheUserPlays) {
    startWith(true, ctl::Hard);
    window->sendCommand(cmd::ShowHideCoordinates);
    const QFont& font = window->boardFont();
    QImage img = drawn(*window);
    // Playing Black: H1 at the top left, ranks going up down a column, the
    // file letter going down to the right. (Checked on empty squares: pieces
    // are drawn over the names.)
    EXPECT_EQ(nameBoxAt(img, font, 0, 3, "H4"), nameBox(font, "H4"));
    EXPECT_NE(nameBoxAt(img, font, 0, 3, "A5"), nameBox(font, "A5"));
    EXPECT_EQ(nameBoxAt(img, font, 7, 4, "A5"), nameBox(font, "A5"));
    EXPECT_EQ(nameBoxAt(img, font, 3, 2, "E3"), nameBox(font, "E3"));

    answerNewGame(false, ctl::Hard);
    window->sendCommand(cmd::NewOnePlayerGame);
    img = drawn(*window);
    // Playing White: A8 at the top left.
    EXPECT_EQ(nameBoxAt(img, font, 0, 3, "A5"), nameBox(font, "A5"));
    EXPECT_EQ(nameBoxAt(img, font, 7, 4, "H4"), nameBox(font, "H4"));

    // Hidden again: the square's own colour.
    window->sendCommand(cmd::ShowHideCoordinates);
    EXPECT_EQ(drawn(*window).pixelColor(squareRect(3, 7).topLeft() + QPoint(25, 25)), colourFromRef(ui().darkSquareColor));
}

TEST_F(WindowTest, TheOpponentsLastMoveIsFramedInRed) {
    startWith(false, ctl::Hard);
    ui().game.computerMove = makeMoveRecord(1, 4, 3, 4);
    applyMove(ui().game.computerMove, ui().game.currentGame->board);
    ui().game.syncDisplay();
    const QImage img = drawn(*window);
    // Frames 4 pixels inside each square's edges, two pixels wide.
    const int x1 = squareRect(3, 4).left() + 4, y1 = squareRect(3, 4).top() + 4;
    EXPECT_EQ(img.pixelColor(x1, y1 + 20), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(x1 + 51, y1 + 20), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(x1 + 20, squareRect(1, 4).top() + 4), QColor(255, 0, 0));
    // No move, no frame.
    ui().game.computerMove = noMoveRecord();
    EXPECT_NE(drawn(*window).pixelColor(x1, y1 + 20), QColor(255, 0, 0));
}

TEST_F(WindowTest, LostPiecesAppearInTheStrips) {
    startWith(false, ctl::Hard);
    const QColor grey(190, 190, 190);
    EXPECT_EQ(drawn(*window).pixelColor(509 + 10, 30 + 10), grey);
    // The computer loses a pawn and its queen; a promoted user pawn gives the
    // user a second queen, which shows as a missing pawn only.
    Board b = ui().game.currentGame->board;
    b.at(1, 0) = EmptySquare;
    b.at(0, 4) = EmptySquare;
    b.at(6, 7) = EmptySquare;
    b.at(4, 4) = {Queen, Enemy};
    setPosition(b);
    const QImage img = drawn(*window);
    EXPECT_NE(img.pixelColor(509 + 3, 30 + 3), grey);  // first image of the top strip
    EXPECT_NE(img.pixelColor(509 + 18 + 3, 30 + 3), grey);  // the queen after the pawn
    EXPECT_EQ(img.pixelColor(509 + 36 + 10, 30 + 10), grey);  // nothing more
    EXPECT_NE(img.pixelColor(509 + 3, 73 + 3), grey);  // the user's missing pawn
    EXPECT_EQ(img.pixelColor(509 + 18 + 10, 73 + 10), grey);
    EXPECT_EQ(ui().computerScore, 38 - 1 - 8);
    EXPECT_EQ(ui().playerScore, 38 - 1 + 8);
}

TEST_F(WindowTest, AboutAndWhatsNewShowTheirTextsAndCloseWithOk) {
    QStringList about, news;
    QString aboutTitle, newsTitle;
    answerNextDialog([&](QDialog& d) {
        auto& info = dynamic_cast<InfoDialog&>(d);
        about = info.texts();
        aboutTitle = d.windowTitle();
        info.okButton()->click();
        return d.result();
    });
    answerNextDialog([&](QDialog& d) {
        auto& info = dynamic_cast<InfoDialog&>(d);
        news = info.texts();
        newsTitle = d.windowTitle();
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    window->sendCommand(cmd::About);
    window->sendCommand(cmd::WhatsNew);
    EXPECT_EQ(aboutTitle, "About Orbel Chess 3.0");
    ASSERT_EQ(about.size(), 3);
    EXPECT_TRUE(about[0].startsWith("Orbel Chess Version 3.0\n\n"));
    EXPECT_EQ(about[1], "Orbel Chess is a complete chess game with the added feature of direct Internet play. \n\n"
                        "- Orbel Chess's main AI includes three difficulty levels for customized game play.\n\n");
    EXPECT_TRUE(about[2].startsWith("- Direct Internet play support allows for friends to challenge each other from "
                                    "remote locations.\n\nAll bugs should be reported to "));
    EXPECT_EQ(newsTitle, "What's new in 3.0?");
    ASSERT_EQ(news.size(), 2);
    EXPECT_TRUE(news[0].startsWith("Orbel Chess has undergone many changes which are listed below.\n\n"));
    EXPECT_EQ(news[1], "- GUI improvements including option to view chess board coordinates\n\n"
                       "- Key bug fixes to make the game as stable as ever.");
}

TEST_F(WindowTest, InfoDialogsOpenCentredOverTheWindow) {
    QPoint dialogCentre, windowCentre;
    answerNextDialog([&](QDialog& d) {
        d.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        dialogCentre = d.frameGeometry().center();
        windowCentre = window->frameGeometry().center();
        d.accept();
        return d.result();
    });
    window->sendCommand(cmd::About);
    EXPECT_LE((dialogCentre - windowCentre).manhattanLength(), 4);
}

TEST_F(WindowTest, HistoryPaneScrollsByLinesAndBackToTheTop) {
    HistoryPane* pane = window->historyPane(true);
    EXPECT_EQ(pane->scrollBar()->minimum(), 0);
    EXPECT_EQ(pane->scrollBar()->maximum() + pane->scrollBar()->pageStep() - 1, 120);
    pane->vscroll(msg::SB_LINEDOWN);
    pane->vscroll(msg::SB_LINEDOWN);
    EXPECT_EQ(pane->scrollPosition(), 2);
    pane->vscroll(msg::SB_LINEUP);
    EXPECT_EQ(pane->scrollPosition(), 1);
    pane->vscroll(msg::SB_TOP);
    EXPECT_EQ(pane->scrollPosition(), 0);
    pane->vscroll(msg::SB_LINEUP);
    EXPECT_EQ(pane->scrollPosition(), 0);
    pane->vscroll(msg::SB_BOTTOM);
    EXPECT_EQ(pane->scrollPosition(), pane->scrollBar()->maximum());
    // A list longer than its standard lines takes the range with it.
    ui().game.whiteHistory.setLine(149, "Kh1");
    ui().game.whiteHistory.count = 150;
    window->invalidateHistoryPanes();
    EXPECT_EQ(pane->scrollBar()->maximum() + pane->scrollBar()->pageStep() - 1, 150);
}

}  // namespace
}  // namespace orbel::testing

namespace orbel::testing {
namespace {

TEST_F(WindowTest, TheMenuBarCarriesTheItemsTheirKeysAndStates) {
    struct Item {
        int id;
        const char* text;
        const char* keys;
        bool enabled;
    };
    const Item items[] = {
        {cmd::NewOnePlayerGame, "&New 1 Player Game", "Ctrl+N", true},
        {cmd::NewTwoPlayerGame, "N&ew 2 Player Game", "Ctrl+M", true},
        {cmd::SaveGame, "&Save Game", "Ctrl+S", true},
        {cmd::LoadGame, "&Load Game", "Ctrl+L", true},
        {cmd::Exit, "E&xit", "", true},
        {cmd::UndoMove, "&Undo Move", "Ctrl+U", false},
        {cmd::Resign, "&Resign", "", true},
        {cmd::DarkSquare, "&Dark Square", "", true},
        {cmd::LightSquare, "&Light Square", "", true},
        {cmd::OriginalColors, "&Original Colors", "", true},
        {cmd::PieceSetDudidi, "Dudidi", "", true},
        {cmd::PieceSetFerrow1, "Ferrow Color 1", "", true},
        {cmd::PieceSetFerrow2, "Ferrow Color 2", "", true},
        {cmd::ShowHideCoordinates, "&Show/Hide Coordinates", "", true},
        {cmd::DirectNetworkGame, "&Direct Network Game", "Ctrl+I", true},
        {cmd::NetworkResign, "&Resign", "", false},
        {cmd::KillGame, "&Kill Game (Opponent is lagging or gone ONLY)", "", false},
        {cmd::WhatsNew, "&What's New in 3.0", "", true},
        {cmd::About, "&About Orbel Chess 3.0...", "Alt+/", true},
    };
    for (const Item& i : items) {
        QAction* a = window->action(i.id);
        ASSERT_NE(a, nullptr) << i.text;
        EXPECT_EQ(a->text(), i.text);
        EXPECT_EQ(a->shortcut().toString(), i.keys) << i.text;
        EXPECT_EQ(a->isEnabled(), i.enabled) << i.text;
        EXPECT_EQ(a->data().toInt(), i.id);
    }
    EXPECT_EQ(window->action(cmd::About)->shortcuts().size(), 2);
    QStringList popups;
    for (QAction* a : window->menuBar()->actions()) popups << a->text();
    EXPECT_EQ(popups, (QStringList{"&File", "&Game", "&Options", "&Network Play", "&Help"}));
}

TEST_F(WindowTest, AltSlashOpensTheAboutBox) {
    QString title;
    answerNextDialog([&](QDialog& d) {
        title = d.windowTitle();
        d.accept();
        return d.result();
    });
    QTest::keyClick(window.get(), Qt::Key_Slash, Qt::AltModifier);
    EXPECT_EQ(title, "About Orbel Chess 3.0");
}

TEST_F(WindowTest, ExitClosesTheWindow) {
    startWith(false, ctl::Easy);
    window->action(cmd::Exit)->trigger();
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace orbel::testing
