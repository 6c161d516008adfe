// The board at device resolution: the window moved between screens of device
// pixel ratios 1 to 3 (the offscreen platform's screens of hidpi_screens.json,
// which ctest sets up), its surface, pieces and drag feedback checked pixel
// by pixel on the device.
#include <QScreen>
#include <QWindow>
#include <cstdlib>
#include <iterator>

#include "game/board_look.h"
#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

class HiDpiTest : public WindowTest {
protected:
    // Moves the window onto the screen of that ratio; false when there is none.
    bool moveToRatio(qreal ratio) {
        for (QScreen* screen : QGuiApplication::screens()) {
            if (screen->devicePixelRatio() != ratio) continue;
            window->windowHandle()->setScreen(screen);
            window->move(screen->geometry().topLeft() + QPoint(20, 20));
            return QTest::qWaitFor([&] { return window->boardWindow()->devicePixelRatioF() == ratio; });
        }
        return false;
    }
};

// `image` where `mask` is white and `under` elsewhere: a piece drawn over
// what lay beneath it.
QImage composed(const QImage& under, const QImage& image, const QImage& mask) {
    QImage out = under.copy();
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if ((mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) out.setPixel(x, y, image.pixel(x, y));
    return out;
}

// What the window shows, device pixel for device pixel.
QImage onScreen(QWidget* board) { return board->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// A piece's square colour under a piece area's device pixels.
QImage squareUnder(const QImage& surface, int row, int col, QSize size) {
    const qreal ratio = surface.devicePixelRatio();
    const QRect square = WindowTest::squareRect(row, col);
    QImage under(size, QImage::Format_RGB32);
    under.fill(surface.pixel(toDevice(square.left() + 1, ratio), toDevice(square.top() + 1, ratio)));
    return under;
}

// Mean difference per channel of two images of one size.
double distance(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

struct RatioCase {
    qreal ratio;
    int artworkScale;  // the artwork the pieces come from
    QSize surface;
};

TEST_F(HiDpiTest, EachRatioDrawsItsNearestLargerArtworkInDevicePixels) {
    if (!moveToRatio(3)) GTEST_SKIP() << "needs the screens of hidpi_screens.json";
    const RatioCase cases[] = {
        {1, 1, {ClientWidth, ClientHeight}}, {1.25, 2, {962, 610}}, {1.5, 2, {1154, 732}}, {2, 2, {1538, 976}}, {3, 3, {2307, 1464}},
    };
    startWith(false, ctl::Hard);
    PieceBitmaps& bitmaps = window->bitmaps();
    for (const RatioCase& c : cases) {
        SCOPED_TRACE(c.ratio);
        ASSERT_TRUE(moveToRatio(c.ratio));
        const QImage surface = painted();
        EXPECT_EQ(surface.size(), c.surface);
        EXPECT_EQ(surface.devicePixelRatio(), c.ratio);
        EXPECT_EQ(window->boardWindow()->size(), QSize(ClientWidth, ClientHeight));
        // The paint event shows the surface pixel for pixel (as far as a grab
        // goes: it leaves out the last device column at 1.25).
        const QImage shown = onScreen(window->boardWindow());
        EXPECT_EQ(shown, surface.copy(QRect(QPoint(0, 0), shown.size())));

        // The user's king: its logical size drawn from the chosen artwork,
        // resampled to size when the ratio lies between two drawings.
        const int image = pieceImageResource({King, Enemy}, DefaultPieceSet, false);
        const int mask = pieceMaskResource(King, DefaultPieceSet);
        const QImage& piece = bitmaps.piece(image, c.ratio);
        const QRect logical = pieceRect(7, 3);
        ASSERT_EQ(piece.size(), logical.size() * c.ratio);
        const QRect at(QPoint(toDevice(logical.left(), c.ratio), toDevice(logical.top(), c.ratio)), piece.size());
        const QImage drawn = surface.copy(at);
        const QImage under = squareUnder(surface, 7, 3, at.size());
        auto resampled = [&](int scale) {
            auto size = [&](int number) {
                return bitmaps.bitmap(number, scale).scaled(at.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            };
            return composed(under, size(image), size(mask));
        };
        if (c.ratio == c.artworkScale)
            EXPECT_EQ(drawn, composed(under, bitmaps.bitmap(image, c.artworkScale), bitmaps.bitmap(mask, c.artworkScale)));
        else
            EXPECT_LT(distance(drawn, resampled(c.artworkScale)), distance(drawn, resampled(1)));

        // Mouse positions stay logical; the carried piece is drawn over the
        // board, which is never painted anew while it moves.
        press(6, 4);
        EXPECT_EQ(ui().game.heldPiece, (Square{Pawn, Enemy}));
        const QImage board = painted().copy();
        const QImage before = onScreen(window->boardWindow());
        const QPoint mouse(200, 250);
        const QRect covered(QPoint(toDevice(mouse.x(), c.ratio), toDevice(mouse.y(), c.ratio)),
                            bitmaps.piece(pieceImageResource({Pawn, Enemy}, DefaultPieceSet, false), c.ratio).size());
        moveHeldTo(mouse);
        EXPECT_TRUE(ui().dragImageShown);
        EXPECT_NE(onScreen(window->boardWindow()).copy(covered), before.copy(covered));
        moveHeldTo(mouse + QPoint(2 * PieceArea, 0));
        EXPECT_EQ(onScreen(window->boardWindow()).copy(covered), before.copy(covered));
        EXPECT_EQ(window->boardWindow()->surface(), board);
        releaseAt(OffTheBoard);
        EXPECT_EQ(ui().game.displayBoard.at(6, 4), (Square{Pawn, Enemy}));
    }
}

TEST_F(HiDpiTest, AtRatioTwoBoardAndCarriedPieceShowTheTwoTimesArtwork) {
    if (!moveToRatio(2)) GTEST_SKIP() << "needs the screens of hidpi_screens.json";
    startWith(false, ctl::Hard);
    PieceBitmaps& bitmaps = window->bitmaps();
    const int image = pieceImageResource({Pawn, Enemy}, DefaultPieceSet, false);
    const int mask = pieceMaskResource(Pawn, DefaultPieceSet);
    const QImage& art = bitmaps.bitmap(image, 2);
    const QImage& artMask = bitmaps.bitmap(mask, 2);
    ASSERT_EQ(art.size(), pieceRect(6, 4).size() * 2);

    // The pawn on its square: the 2x artwork composed over the square, not
    // the 1x artwork with its pixels doubled.
    const QImage surface = painted();
    const QRect at(pieceRect(6, 4).topLeft() * 2, art.size());
    const QImage under = squareUnder(surface, 6, 4, art.size());
    EXPECT_EQ(surface.copy(at), composed(under, art, artMask));
    auto doubled = [](const QImage& i) { return i.scaled(i.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation); };
    EXPECT_NE(surface.copy(at), composed(under, doubled(bitmaps.bitmap(image)), doubled(bitmaps.bitmap(mask))));

    // Carried, it is drawn in device pixels over whatever lies beneath.
    press(6, 4);
    const QImage before = painted().copy();
    const QPoint mouse(200, 250);
    moveHeldTo(mouse);
    const QRect carried(mouse * 2, art.size());
    EXPECT_EQ(onScreen(window->boardWindow()).copy(carried), composed(before.copy(carried), art, artMask));
    releaseAt(OffTheBoard);
}

}  // namespace
}  // namespace orbel::testing
