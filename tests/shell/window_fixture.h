// A real main window driven as a user would: mouse presses, moves and
// releases at pixel positions, menu commands and keys, with every message box
// and dialog answered through the window's modal seam.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "shell/main_window.h"

namespace orbel::testing {

struct ShownBox {
    QString text;
    QString caption;
    MessageIcon icon;
    bool owned;
};

class WindowTest : public ::testing::Test {
public:
    // A board square as drawn, the area of its piece's image, and the middle
    // of the square (where a user would aim).
    static QRect squareRect(int row, int col);
    static QRect pieceRect(int row, int col);
    static QPoint pointOf(int row, int col) { return squareRect(row, col).center(); }

protected:
    void SetUp() override;
    void TearDown() override;

    // Answers for the next dialogs, in order; a dialog with no answer queued
    // is cancelled (and recorded).
    void answerNextDialog(std::function<int(QDialog&)> answer) { dialogAnswers.push_back(std::move(answer)); }
    // New Game Setup answered with a colour and a level (control ids), then OK.
    void answerNewGame(bool black, int levelId);
    void answerCancel();
    // Starts the window as the program does (its first New Game Setup included).
    void startWith(bool black, int levelId);

    // Mouse actions on board squares.
    void press(int row, int col);
    void release(int row, int col);
    void releaseAt(QPoint p);
    void drag(int fromRow, int fromCol, int toRow, int toCol);
    // Waits for the computer's move to be handed back.
    void waitForComputer();

    // Puts a position on the game's board and the drawn board.
    void setPosition(const Board& board);

    std::unique_ptr<MainWindow> window;
    UiState& ui() { return window->ui(); }
    std::vector<ShownBox> boxes;
    std::vector<int> sounds;
    std::deque<std::function<int(QDialog&)>> dialogAnswers;
    int dialogsShown = 0;
};

}  // namespace orbel::testing
