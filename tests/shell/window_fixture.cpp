#include "tests/shell/window_fixture.h"

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
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
    // The same New Game Setup whatever engines this machine has installed:
    // a scenario that plays one names it.
    window->engines().setPrograms({}, {});
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
        // A box the program may close itself: shown while the hook runs,
        // then OK unless the program closed it meanwhile.
        if (auto* box = qobject_cast<QMessageBox*>(&d)) {
            static const std::map<QMessageBox::Icon, MessageIcon> icons = {
                {QMessageBox::Critical, MessageIcon::Stop}, {QMessageBox::Warning, MessageIcon::Exclamation},
                {QMessageBox::Information, MessageIcon::Information}};
            const auto icon = icons.find(box->icon());
            boxes.push_back({box->text(), box->windowTitle(), icon == icons.end() ? MessageIcon::None : icon->second,
                             box->parentWidget() != nullptr});
            box->show();
            if (auto hook = std::exchange(onBox, nullptr)) hook();
            if (box->isVisible()) box->done(QMessageBox::Ok);
            return box->result();
        }
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

void Player::answerNewGame(bool black, int levelId, int elo) {
    answerNextDialog([black, levelId, elo](QDialog& d) {
        auto& setup = dynamic_cast<NewGameSetupDialog&>(d);
        setup.radio(black ? ctl::Black : ctl::White)->click();
        setup.radio(levelId)->click();
        if (elo) setup.eloBox()->setValue(elo);
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

void Player::startWith(bool black, int levelId, int elo) {
    answerNewGame(black, levelId, elo);
    window->runStartUpDialog();
}

void Player::newOnePlayerGame(bool black, int levelId, int elo) {
    answerNewGame(black, levelId, elo);
    command(Command::NewOnePlayerGame);
}

void Player::command(Command c) { window->action(c)->trigger(); }

QRect Player::squareRect(Place place) {
    const PixelRect r = BoardGeometry{}.squareRect(place);
    return QRect(r.left, r.top, r.width, r.height);
}

Place Player::placeOf(int square, Side bottom) {
    const Place whiteBelow{7 - square / 8, square % 8};
    return bottom == Side::White ? whiteBelow : Place{7 - whiteBelow.row, 7 - whiteBelow.col};
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
    for (const QChar c : QString::fromStdString(text)) {
        if (c.unicode() < 0x80 && named.count(static_cast<char>(c.unicode()))) {
            QTest::keyClick(board, named.at(static_cast<char>(c.unicode())));
        } else {
            // As a keyboard sends any character, mapped to a key or not: a Russian one's letters too.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(board, &press);
        }
    }
}

void Player::waitForComputer() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->table().opponentThinking(); }, 20000))
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

constexpr const char* Candidates = ".PNBRQKpnbrqk";

// What each piece, or none, looks like drawn on a square of `colour`.
std::vector<QImage> looks(PieceBitmaps& bitmaps, int set, const QColor& colour, QSize size) {
    std::vector<QImage> out;
    for (const char c : std::string(Candidates)) {
        out.emplace_back(size, QImage::Format_RGB32);
        out.back().fill(colour);
        const auto kind = static_cast<PieceKind>(std::string(" PNBRQK").find(static_cast<char>(std::toupper(c))));
        const Piece piece{kind, std::isupper(static_cast<unsigned char>(c)) ? Side::White : Side::Black};
        if (c != '.') QPainter(&out.back()).drawImage(0, 0, bitmaps.piece(pieceImageResource(piece, set), 1));
    }
    return out;
}

}  // namespace

QString Player::drawnPlacement() {
    const QImage surface = painted().convertToFormat(QImage::Format_RGB32);
    const WindowState& look = window->state();
    const QSize size = pieceRect({0, 0}).size();
    const std::vector<QImage> onSquare[2] = {
        looks(window->bitmaps(), look.pieceSetIndex, colourFromRef(look.lightSquareColor), size),
        looks(window->bitmaps(), look.pieceSetIndex, colourFromRef(look.darkSquareColor), size)};
    QString out;
    for (int rank = 7; rank >= 0; --rank) {
        for (int file = 0; file < 8; ++file) {
            const Place place = placeOf(squareAt(file, rank), window->table().userSide());
            const QImage drawn = surface.copy(pieceRect(place));
            // The image that differs in fewest pixels, unless none comes near.
            QChar best = QLatin1Char('?');
            qsizetype fewest = size.width() * size.height() / 20;
            for (std::size_t i = 0; i < std::size(onSquare[0]); ++i) {
                const QImage& expected = onSquare[(place.row + place.col) % 2][i];
                qsizetype differ = 0;
                for (int y = 0; y < size.height(); ++y)
                    for (int x = 0; x < size.width(); ++x) differ += drawn.pixel(x, y) != expected.pixel(x, y);
                if (differ < fewest) fewest = differ, best = QLatin1Char(Candidates[i]);
            }
            out += best;
        }
        if (rank > 0) out += QLatin1Char('/');
    }
    // Runs of empty squares as FEN counts them.
    for (int n = 8; n > 0; --n) out.replace(QString(n, QLatin1Char('.')), QString::number(n));
    return out;
}

}  // namespace orbel::testing
