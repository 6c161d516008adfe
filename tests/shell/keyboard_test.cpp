// Play without a mouse and with a screen reader, through the real window:
// keys on the board, the accessible tree a screen reader walks, the live
// text, and the cursor as it is drawn.
#include <QAccessible>
#include <QAction>
#include <QSettings>
#include <QTimer>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

#include "game/new_game.h"
#include "game/san.h"
#include "game/shown_position.h"
#include "game/spoken.h"
#include "game/two_player.h"
#include "game/window_messages.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "shell/history_pane.h"
#include "shell/live_text.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

using KeyboardTest = WindowTest;

QString said(MainWindow& w) { return w.liveText()->text(); }

// Keys as a string: the printable ones typed, and \n Enter, \b Backspace,
// \x1b Escape, \x01..\x04 the arrows left, right, up and down.
void keys(MainWindow& w, const std::string& text) {
    QWidget* board = w.boardWindow();
    for (const char c : text) {
        switch (c) {
        case '\n': QTest::keyClick(board, Qt::Key_Return); break;
        case '\b': QTest::keyClick(board, Qt::Key_Backspace); break;
        case '\x1b': QTest::keyClick(board, Qt::Key_Escape); break;
        case '\x01': QTest::keyClick(board, Qt::Key_Left); break;
        case '\x02': QTest::keyClick(board, Qt::Key_Right); break;
        case '\x03': QTest::keyClick(board, Qt::Key_Up); break;
        case '\x04': QTest::keyClick(board, Qt::Key_Down); break;
        case ' ': QTest::keyClick(board, Qt::Key_Space, Qt::NoModifier); break;
        default: {
            // As a keyboard sends any character, mapped to a key or not.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar::fromLatin1(c)));
            QApplication::sendEvent(board, &press);
        }
        }
    }
}

// The arrows that take the cursor from where it is to (row, col).
std::string arrowsTo(const UiState& ui, int row, int col) {
    std::string out;
    for (int r = ui.cursorRow; r < row; ++r) out += '\x04';
    for (int r = ui.cursorRow; r > row; --r) out += '\x03';
    for (int c = ui.cursorCol; c < col; ++c) out += '\x01';  // board columns run right to left
    for (int c = ui.cursorCol; c > col; --c) out += '\x02';
    return out;
}

QAccessibleInterface* boardPane(MainWindow& w) { return QAccessible::queryAccessibleInterface(w.boardWindow()); }
QAccessibleTableInterface* boardTable(MainWindow& w) { return boardPane(w)->child(0)->tableInterface(); }
QString cell(MainWindow& w, int row, int column) {
    return boardTable(w)->cellAt(row, column)->text(QAccessible::Name);
}

// A whole game with the keys alone: New Game Setup answered with its keys
// (an arrow to Black, Tab to the levels, Space for Easy, Enter), and the
// user's moves of the committed transcript typed in coordinates, typed in
// standard notation, and made with the cursor and Space, in turn, until the
// computer mates.
TEST_F(KeyboardTest, AWholeGameAgainstTheComputerWithTheKeysAlone) {
    std::ifstream in(std::string(ORBEL_GOLDEN_DIR) + "/games/level1-user-black.txt");
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    ASSERT_GT(lines.size(), 10u);
    answerNextDialog([](QDialog& d) {
        // Shown and made the active window, as the desktop makes a new
        // dialog (the offscreen platform leaves that to the program).
        d.show();
        QApplication::setActiveWindow(&d);
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return})
            QTest::keyClick(QApplication::focusWidget(), key);
        return d.result();
    });
    window->runStartUpDialog();
    ASSERT_TRUE(ui().humanPlaysBlack);
    EXPECT_EQ(ui().game.currentGame->level, LevelEasy);
    EXPECT_EQ(said(*window), "Computer: pawn e2 to e4");
    answerCancel();  // the New Game Setup after the mate

    const auto moveOn = [&](std::size_t line) {
        std::istringstream want(lines[line]);
        int n, fr, fc, tr, tc;
        std::string who;
        want >> n >> who >> fr >> fc >> tr >> tc;
        return makeMoveRecord(fr, fc, tr, tc);
    };
    for (std::size_t line = 1; line + 1 < lines.size(); line += 2) {
        const MoveRecord user = moveOn(line);
        const StandardPosition before = shownPosition(ui(), PlayMode::OnePlayer);
        const StandardMove move = standardMove(user, before, topSide(ui()));
        switch (line / 2 % 3) {
        case 0: keys(*window, std::string(squareName(move.from)) + std::string(squareName(move.to)) + "\n"); break;
        case 1: keys(*window, sanText(before, move) + "\n"); break;
        default:
            keys(*window, arrowsTo(ui(), user.fromRow, user.fromCol) + " ");
            keys(*window, arrowsTo(ui(), user.toRow, user.toCol) + " ");
        }
        ASSERT_TRUE(ui().computerThinking || !boxes.empty()) << lines[line];
        EXPECT_TRUE(said(*window).startsWith("You: " + QString::fromStdString(spokenMove(before, move))));
        waitForComputer();
        if (!boxes.empty()) break;
        EXPECT_TRUE(sameMove(ui().game.computerMove, moveOn(line + 1))) << lines[line + 1];
        EXPECT_TRUE(said(*window).startsWith("Computer: "));
    }
    EXPECT_EQ(lines.back(), "result computer mates");
    EXPECT_EQ(boxes, std::vector<ShownBox>({{"CheckMate!", "Game Over", MessageIcon::Information, false}}));
    EXPECT_TRUE(said(*window).endsWith(", checkmate. The computer wins.")) << said(*window).toStdString();
    EXPECT_EQ(linesOf(ui().game.whiteHistory).back(), "1-0");
}

