// A real main window driven as a user would: mouse presses, moves and
// releases at pixel positions, menu commands and keys, with every message box
// and dialog answered through the window's modal seam. Places on the board
// are as the user sees it (row 0 at the top, column 0 at the left).
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/main_window.h"

namespace orbel::testing {

struct ShownBox {
    QString text;
    QString caption;
    MessageIcon icon;
    bool owned;
};

// How many pixels of `area` differ from `background`.
int inkIn(const QImage& image, const QRect& area, const QColor& background);

// A point outside the drawing area: a piece dropped there goes home.
inline constexpr QPoint OffTheBoard(-30, -12);

// One copy of the program: its window, the boxes it showed, the sounds it
// played and the answers waiting for its dialogs. A dialog with no answer
// queued is answered as a user would leave it: the nickname dialog with
// `ownNickname`, the connecting box left to the call, any other cancelled.
class Player {
public:
    // A board square as drawn, the area of its piece's image, and the middle
    // of the square (where a user would aim).
    static QRect squareRect(Place place);
    // Where a square is drawn, with `bottom`'s side at the bottom: a1 at the
    // bottom left for White, at the top right for Black.
    static Place placeOf(int square, Side bottom);
    static QRect pieceRect(Place place);
    static QPoint pointOf(Place place) { return squareRect(place).center(); }

    void open();
    void close();

    void answerNextDialog(std::function<int(QDialog&)> answer) { dialogAnswers.push_back(std::move(answer)); }
    // New Game Setup answered with a colour and a level (control ids), then OK.
    void answerNewGame(bool black, int levelId, int elo = 0);
    void answerCancel();
    // Starts the window as the program does (its first New Game Setup included).
    void startWith(bool black, int levelId, int elo = 0);
    // New 1 Player Game from the menu, its setup answered.
    void newOnePlayerGame(bool black, int levelId, int elo = 0);
    // A menu command, as a click on its item.
    void command(Command c);

    void pressAt(QPoint p);
    void releaseAt(QPoint p);
    // The mouse moved with the button held.
    void moveHeldTo(QPoint p);
    void drag(Place from, Place to);
    // Keys on the board: the printable ones typed, and \n Enter, \b
    // Backspace, \x1b Escape, \x01 to \x04 the arrows left, right, up and down.
    void keys(const std::string& text);
    // Waits for the computer's move to be handed back.
    void waitForComputer();

    // The surface after a full repaint through the paint event.
    QImage painted();
    // How many pixels of the square's piece area differ from the square's colour.
    int inkOn(Place place);
    // The pieces drawn on the board, told apart by their images: FEN's piece
    // placement as the user sees it ("?" for a square that shows no piece
    // image of the set in use, nor an empty square).
    QString drawnPlacement();

    std::unique_ptr<MainWindow> window;
    std::vector<ShownBox> boxes;
    std::vector<int> sounds;
    std::deque<std::function<int(QDialog&)>> dialogAnswers;
    int dialogsShown = 0;
    bool acceptRequests = true;
    QString ownNickname = QStringLiteral("Bob");
    // Run once, while the next box or question is shown.
    std::function<void()> onBox, onQuestion;
};

class WindowTest : public ::testing::Test, public Player {
protected:
    void SetUp() override { open(); }
    void TearDown() override { close(); }
};

}  // namespace orbel::testing
