#include "tests/shell/window_fixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <map>
#include <utility>

#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "shell/net_dialogs.h"
#include "shell/resource_ids.h"

namespace orbel::testing {

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
    command(Command::NewOnePlayerGame);
}

void Player::command(Command c) { window->action(c)->trigger(); }

QRect Player::squareRect(Place place) {
    const PixelRect r = BoardGeometry{}.squareRect(place);
    return QRect(r.left, r.top, r.width, r.height);
}

QRect Player::pieceRect(Place place) {
    // The painter keeps these to itself: images of 43 x 45, drawn 8 pixels in
    // from the square's left and 7 from its top.
    return QRect(squareRect(place).topLeft() + QPoint(8, 7), QSize(43, 45));
}

void Player::pressAt(QPoint p) { QTest::mousePress(window->boardWindow(), Qt::LeftButton, Qt::NoModifier, p); }

void Player::releaseAt(QPoint p) { QTest::mouseRelease(window->boardWindow(), Qt::LeftButton, Qt::NoModifier, p); }

void Player::moveHeldTo(QPoint p) {
    // QTest's mouseMove carries no buttons; the drag feedback needs the held one.
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(window->boardWindow()->mapToGlobal(p)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->boardWindow(), &move);
}

void Player::drag(Place from, Place to) {
    pressAt(pointOf(from));
    moveHeldTo(pointOf(to));
    releaseAt(pointOf(to));
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
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->computer().thinking(); }, 20000))
        << "the computer never answered";
}

QImage Player::painted() {
    window->invalidate();
    window->boardWindow()->grab();
    return window->boardWindow()->surface();
}

int Player::inkOn(Place place) {
    const QImage surface = painted();
    const QRect square = squareRect(place);
    // The square's corner lies outside every piece image.
    return inkIn(surface, pieceRect(place), surface.pixelColor(square.topLeft() + QPoint(1, 1)));
}

namespace {

// How many pixels of `drawn` differ from `expected`, leaving out `skip`.
int differences(const QImage& drawn, const QImage& expected, const QRect& skip) {
    int count = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) count += a[x] != b[x] && !skip.contains(x, y);
    }
    return count;
}

constexpr const char* Candidates = ".PNBRQKpnbrqk";

// What each piece, or none, looks like drawn on a square of `colour`.
std::vector<QImage> looks(PieceBitmaps& bitmaps, int set, const QColor& colour, QSize size) {
    std::vector<QImage> out;
    for (const char c : std::string(Candidates)) {
        QImage expected(size, QImage::Format_RGB32);
        expected.fill(colour);
        if (c != '.') {
            const auto kind = static_cast<PieceKind>(std::string(" PNBRQK").find(static_cast<char>(std::toupper(c))));
            const Piece piece{kind, std::isupper(static_cast<unsigned char>(c)) ? Side::White : Side::Black};
            QPainter p(&expected);
            p.drawImage(0, 0, bitmaps.piece(pieceImageResource(piece, set), 1));
        }
        out.push_back(expected);
    }
    return out;
}

}  // namespace

QString Player::drawnPlacement() {
    const QImage surface = painted().convertToFormat(QImage::Format_RGB32);
    const WindowState& look = window->state();
    const Side bottom = window->table().userSide();
    const QSize size = pieceRect({0, 0}).size();
    const std::vector<QImage> onLight = looks(window->bitmaps(), look.pieceSetIndex, colourFromRef(look.lightSquareColor), size);
    const std::vector<QImage> onDark = looks(window->bitmaps(), look.pieceSetIndex, colourFromRef(look.darkSquareColor), size);
    // The square name, when names are shown, lies over the middle of the piece.
    const QRect name = look.showCoordinates ? QRect(QPoint(21, 22), QSize(24, 24)) : QRect();
    QString out;
    for (int rank = 7; rank >= 0; --rank) {
        int gap = 0;
        for (int file = 0; file < 8; ++file) {
            const Place place = orbel::placeOf(squareAt(file, rank), bottom);
            const QImage drawn = surface.copy(pieceRect(place));
            const std::vector<QImage>& candidates = (place.row + place.col) % 2 == 0 ? onLight : onDark;
            QChar best = QLatin1Char('?');
            int fewest = size.width() * size.height() / 20;
            for (std::size_t i = 0; i < candidates.size(); ++i) {
                const int d = differences(drawn, candidates[i], name);
                if (d < fewest) fewest = d, best = QLatin1Char(Candidates[i]);
            }
            if (best == QLatin1Char('.')) {
                ++gap;
                continue;
            }
            if (gap) out += QString::number(gap), gap = 0;
            out += best;
        }
        if (gap) out += QString::number(gap);
        if (rank > 0) out += QLatin1Char('/');
    }
    return out;
}

}  // namespace orbel::testing
