// The board at device resolution: the window moved between screens of device
// pixel ratios 1 to 3 (the offscreen platform's screens of hidpi_screens.json,
// which ctest sets up), its surface, pieces and drag feedback checked pixel
// by pixel on the device.
#include <QScreen>
#include <QWindow>
#include <cstdlib>

#include "shell/board_look.h"
#include "shell/resource_ids.h"
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
    // What the window shows, device pixel for device pixel.
    QImage onScreen() { return window->boardWindow()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// `image` where `mask` is white and `under` elsewhere: a piece drawn over
// what lay beneath it, from artwork of the surface's own scale.
QImage composed(const QImage& under, const QImage& image, const QImage& mask) {
    QImage out = under.copy();
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if ((mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) out.setPixel(x, y, image.pixel(x, y));
    return out;
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

const struct RatioCase {
    qreal ratio;
    int artworkScale;  // the artwork the pieces come from
    QSize surface;
} Ratios[] = {{1, 1, {ClientWidth, ClientHeight}}, {1.25, 2, {962, 610}}, {1.5, 2, {1154, 732}},
              {2, 2, {1538, 976}}, {3, 3, {2307, 1464}}};

QPoint device(QPoint p, qreal ratio) { return {toDevice(p.x(), ratio), toDevice(p.y(), ratio)}; }

// Between two artwork scales the pieces come resampled from the larger one:
// closer to it than to the 1x drawing. Mouse positions stay logical; the
// carried piece is drawn in device pixels over the board, which is never
// painted anew while it moves.
TEST_F(HiDpiTest, EachRatioDrawsItsNearestLargerArtworkAndTheCarriedPieceInDevicePixels) {
    if (!moveToRatio(3)) GTEST_SKIP() << "needs the screens of hidpi_screens.json";
    startWith(false, ctl::Hard);
    PieceBitmaps& art = window->bitmaps();
    const int king = pieceImageResource({King, Side::White}, DefaultPieceSet);
    const int pawn = pieceImageResource({Pawn, Side::White}, DefaultPieceSet);
    for (const RatioCase& c : Ratios) {
        SCOPED_TRACE(c.ratio);
        ASSERT_TRUE(moveToRatio(c.ratio));
        const QImage surface = painted();
        EXPECT_EQ(surface.size(), c.surface);
        EXPECT_EQ(surface.devicePixelRatio(), c.ratio);
        EXPECT_EQ(window->boardWindow()->size(), QSize(ClientWidth, ClientHeight));
        // Shown pixel for pixel (as far as a grab goes: it leaves out the last device column at 1.25).
        const QImage shown = onScreen();
        EXPECT_EQ(shown, surface.copy(QRect(QPoint(0, 0), shown.size())));

        // The user's king on e1, over its square's colour.
        const QRect at(device(pieceRect({7, 4}).topLeft(), c.ratio), pieceRect({7, 4}).size() * c.ratio);
        ASSERT_EQ(art.piece(king, c.ratio).size(), at.size());
        QImage under(at.size(), QImage::Format_RGB32);
        under.fill(surface.pixel(device(squareRect({7, 4}).topLeft() + QPoint(1, 1), c.ratio)));
        const auto drawnFrom = [&](int scale) {
            const auto sized = [&](int n) {
                return art.bitmap(n, scale).scaled(at.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            };
            return composed(under, sized(king), sized(pieceMaskResource(King, DefaultPieceSet)));
        };
        if (c.ratio == c.artworkScale)
            EXPECT_EQ(surface.copy(at), drawnFrom(c.artworkScale));
        else
            EXPECT_LT(distance(surface.copy(at), drawnFrom(c.artworkScale)), distance(surface.copy(at), drawnFrom(1)));

        // A pawn carried over the board and then away.
        pressAt(pointOf({6, 3}));
        EXPECT_EQ(window->hand().piece(), (Piece{Pawn, Side::White}));
        const QImage board = painted().copy(), before = onScreen();
        const QPoint mouse(200, 250);
        const QRect carried(device(mouse, c.ratio), art.piece(pawn, c.ratio).size());
        moveHeldTo(mouse);
        EXPECT_TRUE(window->state().dragImageShown);
        if (c.ratio == c.artworkScale) {
            const QImage pawnArt = art.bitmap(pawn, c.artworkScale);
            const QImage pawnMask = art.bitmap(pieceMaskResource(Pawn, DefaultPieceSet), c.artworkScale);
            EXPECT_EQ(onScreen().copy(carried), composed(before.copy(carried), pawnArt, pawnMask));
        }
        EXPECT_NE(onScreen().copy(carried), before.copy(carried));
        moveHeldTo(mouse + QPoint(2 * PieceArea, 0));
        EXPECT_EQ(onScreen().copy(carried), before.copy(carried));
        EXPECT_EQ(window->boardWindow()->surface(), board);
        releaseAt(OffTheBoard);
        EXPECT_EQ(window->game().position().at(squareAt(3, 1)), (Piece{Pawn, Side::White}));
        EXPECT_FALSE(window->hand().holding());
    }
}

}  // namespace
}  // namespace orbel::testing
