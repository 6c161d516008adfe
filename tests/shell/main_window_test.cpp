// The main window as it opens and draws: its layout, menus and boxes, New Game
// Setup, and the board's pixels.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "game/new_game.h"
#include "game/window_messages.h"
#include "rules/apply_move.h"
#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "shell/history_pane.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

// The painter keeps these to itself: a square name is drawn this far in from
// its square's top-left corner, a last-move frame this far inside its square,
// and the strips of lost pieces start here, one image every 18 pixels.
constexpr int NameInset = 21;
constexpr int FrameInset = 4;
constexpr QPoint ComputerStrip(509, 30), UserStrip(509, 73);
constexpr int StripStep = 18;

TEST_F(WindowTest, HasItsFixedSizeTitleAndLayout) {
    EXPECT_EQ(window->windowTitle(), "Orbel Chess 3.0");
    EXPECT_EQ(window->centralWidget()->size(), QSize(ClientWidth, ClientHeight));
    EXPECT_EQ(window->boardWindow()->geometry(), QRect(0, 0, ClientWidth, ClientHeight));
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
}

TEST_F(WindowTest, TheMenuBarCarriesTheItemsTheirKeysAndStates) {
    const struct {
        int id;
        const char* text;
        const char* keys;
        bool enabled;
    } items[] = {
        {cmd::NewOnePlayerGame, "&New 1 Player Game", "Ctrl+N", true},
        {cmd::NewTwoPlayerGame, "N&ew 2 Player Game", "Ctrl+M", true},
        {cmd::SaveGame, "&Save Game", "Ctrl+S", true},
        {cmd::LoadGame, "&Load Game", "Ctrl+L", true},
        {cmd::OpenGameText, "&Open PGN or FEN...", "", true},
        {cmd::ExportGame, "Export &Game (PGN)...", "", true},
        {cmd::CopyGame, "&Copy Game as PGN", "Ctrl+Shift+C", true},
        {cmd::CopyPosition, "Copy Position as &FEN", "", true},
        {cmd::PasteGameText, "&Paste Position or Game", "Ctrl+Shift+V", true},
        {cmd::Exit, "E&xit", "", true},
        {cmd::UndoMove, "&Undo Move", "Ctrl+U", false},
        {cmd::Resign, "&Resign", "", true},
        {cmd::ReadPosition, "Read &Position", "Ctrl+R", true},
        {cmd::DarkSquare, "&Dark Square", "", true},
        {cmd::LightSquare, "&Light Square", "", true},
        {cmd::OriginalColors, "&Original Colors", "", true},
        {cmd::PieceSetDudidi, "Dudidi", "", true},
        {cmd::PieceSetFerrow1, "Ferrow Color 1", "", true},
        {cmd::PieceSetFerrow2, "Ferrow Color 2", "", true},
        {cmd::ShowHideCoordinates, "&Show/Hide Coordinates", "", true},
        {cmd::AnnounceMoves, "&Announce Moves", "", true},
        {cmd::DirectNetworkGame, "&Direct Network Game", "Ctrl+I", true},
        {cmd::NetworkResign, "&Resign", "", false},
        {cmd::KillGame, "&Kill Game (Opponent is lagging or gone ONLY)", "", false},
        {cmd::WhatsNew, "&What's New in 3.0", "", true},
        {cmd::About, "&About Orbel Chess 3.0...", "Alt+/", true},
    };
    for (const auto& i : items) {
        SCOPED_TRACE(i.text);
        QAction* a = window->action(i.id);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), i.text);
        EXPECT_EQ(a->shortcut().toString(), i.keys);
        EXPECT_EQ(a->isEnabled(), i.enabled);
        EXPECT_EQ(a->data().toInt(), i.id);
    }
    EXPECT_EQ(window->action(cmd::About)->shortcuts().size(), 2);
    EXPECT_TRUE(window->action(cmd::PieceSetFerrow1)->isChecked());
    EXPECT_FALSE(window->action(cmd::PieceSetDudidi)->isChecked());
    EXPECT_TRUE(window->action(cmd::AnnounceMoves)->isChecked());
    QStringList popups;
    for (QAction* a : window->menuBar()->actions()) popups << a->text();
    EXPECT_EQ(popups, (QStringList{"&File", "&Game", "&Options", "&Network Play", "&Help"}));
}