// What a screen reader finds: the board as a table of named cells whose
// focus follows the cursor, the texts beside it, the history as a list, the
// live text after each move, Control+R, and the option that silences moves.
// (The events a reader hears need a reader on the bus: the AT-SPI check.)
TEST_F(KeyboardTest, AScreenReaderReadsTheBoardAndHearsEveryMove) {
    startWith(false, ctl::Easy);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(window->boardWindow()->hasFocus());

    QAccessibleInterface* pane = boardPane(*window);
    ASSERT_EQ(pane->childCount(), 5);
    QAccessibleInterface* table = pane->child(0);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), "Chess board");
    EXPECT_EQ(table->parent(), pane);
    EXPECT_EQ(boardTable(*window)->rowCount(), 8);
    EXPECT_EQ(boardTable(*window)->columnDescription(0), "a");
    EXPECT_EQ(boardTable(*window)->rowDescription(0), "8");
    EXPECT_EQ(cell(*window, 6, 4), "e2, white pawn");
    EXPECT_EQ(cell(*window, 0, 3), "d8, black queen");
    EXPECT_EQ(cell(*window, 4, 4), "e4, empty");
    QStringList beside;
    for (int i = 1; i < 5; ++i) beside << pane->child(i)->text(QAccessible::Name);
    EXPECT_EQ(beside, (QStringList{"Computer: 38", "Computer has lost: none", "Player: 38", "Player has lost: none"}));

    // The cursor starts on e2, and the focused cell follows it.
    for (const auto& [key, name] : {std::pair{"\x02", "f2, white pawn"}, std::pair{"\x03", "f3, empty"}}) {
        keys(*window, key);
        ASSERT_NE(pane->focusChild(), nullptr);
        EXPECT_EQ(pane->focusChild()->text(QAccessible::Name), name);
        EXPECT_TRUE(pane->focusChild()->state().focused);
    }

    // The transcript's h4, and the computer's Nf6: both said, the cells renamed.
    keys(*window, "h2h4\n");
    EXPECT_EQ(said(*window), "You: pawn h2 to h4");
    waitForComputer();
    EXPECT_EQ(said(*window), "Computer: knight g8 to f6");
    QAccessibleInterface* live = QAccessible::queryAccessibleInterface(window->liveText());
    EXPECT_EQ(live->role(), QAccessible::Notification);
    EXPECT_EQ(live->text(QAccessible::Name), "Computer: knight g8 to f6");
    EXPECT_EQ(cell(*window, 2, 5), "f6, black knight");
    QAccessibleInterface* whiteList = QAccessible::queryAccessibleInterface(window->historyPane(true));
    EXPECT_EQ(whiteList->role(), QAccessible::List);
    EXPECT_EQ(whiteList->text(QAccessible::Name), "White:");
    ASSERT_EQ(whiteList->childCount(), 1);
    EXPECT_EQ(whiteList->child(0)->text(QAccessible::Name), "1. h4");

    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(said(*window).toStdString(),
              "White: king e1, queen d1, rooks a1 and h1, bishops c1 and f1, knights b1 and g1, pawns a2, b2, c2, "
              "d2, e2, f2, g2 and h4. Black: king e8, queen d8, rooks a8 and h8, bishops c8 and f8, knights f6 and "
              "b8, pawns a7, b7, c7, d7, e7, f7, g7 and h7. White to move.");

    // Announcements off (and kept so): moves pass in silence; Control+R still reads.
    window->action(cmd::AnnounceMoves)->trigger();
    EXPECT_FALSE(window->action(cmd::AnnounceMoves)->isChecked());
    EXPECT_EQ(QSettings().value("announce").toString(), "0");
    const int count = window->liveText()->count();
    keys(*window, "h5\n");
    waitForComputer();
    EXPECT_EQ(window->liveText()->count(), count);
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(window->liveText()->count(), count + 1);
}

