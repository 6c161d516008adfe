// Play with the keys and the mouse through the real window: a whole game
// against the computer, and the cursor as it is drawn.
#include <QAction>
#include <cmath>
#include <fstream>
#include <sstream>

#include "game/new_game.h"
#include "game/san.h"
#include "game/shown_position.h"
#include "game/spoken.h"
#include "game/window_messages.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "shell/live_text.h"
#include "tests/shell/window_fixture.h"
#include "tests/support/scripted_play.h"

namespace orbel::testing {
namespace {

using KeyboardTest = WindowTest;

// The arrows that take the cursor from where it is to (row, col).
std::string arrowsTo(const UiState& ui, int row, int col) {
    std::string out;
    for (int r = ui.cursorRow; r < row; ++r) out += '\x04';
    for (int r = ui.cursorRow; r > row; --r) out += '\x03';
    for (int c = ui.cursorCol; c < col; ++c) out += '\x01';  // board columns run right to left
    for (int c = ui.cursorCol; c > col; --c) out += '\x02';
    return out;
}

// The game of the committed transcript of the computer at Easy against a
// user (Black) who always plays the first legal move, played as the logic
// alone played it: New Game Setup answered with its keys (an arrow to Black,
// Tab to the levels, Space for Easy, Enter), and the user's moves dragged
// with the mouse, typed in coordinates, typed in standard notation, and
// made with the cursor and Space, in turn, until the computer mates.
TEST_F(KeyboardTest, AWholeGameAgainstTheComputerWithTheMouseAndTheKeys) {
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
    EXPECT_EQ(window->liveText()->text(), "Computer: pawn e2 to e4");
    answerCancel();  // the New Game Setup after the mate

    const auto moveOn = [&](std::size_t line, const char* side) {
        std::istringstream want(lines[line]);
        int n, fr, fc, tr, tc;
        std::string who;
        want >> n >> who >> fr >> fc >> tr >> tc;
        EXPECT_EQ(who, side) << lines[line];
        return makeMoveRecord(fr, fc, tr, tc);
    };
    for (std::size_t line = 1; line + 1 < lines.size(); line += 2) {
        const MoveRecord user = moveOn(line, "user");
        ASSERT_TRUE(sameMove(user, firstLegalUserMove(*ui().game.currentGame))) << lines[line];
        const StandardPosition before = shownPosition(ui(), PlayMode::OnePlayer);
        const StandardMove move = standardMove(user, before, topSide(ui()));
        switch (line / 2 % 4) {
        case 0: drag(user.fromRow, user.fromCol, user.toRow, user.toCol); break;
        case 1: keys(std::string(squareName(move.from)) + std::string(squareName(move.to)) + "\n"); break;
        case 2: keys(sanText(before, move) + "\n"); break;
        default:
            keys(arrowsTo(ui(), user.fromRow, user.fromCol) + " ");
            keys(arrowsTo(ui(), user.toRow, user.toCol) + " ");
        }
        ASSERT_TRUE(ui().computerThinking || !boxes.empty()) << lines[line];
        EXPECT_TRUE(window->liveText()->text().startsWith("You: " + QString::fromStdString(spokenMove(before, move))));
        waitForComputer();
        if (!boxes.empty()) break;  // mate: the mating move gets no line of its own
        EXPECT_TRUE(sameMove(ui().game.computerMove, moveOn(line + 1, "computer"))) << lines[line + 1];
        EXPECT_TRUE(window->liveText()->text().startsWith("Computer: "));
    }
    EXPECT_EQ(lines.back(), "result computer mates");
    EXPECT_EQ(boxes, std::vector<ShownBox>({{"CheckMate!", "Game Over", MessageIcon::Information, false}}));
    EXPECT_TRUE(window->liveText()->text().endsWith(", checkmate. The computer wins."));
    // The computer plays White: its list ends with the result.
    EXPECT_EQ(linesOf(ui().game.whiteHistory).back(), "1-0");
    EXPECT_EQ(dialogsShown, 2);  // the first setup, and the one after the mate
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
            keys(col == 3 ? "\x02\x01" : "\x01\x02");
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