TEST_F(WindowTest, NewGameSetupStartsTheGameForTheChosenColourAndLevel) {
    Board afterE4 = startingPosition(4);
    applyMove(makeMoveRecord(1, 4, 3, 4), afterE4);  // the computer's e2-e4, from its side
    const struct {
        const char* name;
        bool black;
        int levelId, level, kingColumn;
        Board position;
        std::vector<std::string> whiteLines;
        const char* status;
    } rows[] = {
        {"White at Medium", false, ctl::Medium, LevelMedium, 3, startingPosition(3), {}, "White to move"},
        {"Black at Easy: the computer opens at once", true, ctl::Easy, LevelEasy, 4, afterE4, {"e4"}, "Black to move"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        sounds.clear();
        startWith(r.black, r.levelId);
        ASSERT_TRUE(ui().game.currentGame);
        EXPECT_EQ(ui().humanPlaysBlack, r.black);
        EXPECT_EQ(ui().game.currentGame->level, r.level);
        EXPECT_EQ(ui().game.currentGame->ownKingColumn, r.kingColumn);
        EXPECT_EQ(ui().game.displayBoard, r.position);
        EXPECT_EQ(linesOf(ui().game.whiteHistory), r.whiteLines);
        EXPECT_EQ(window->statusText(), r.status);
        EXPECT_EQ(sounds, std::vector<int>{res::NewGameSound});
        EXPECT_FALSE(ui().computerThinking);
        EXPECT_FALSE(window->thinking().running());
        EXPECT_FALSE(ui().game.computerMove.isMove()) << "no last-move frame for the opening";
        EXPECT_FALSE(window->action(cmd::UndoMove)->isEnabled());
    }
}

TEST_F(WindowTest, TheDialogOffersWhiteAndHardEveryTimeAndCancelChangesNothing) {
    startWith(true, ctl::Easy);
    answerNextDialog([&](QDialog& d) {
        auto& setup = dynamic_cast<NewGameSetupDialog&>(d);
        EXPECT_EQ(d.windowTitle(), "New Game Setup");
        EXPECT_TRUE(setup.radio(ctl::White)->isChecked());
        EXPECT_TRUE(setup.radio(ctl::Hard)->isChecked());
        EXPECT_FALSE(setup.radio(ctl::Black)->isChecked());
        EXPECT_FALSE(setup.radio(ctl::Easy)->isChecked());
        EXPECT_TRUE(setup.okButton()->isDefault());
        setup.cancelButton()->click();
        return d.result();
    });
    window->sendCommand(cmd::NewOnePlayerGame);
    EXPECT_EQ(dialogsShown, 2);
    EXPECT_TRUE(ui().humanPlaysBlack);
    EXPECT_EQ(linesOf(ui().game.whiteHistory), std::vector<std::string>{"e4"});
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
    painted();
    EXPECT_EQ(shownScores(ui()).own, 0);
    EXPECT_EQ(shownScores(ui()).enemy, 0);
    newOnePlayerGame(false, ctl::Hard);
    EXPECT_TRUE(ui().game.currentGame);
}

TEST_F(WindowTest, SquaresTakeTheirColoursLightWhereRowPlusScreenColumnIsEven) {
    startWith(false, ctl::Hard);
    ui().lightSquareColor = 0x0000FF;  // red, as stored: 0x00BBGGRR
    ui().darkSquareColor = 0x00FF00;
    const QImage img = painted();
    const QColor red(255, 0, 0), green(0, 255, 0);
    // Empty squares: (3, 4) is on screen column 3, (3, 5) on screen column 2.
    EXPECT_EQ(img.pixelColor(squareRect(3, 4).center()), red);
    EXPECT_EQ(img.pixelColor(squareRect(3, 5).center()), green);
    EXPECT_EQ(img.pixelColor(squareRect(0, 7).topLeft() + QPoint(2, 2)), red) << "the top-left square";
    // The frame, one pixel outside the squares; the window's background beyond.
    const int y = squareRect(1, 0).center().y();
    EXPECT_EQ(img.pixelColor(BoardLeft - 1, y), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(squareRect(1, 0).right() + 1, y), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(squareRect(1, 0).right() + 11, y), QColor::fromRgb(WindowBackground));
}

TEST_F(WindowTest, PiecesAreDrawnWhereTheyStandInTheirOwnImages) {
    startWith(false, ctl::Hard);
    EXPECT_GT(inkOn(7, 3), 200);  // the user's king
    EXPECT_GT(inkOn(1, 0), 100);  // a computer pawn
    EXPECT_EQ(inkOn(4, 4), 0);    // an empty square
    // 8 pawns, 2 x (3 + 3 + 5) and a queen of 8.
    EXPECT_EQ(shownScores(ui()).own, 38);
    EXPECT_EQ(shownScores(ui()).enemy, 38);
    // The user's (White) king and the computer's (Black) king differ, and
    // another set draws them differently again.
    const QImage img = painted();
    const QImage userKing = img.copy(pieceRect(7, 3));
    EXPECT_NE(userKing, img.copy(pieceRect(0, 3)));
    window->sendCommand(cmd::PieceSetDudidi);
    EXPECT_NE(painted().copy(pieceRect(7, 3)), userKing);
}

QSize nameSize(const QFont& font, const char* name) {
    const QFontMetrics m(font);
    return {m.horizontalAdvance(name), m.height()};
}

// Where the name of square (row, col) is drawn, `name` wide.
QRect nameArea(const QFont& font, int row, int col, const char* name) {
    return {WindowTest::squareRect(row, col).topLeft() + QPoint(NameInset, NameInset), nameSize(font, name)};
}

// What a square name looks like drawn on its own.
QImage nameBox(const QFont& font, const char* name) {
    QImage probe(SquareSize, SquareSize, QImage::Format_RGB32);
    probe.fill(Qt::gray);
    char letter = name[0], digit = name[1];
    drawSquareName(probe, font, probe.rect(), letter, digit, true);
    return probe.copy(QRect(QPoint(NameInset, NameInset), nameSize(font, name)));
}

TEST_F(WindowTest, SquareNamesFollowTheColourTheUserPlays) {
    startWith(true, ctl::Hard);
    window->sendCommand(cmd::ShowHideCoordinates);
    const QFont& font = window->boardFont();
    QImage img = painted();
    // Playing Black: H1 at the top left, ranks going up down a column, the
    // file letter going down to the right. (Checked on empty squares: pieces
    // are drawn over the names.)
    EXPECT_EQ(img.copy(nameArea(font, 3, 7, "H4")), nameBox(font, "H4"));
    EXPECT_NE(img.copy(nameArea(font, 3, 7, "A5")), nameBox(font, "A5"));
    EXPECT_EQ(img.copy(nameArea(font, 4, 0, "A5")), nameBox(font, "A5"));
    EXPECT_EQ(img.copy(nameArea(font, 2, 4, "E3")), nameBox(font, "E3"));

    newOnePlayerGame(false, ctl::Hard);
    img = painted();
    // Playing White: A8 at the top left.
    EXPECT_EQ(img.copy(nameArea(font, 3, 7, "A5")), nameBox(font, "A5"));
    EXPECT_EQ(img.copy(nameArea(font, 4, 0, "H4")), nameBox(font, "H4"));

    // Hidden again: the square's own colour.
    window->sendCommand(cmd::ShowHideCoordinates);
    EXPECT_EQ(inkIn(painted(), nameArea(font, 3, 7, "A5"), colourFromRef(ui().darkSquareColor)), 0);
}

TEST_F(WindowTest, TheOpponentsLastMoveIsFramedInRed) {
    startWith(false, ctl::Hard);
    ui().game.computerMove = makeMoveRecord(1, 4, 3, 4);
    applyMove(ui().game.computerMove, ui().game.currentGame->board);
    ui().game.syncDisplay();
    const QImage img = painted();
    const QColor red(255, 0, 0);
    const QRect to = squareRect(3, 4), from = squareRect(1, 4);
    const QPoint leftEdge(to.left() + FrameInset, to.top() + 24);
    EXPECT_EQ(img.pixelColor(leftEdge), red);
    EXPECT_EQ(img.pixelColor(to.left() + SquareSize - FrameInset, leftEdge.y()), red);
    EXPECT_EQ(img.pixelColor(from.left() + 24, from.top() + FrameInset), red);
    // No move, no frame.
    ui().game.computerMove = noMoveRecord();
    EXPECT_NE(painted().pixelColor(leftEdge), red);
}

TEST_F(WindowTest, LostPiecesAppearInTheStrips) {
    startWith(false, ctl::Hard);
    const QColor grey = QColor::fromRgb(WindowBackground);
    const QPoint second(StripStep, 0), third(2 * StripStep, 0), inside(3, 3), middle(10, 10);
    EXPECT_EQ(painted().pixelColor(ComputerStrip + middle), grey);
    // The computer loses a pawn and its queen; a promoted user pawn gives the
    // user a second queen, which shows as a missing pawn only.
    setPosition(fromWhitesSide({"rnb.kbnr", "ppppppp.", "........", "........", "...Q....", "........",
                                ".PPPPPPP", "RNBQKBNR"}));
    const QImage img = painted();
    EXPECT_NE(img.pixelColor(ComputerStrip + inside), grey);           // the pawn
    EXPECT_NE(img.pixelColor(ComputerStrip + second + inside), grey);  // the queen after it
    EXPECT_EQ(img.pixelColor(ComputerStrip + third + middle), grey);   // nothing more
    EXPECT_NE(img.pixelColor(UserStrip + inside), grey);               // the user's missing pawn
    EXPECT_EQ(img.pixelColor(UserStrip + second + middle), grey);
    EXPECT_EQ(shownScores(ui()).own, 38 - 1 - 8);
    EXPECT_EQ(shownScores(ui()).enemy, 38 - 1 + 8);
}

TEST_F(WindowTest, InfoBoxesShowTheirTextsCentredAndClose) {
    const QStringList about = {
        "Orbel Chess Version 3.0\n\n\u00A9 2026 the Orbel Chess developers",
        "Orbel Chess is a complete chess game with the added feature of direct Internet play. \n\n"
        "- Orbel Chess's main AI includes three difficulty levels for customized game play.\n\n",
        "- Direct Internet play support allows for friends to challenge each other from remote locations.\n\n"
        "All bugs should be reported to bugs@orbelchess.example"};
    const QStringList news = {
        "Orbel Chess has undergone many changes which are listed below.\n\n"
        "- Direct Internet play support! Orbel Chess now allows users to challenge friends across the "
        "Internet.\n\n- Two player option \n\n- Ability to save and reload games\n\n",
        "- GUI improvements including option to view chess board coordinates\n\n"
        "- Key bug fixes to make the game as stable as ever."};
    const auto clickOk = [](InfoDialog& d) { d.okButton()->click(); };
    const auto escape = [](InfoDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); };
    const struct {
        const char* name;
        std::function<void()> open;
        std::function<void(InfoDialog&)> close;
        const char* title;
        const QStringList& texts;
    } rows[] = {
        {"About, closed with OK", [&] { window->sendCommand(cmd::About); }, clickOk, "About Orbel Chess 3.0", about},
        {"About from Alt+/", [&] { QTest::keyClick(window.get(), Qt::Key_Slash, Qt::AltModifier); }, clickOk,
         "About Orbel Chess 3.0", about},
        {"What's New, closed with Escape", [&] { window->sendCommand(cmd::WhatsNew); }, escape,
         "What's new in 3.0?", news},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const int shownBefore = dialogsShown;
        answerNextDialog([&](QDialog& d) {
            auto& info = dynamic_cast<InfoDialog&>(d);
            EXPECT_EQ(d.windowTitle(), r.title);
            EXPECT_EQ(info.texts(), r.texts);
            d.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
            EXPECT_LE((d.frameGeometry().center() - window->frameGeometry().center()).manhattanLength(), 4);
            r.close(info);
            EXPECT_FALSE(d.isVisible());
            return d.result();
        });
        // A box closed a moment ago may have left the window inactive, and
        // its shortcuts with it.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        r.open();
        EXPECT_EQ(dialogsShown, shownBefore + 1);
        dialogAnswers.clear();
    }
}

TEST_F(WindowTest, HistoryPaneScrollsByLinesAndBackToTheTop) {
    HistoryPane* pane = window->historyPane(true);
    const QScrollBar* bar = pane->scrollBar();
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum() + bar->pageStep() - 1, MoveHistory::StandardLines);
    const struct {
        int code, position;
    } steps[] = {{msg::SB_LINEDOWN, 1}, {msg::SB_LINEDOWN, 2}, {msg::SB_LINEUP, 1}, {msg::SB_TOP, 0},
                 {msg::SB_LINEUP, 0},   {msg::SB_BOTTOM, bar->maximum()}};
    for (const auto& s : steps) {
        pane->vscroll(s.code);
        EXPECT_EQ(pane->scrollPosition(), s.position) << "after code " << s.code;
    }
    // A list longer than its standard lines takes the range with it.
    ui().game.whiteHistory.setLine(149, "Kh1");
    ui().game.whiteHistory.count = 150;
    window->invalidateHistoryPanes();
    EXPECT_EQ(bar->maximum() + bar->pageStep() - 1, 150);
}

TEST_F(WindowTest, ExitClosesTheWindow) {
    startWith(false, ctl::Easy);
    window->action(cmd::Exit)->trigger();
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace orbel::testing