// What the window adds to reading a typed move: whose move it is, which way
// the board is turned, editing, and the keys that pick up and put down.
TEST_F(KeyboardTest, TypedAndPickedMovesAreJudgedAsDropsAre) {
    enum Start { UserWhite, UserBlack, TwoPlayers };
    const struct {
        const char* name;
        Start start;
        const char* keys;
        const char* message;  // the status bar's passing message afterwards
        const char* written;  // the user's list (in two-player play White's, then Black's)
    } rows[] = {
        {"no such move", UserWhite, "Nf5\n", "No such move: Nf5", ""},
        {"edited with Backspace", UserWhite, "e2e44\b\n", "", "e4"},
        {"cleared with Escape", UserWhite, "e4\x1b", "", ""},
        {"shown while typed", UserWhite, "Nf", "Move: Nf", ""},
        {"the board turned for Black", UserBlack, "e7e5\n", "", "e5"},
        {"two players: White, then Black", TwoPlayers, "e4\ne5\nNf3\n", "", "e4 Nf3 / e5"},
        {"two players: not Black's turn", TwoPlayers, "e5\n", "No such move: e5", " / "},
        {"picked up and put down", UserWhite, " \x03\x03 ", "", "e4"},
        {"put down where it cannot go", UserWhite, " \x03\x03\x03 ", "No move: pawn back on e2", ""},
        {"put back with Escape", UserWhite, " \x03\x1b", "Put back on e2", ""},
        {"nothing of the user's there", UserWhite, "\x03\x03\x03\x03\x03 ", "No piece to move on e7", ""},
    };
    const auto joined = [](const MoveHistory& h) {
        std::string out;
        for (int i = 0; i < h.count; ++i) out += (i ? " " : "") + h.lines[static_cast<std::size_t>(i)];
        return out;
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        if (r.start == TwoPlayers) {
            window->sendCommand(cmd::NewTwoPlayerGame);
        } else {
            newOnePlayerGame(r.start == UserBlack, ctl::Easy);
        }
        ui().cursorRow = 6;
        ui().cursorCol = r.start == UserBlack ? 4 : 3;  // the user's e-pawn
        keys(*window, r.keys);
        waitForComputer();
        EXPECT_EQ(window->statusMessage(), r.message);
        EXPECT_EQ(ui().game.heldPiece, EmptySquare);
        const MoveHistory& white = ui().game.whiteHistory;
        const MoveHistory& black = ui().game.blackHistory;
        const std::string written = r.start == TwoPlayers ? joined(white) + " / " + joined(black)
                                    : joined(r.start == UserBlack ? black : white);
        EXPECT_EQ(written, r.written);
        keys(*window, "\x1b");
    }
}

