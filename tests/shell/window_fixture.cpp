#include "tests/shell/window_fixture.h"

#include <QPushButton>
#include <QRadioButton>

#include "shell/board_window.h"
#include "shell/dialogs.h"

namespace orbel::testing {

void WindowTest::SetUp() {
    window = std::make_unique<MainWindow>();
    window->modal().boxHandler = [this](const BoxRequest& r) { boxes.push_back({r.text, r.caption, r.icon, r.hasOwner}); };
    window->modal().dialogHandler = [this](QDialog& d) {
        ++dialogsShown;
        if (dialogAnswers.empty()) {
            d.reject();
            return static_cast<int>(QDialog::Rejected);
        }
        auto answer = std::move(dialogAnswers.front());
        dialogAnswers.pop_front();
        return answer(d);
    };
    window->sounds().testHook = [this](int n) { sounds.push_back(n); };
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowTest::TearDown() {
    if (!window) return;
    window->close();
    window.reset();
}

void WindowTest::answerNewGame(bool black, int levelId) {
    answerNextDialog([black, levelId](QDialog& d) {
        auto& setup = dynamic_cast<NewGameSetupDialog&>(d);
        setup.radio(black ? ctl::Black : ctl::White)->click();
        setup.radio(levelId)->click();
        setup.okButton()->click();
        return setup.result();
    });
}

void WindowTest::answerCancel() {
    answerNextDialog([](QDialog& d) {
        dynamic_cast<NewGameSetupDialog&>(d).cancelButton()->click();
        return d.result();
    });
}

void WindowTest::startWith(bool black, int levelId) {
    answerNewGame(black, levelId);
    window->runStartUpDialog();
}

QRect WindowTest::squareRect(int row, int col) {
    const PixelRect r = BoardGeometry{}.squareRect(row, col);
    return QRect(r.left, r.top, r.width, r.height);
}

QRect WindowTest::pieceRect(int row, int col) {
    // Piece images are 43 x 45, drawn 8 pixels in from the square's left and 7 from its top.
    return QRect(squareRect(row, col).topLeft() + QPoint(8, 7), QSize(43, 45));
}

void WindowTest::press(int row, int col) {
    QTest::mousePress(window->boardWindow(), Qt::LeftButton, Qt::NoModifier, pointOf(row, col));
}

void WindowTest::release(int row, int col) { releaseAt(pointOf(row, col)); }

void WindowTest::releaseAt(QPoint p) { QTest::mouseRelease(window->boardWindow(), Qt::LeftButton, Qt::NoModifier, p); }

void WindowTest::drag(int fromRow, int fromCol, int toRow, int toCol) {
    press(fromRow, fromCol);
    // A move with the button held: the drag image follows.
    QMouseEvent move(QEvent::MouseMove, QPointF(pointOf(toRow, toCol)), QPointF(window->boardWindow()->mapToGlobal(pointOf(toRow, toCol))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->boardWindow(), &move);
    release(toRow, toCol);
}

void WindowTest::waitForComputer() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return !ui().computerThinking; }, 20000)) << "the computer never answered";
}

void WindowTest::setPosition(const Board& board) {
    ui().game.currentGame->board = board;
    ui().game.displayBoard = board;
    window->invalidate();
}

}  // namespace orbel::testing
