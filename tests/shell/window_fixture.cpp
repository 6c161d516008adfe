#include "tests/shell/window_fixture.h"

#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <map>
#include <utility>

#include "game/window_messages.h"
#include "net/net_dialogs.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"

namespace orbel::testing {

std::vector<std::string> linesOf(const MoveHistory& list) {
    return {list.lines.begin(), list.lines.begin() + list.count};
}

int inkIn(const QImage& image, const QRect& area, const QColor& background) {
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ink += image.pixelColor(x, y) != background;
    return ink;
}

void Player::open() {
    window = std::make_unique<MainWindow>();
    WindowSeams& seams = window->seams();
    seams.box = [this](const BoxRequest& r) {
        boxes.push_back({r.text, r.caption, r.icon, r.hasOwner});
        if (auto hook = std::exchange(onBox, nullptr)) hook();
    };
    seams.question = [this](const BoxRequest& r) {
        boxes.push_back({r.text, r.caption, r.icon, r.hasOwner});
        if (auto hook = std::exchange(onQuestion, nullptr)) hook();
        return acceptRequests;
    };
    seams.dialog = [this](QDialog& d) {
        ++dialogsShown;
        if (!dialogAnswers.empty()) {
            auto answer = std::move(dialogAnswers.front());
            dialogAnswers.pop_front();
            return answer(d);
        }
        if (auto* nick = dynamic_cast<NicknameDialog*>(&d)) {
            nick->nicknameEdit()->setText(ownNickname);
            nick->okButton()->click();
            return d.result();
        }
        if (dynamic_cast<ConnectingDialog*>(&d)) return d.exec();
        d.reject();
        return static_cast<int>(QDialog::Rejected);
    };
    seams.sound = [this](int n) { sounds.push_back(n); };
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void Player::close() {
    if (!window) return;
    window->close();
    window.reset();
}

void Player::answerNewGame(bool black, int levelId) {
    answerNextDialog([black, levelId](QDialog& d) {
        auto& setup = dynamic_cast<NewGameSetupDialog&>(d);
        setup.radio(black ? ctl::Black : ctl::White)->click();
        setup.radio(levelId)->click();
        setup.okButton()->click();
        return setup.result();
    });
}

void Player::answerCancel() {
    answerNextDialog([](QDialog& d) {
        dynamic_cast<NewGameSetupDialog&>(d).cancelButton()->click();
        return d.result();
    });
}

void Player::startWith(bool black, int levelId) {
    answerNewGame(black, levelId);
    window->runStartUpDialog();
}

void Player::newOnePlayerGame(bool black, int levelId) {
    answerNewGame(black, levelId);
    window->sendCommand(cmd::NewOnePlayerGame);
}

QRect Player::squareRect(int row, int col) {
    const PixelRect r = BoardGeometry{}.squareRect(row, col);
    return QRect(r.left, r.top, r.width, r.height);
}

QRect Player::pieceRect(int row, int col) {
    // The painter keeps these to itself: images of 43 x 45, drawn 8 pixels in
    // from the square's left and 7 from its top.
    return QRect(squareRect(row, col).topLeft() + QPoint(8, 7), QSize(43, 45));
}

void Player::pressAt(QPoint p) { QTest::mousePress(window->boardWindow(), Qt::LeftButton, Qt::NoModifier, p); }

void Player::releaseAt(QPoint p) { QTest::mouseRelease(window->boardWindow(), Qt::LeftButton, Qt::NoModifier, p); }

void Player::moveHeldTo(QPoint p) {
    // QTest's mouseMove carries no buttons; the drag feedback needs the held one.
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(window->boardWindow()->mapToGlobal(p)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->boardWindow(), &move);
}

void Player::drag(int fromRow, int fromCol, int toRow, int toCol) {
    press(fromRow, fromCol);
    moveHeldTo(pointOf(toRow, toCol));
    release(toRow, toCol);
}

void Player::keys(const std::string& text) {
    static const std::map<char, Qt::Key> named = {{'\n', Qt::Key_Return}, {'\b', Qt::Key_Backspace},
        {'\x1b', Qt::Key_Escape}, {'\x01', Qt::Key_Left}, {'\x02', Qt::Key_Right}, {'\x03', Qt::Key_Up},
        {'\x04', Qt::Key_Down}, {' ', Qt::Key_Space}};
    QWidget* board = window->boardWindow();
    for (const char c : text) {
        if (named.count(c)) {
            QTest::keyClick(board, named.at(c));
        } else {
            // As a keyboard sends any character, mapped to a key or not.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar::fromLatin1(c)));
            QApplication::sendEvent(board, &press);
        }
    }
}

void Player::waitForComputer() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return !ui().computerThinking; }, 20000)) << "the computer never answered";
}

QImage Player::painted() {
    window->invalidate();
    window->boardWindow()->grab();
    return window->boardWindow()->surface();
}

int Player::inkOn(int row, int col) {
    const QImage surface = painted();
    const QRect square = squareRect(row, col);
    // The square's corner lies outside every piece image.
    return inkIn(surface, pieceRect(row, col), surface.pixelColor(square.topLeft() + QPoint(1, 1)));
}

}  // namespace orbel::testing