// Random keys on a two-player board: legal moves typed whole or with one
// character changed, strings of move characters, the cursor keys and Space,
// Backspace and Escape. Never a crash, and the position only ever changes by
// one legal move of the side to move.
TEST_F(KeyboardTest, RandomKeysMakeLegalMovesOrNone) {
    window->sendCommand(cmd::NewTwoPlayerGame);
    std::mt19937 rng(19);
    const auto below = [&rng](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    const std::string alphabet = "abcdefgh12345678NBRQKOo0x-=+#?! \b\x1b\x7f~\xe9";
    StandardPosition stable = shownPosition(ui(), PlayMode::TwoPlayer);
    int moves = 0, refused = 0;
    for (int i = 0; i < 1500 && window->installedMode() == &twoPlayerProc; ++i) {
        std::vector<StandardMove> legal;
        legalMoves(stable, legal);
        std::string burst;
        switch (below(3)) {
        case 0: {
            const StandardMove& m = legal[below(legal.size())];
            burst = below(2) ? sanText(stable, m) : std::string(squareName(m.from)) + std::string(squareName(m.to));
            if (below(2)) burst[below(burst.size())] = alphabet[below(alphabet.size())];
            burst += '\n';
            break;
        }
        case 1:
            for (std::size_t n = 1 + below(6); n > 0; --n) burst += alphabet[below(alphabet.size())];
            burst += '\n';
            break;
        default:
            for (std::size_t n = below(5); n > 0; --n) burst += static_cast<char>(1 + below(4));  // arrows
            burst += ' ';
        }
        const int written = ui().game.whiteHistory.count + ui().game.blackHistory.count;
        keys(*window, burst);
        if (ui().game.heldPiece.owner != Empty) continue;
        const StandardPosition now = shownPosition(ui(), PlayMode::TwoPlayer);
        if (now.squares == stable.squares) {
            ++refused;
            EXPECT_EQ(ui().game.whiteHistory.count + ui().game.blackHistory.count, written);
            continue;
        }
        const bool oneLegalMove = std::any_of(legal.begin(), legal.end(), [&](const StandardMove& m) {
            return afterMove(stable, m).squares == now.squares;
        });
        ASSERT_TRUE(oneLegalMove) << "after " << burst;
        EXPECT_EQ(ui().game.whiteHistory.count + ui().game.blackHistory.count, written + 1);
        stable = now;
        ++moves;
    }
    EXPECT_GT(moves, 100);
    EXPECT_GT(refused, 100);
}

// The cursor stands out on every pair of colours the colour dialog can give
// the squares, on a light and on a dark square, and leaves no trace once the
// mouse is used.
TEST_F(KeyboardTest, TheCursorShowsOnAnySquareColoursAndOnlyForTheKeyboard) {
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const auto contrast = [&](QColor a, QColor b) {
        const double la = luminance(a), lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    startWith(false, ctl::Easy);
    const QImage untouched = window->boardWindow()->grab().toImage();
    const struct {
        QRgb light, dark;
    } pairs[] = {{0xFFFFFF, 0x000000}, {0x000000, 0xFFFFFF}, {0x777777, 0x777777}, {0x767676, 0x595959},
                 {0xFFFF00, 0x0000FF}, {0xF8F8F8, 0x4A9797}, {0x00FF00, 0xFF0000}};
    for (const auto& p : pairs) {
        const QColor light = QColor::fromRgb(p.light), dark = QColor::fromRgb(p.dark);
        ui().lightSquareColor = static_cast<std::uint32_t>(light.red() | light.green() << 8 | light.blue() << 16);
        ui().darkSquareColor = static_cast<std::uint32_t>(dark.red() | dark.green() << 8 | dark.blue() << 16);
        for (const int col : {3, 4}) {  // e2 is light, d2 dark
            ui().cursorRow = 6;
            ui().cursorCol = col;
            keys(*window, col == 3 ? "\x02\x01" : "\x01\x02");
            window->invalidate();
            const QImage shown = window->boardWindow()->grab().toImage();
            const QPoint corner = squareRect(6, col).topLeft();
            const QColor outer = shown.pixelColor(corner), inner = shown.pixelColor(corner + QPoint(2, 2));
            EXPECT_EQ(shown.pixelColor(corner + QPoint(5, 5)), col == 3 ? light : dark);
            for (const QColor square : {light, dark})
                EXPECT_GE(std::max(contrast(outer, square), contrast(inner, square)), 3.0)
                    << std::hex << p.light << " " << p.dark << " column " << col;
        }
    }
    ui().lightSquareColor = DefaultLightSquareColor;
    ui().darkSquareColor = DefaultDarkSquareColor;
    press(0, 0);
    release(0, 0);
    window->invalidate();
    EXPECT_EQ(window->boardWindow()->grab().toImage(), untouched);
}

}  // namespace
}  // namespace orbel::testing
