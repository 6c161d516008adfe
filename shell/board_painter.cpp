#include "shell/board_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <cstring>

#include "rules/material.h"

namespace orbel {
namespace {

// A piece's image stands this far into its square.
constexpr int PieceInsetX = 8;
constexpr int PieceInsetY = 7;
// The last-move frame runs this far inside the square's edges.
constexpr int FrameInset = 4;

QRect toQRect(const PixelRect& r) { return QRect(r.left, r.top, r.width, r.height); }

// Text drawn with its top-left at (x, y) on an opaque background, as the
// window's device context draws it.
void textOut(QPainter& p, const QFont& font, int x, int y, const QString& text, QColor background) {
    p.setFont(font);
    const QFontMetrics metrics(font);
    const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
    p.fillRect(box, background);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

// The surface's pixels as an image of ratio 1, sharing its memory.
QImage devicePixels(QImage& screen) {
    return QImage(screen.bits(), screen.width(), screen.height(), screen.bytesPerLine(), screen.format());
}

// The raster operations are plain loops over device pixels: QPainter splits
// a blit of more than 96 rows across a thread pool, and from ratio 2 up the
// hand-offs cost more than the blit. Alpha stays 0xFF: every bitmap has it.

// A piece on the board: the mask (white on the piece) clears its shape, the
// image cut to the shape paints it in: (screen AND NOT mask) OR cut.
void paintPiece(QImage& device, QPoint at, const QImage& mask, const QImage& cut) {
    const QRect target = QRect(at, mask.size()).intersected(QRect(at, cut.size())).intersected(device.rect());
    for (int y = target.top(); y <= target.bottom(); ++y) {
        auto* screen = reinterpret_cast<QRgb*>(device.scanLine(y)) + target.left();
        const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y - at.y())) + (target.left() - at.x());
        const auto* c = reinterpret_cast<const QRgb*>(cut.constScanLine(y - at.y())) + (target.left() - at.x());
        for (int x = 0; x < target.width(); ++x) screen[x] = (screen[x] & ~m[x]) | c[x];
    }
}

// The carried piece over what lies under it: the mask turns the piece's
// shape white, the image (white around the piece) is ANDed in:
// (under OR mask) AND image.
void composeCarried(const QImage& under, const QImage& mask, const QImage& image, QImage& out) {
    const bool usable = mask.size() == under.size() && image.size() == under.size();
    for (int y = 0; y < under.height(); ++y) {
        const auto* u = reinterpret_cast<const QRgb*>(under.constScanLine(y));
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        if (!usable) {
            std::memcpy(o, u, static_cast<std::size_t>(under.width()) * 4);
            continue;
        }
        const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        const auto* i = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < under.width(); ++x) o[x] = (u[x] | m[x]) & i[x];
    }
}

// The device pixels of a 60x60 piece area whose top-left corner is at (x, y).
QRect deviceArea(int x, int y, qreal ratio) {
    const int side = deviceAreaSize(ratio);
    return QRect(toDevice(x, ratio), toDevice(y, ratio), side, side);
}

// The smallest logical rectangle over a rectangle of device pixels.
QRect logicalCover(const QRect& device, qreal ratio) {
    const int left = static_cast<int>(std::floor(device.left() / ratio));
    const int top = static_cast<int>(std::floor(device.top() / ratio));
    const int right = static_cast<int>(std::ceil((device.right() + 1) / ratio));
    const int bottom = static_cast<int>(std::ceil((device.bottom() + 1) / ratio));
    return QRect(left, top, right - left, bottom - top);
}

// Copies the pixels of `from` inside `source` to `to`, the source's top-left
// landing on `at`; what falls outside either image is left out. Both images
// hold 32-bit pixels. A drag frame moves a few rows, so no painter is made.
void copyPixels(const QImage& from, const QRect& source, QImage& to, QPoint at) {
    const QRect inside = source.intersected(from.rect());
    const QPoint shift = at - source.topLeft();
    const QRect target = inside.translated(shift).intersected(to.rect());
    if (target.isEmpty()) return;
    const QPoint start = target.topLeft() - shift;
    uchar* const bits = to.bits();
    const qsizetype line = to.bytesPerLine();
    for (int row = 0; row < target.height(); ++row)
        std::memcpy(bits + (target.top() + row) * line + target.left() * 4,
                    from.constScanLine(start.y() + row) + start.x() * 4, static_cast<std::size_t>(target.width()) * 4);
}

// A drag buffer of the size a piece area has at the current ratio: made
// again only when the ratio changes, never per frame.
void fitDragBuffer(QImage& buffer, const QSize& size) {
    if (buffer.size() != size || buffer.format() != QImage::Format_RGB32)
        buffer = QImage(size, QImage::Format_RGB32);
}

}  // namespace

PaintPass::PaintPass(QImage& screen)
    : ratio(screen.devicePixelRatio()), device(devicePixels(screen)), painter(&device) {
    painter.setTransform(QTransform::fromScale(ratio, ratio));
}

QColor colourFromRef(std::uint32_t colorref) {
    return QColor(static_cast<int>(colorref & 0xFF), static_cast<int>((colorref >> 8) & 0xFF),
                  static_cast<int>((colorref >> 16) & 0xFF));
}

void drawSquareName(QPainter& painter, const QFont& font, const QRect& square, char& letter, char& digit,
                    bool humanPlaysBlack) {
    const int x = (square.left() + square.left() + square.width()) / 2 - 8;
    const int y = (square.top() + square.top() + square.height()) / 2 - 8;
    textOut(painter, font, x, y, QString(QChar(letter)) + QChar(digit), Qt::white);
    if (humanPlaysBlack) {
        if (++digit > '8') {
            digit = '1';
            --letter;
        }
    } else {
        if (--digit < '1') {
            digit = '8';
            ++letter;
        }
    }
}

void drawSquareName(QImage& screen, const QFont& font, const QRect& square, char& letter, char& digit,
                    bool humanPlaysBlack) {
    QPainter painter(&screen);
    drawSquareName(painter, font, square, letter, digit, humanPlaysBlack);
}

void drawPieces(PaintPass& pass, const UiState& ui, PieceBitmaps& bitmaps) {
    const Board& board = ui.game.displayBoard;
    for (int r = 7; r >= 0; --r) {
        for (int k = 0; k < 8; ++k) {
            const Square& piece = board.at(r, k);
            const int imageNumber = pieceImageResource(piece, ui.pieceSetIndex, ui.humanPlaysBlack);
            if (imageNumber == 0) continue;
            const PixelRect square = ui.geometry.squareRect(r, k);
            const QPoint at(toDevice(square.left + PieceInsetX, pass.ratio), toDevice(square.top + PieceInsetY, pass.ratio));
            // Only the bitmaps are composed, not the 60x60 areas around them:
            // there the mask is black and the cut image too, which changes
            // nothing.
            paintPiece(pass.device, at, bitmaps.deviceBitmap(pieceMaskResource(piece.kind, ui.pieceSetIndex)),
                       bitmaps.cutImage(imageNumber));
        }
    }
    const MoveRecord& last = ui.game.computerMove;
    if (last.fromRow == -1) return;
    QPainter& painter = pass.painter;
    painter.save();
    painter.setPen(QPen(QColor(255, 0, 0), 2));
    for (const auto& [r, k] : {std::pair{last.fromRow, last.fromCol}, std::pair{last.toRow, last.toCol}}) {
        const PixelRect square = ui.geometry.squareRect(r, k);
        const int x1 = square.left + FrameInset, x2 = square.right() - FrameInset;
        const int y1 = square.top + FrameInset, y2 = square.bottom() - FrameInset;
        const QPoint corners[] = {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}, {x1, y1}};
        painter.drawPolyline(corners, 5);
    }
    painter.restore();
}

void drawCapturedPieces(PaintPass& pass, const UiState& ui, PieceBitmaps& bitmaps) {
    const Board& board = ui.game.displayBoard;
    QPainter& painter = pass.painter;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Owner side : {Own, Enemy}) {
        int counts[7] = {};
        for (const Square& s : board.squares)
            if (s.owner == side && s.kind >= Pawn && s.kind <= King) ++counts[s.kind];
        int x = 509;
        const int y = side == Own ? 30 : 73;
        auto draw = [&](PieceKind kind, int missing) {
            // The strip always shows set 0, in the side's colour. The area
            // comes at the device ratio and shrinks to 20x20 logical pixels.
            const int number = pieceImageResource({kind, side}, 0, ui.humanPlaysBlack);
            const QImage& area = bitmaps.inArea(number, qRgb(255, 255, 255));
            for (int i = 0; i < missing; ++i, x += 18) painter.drawImage(QRect(x, y, 20, 20), area);
        };
        draw(Pawn, 8 - counts[Pawn]);
        draw(Knight, 2 - counts[Knight]);
        draw(Bishop, 2 - counts[Bishop]);
        draw(Rook, 2 - counts[Rook]);
        draw(Queen, counts[Queen] == 0 ? 1 : 0);
    }
    painter.restore();
}

void paintBoardWindow(UiState& ui, QImage& screen, PieceBitmaps& bitmaps, const QFont& boardFont) {
    bitmaps.setDeviceRatio(screen.devicePixelRatio());
    screen.fill(WindowBackground);
    PaintPass pass(screen);
    QPainter& p = pass.painter;
    // The frame runs one pixel outside the squares on every side. A fill, not
    // an outlined rectangle: a pen's line lands half a pixel off at ratio 2.
    const PixelRect top = ui.geometry.squareRect(0, 7), bottom = ui.geometry.squareRect(7, 0);
    p.fillRect(QRect(top.left - 1, top.top - 1, bottom.right() - top.left + 2, bottom.bottom() - top.top + 2), Qt::black);
    char letter = ui.humanPlaysBlack ? 'H' : 'A';
    char digit = ui.humanPlaysBlack ? '1' : '8';
    const QColor light = colourFromRef(ui.lightSquareColor);
    const QColor dark = colourFromRef(ui.darkSquareColor);
    // Column by column from the left, top to bottom: the order the square
    // names count in.
    for (int x = 0; x < 8; ++x) {
        for (int y = 0; y < 8; ++y) {
            const QRect square = toQRect(ui.geometry.squareRect(y, 7 - x));
            p.fillRect(square, (x + y) % 2 == 0 ? light : dark);
            if (ui.showCoordinates) drawSquareName(p, boardFont, square, letter, digit, ui.humanPlaysBlack);
        }
    }
    if (ui.game.currentGame) {
        drawCapturedPieces(pass, ui, bitmaps);
        const MaterialSums m = sumMaterial(ui.game.displayBoard);
        ui.computerScore = m.own;
        ui.playerScore = m.enemy;
        drawPieces(pass, ui, bitmaps);
    }
    const QColor grey = QColor::fromRgb(WindowBackground);
    textOut(p, boardFont, 509, 8, QStringLiteral("Computer: %1").arg(ui.computerScore), grey);
    textOut(p, boardFont, 509, 50, QStringLiteral("Player: %1").arg(ui.playerScore), grey);
}

QRect moveDragImage(UiState& ui, QImage& screen, int x, int y) {
    const qreal ratio = screen.devicePixelRatio();
    QRect changed;
    if (ui.dragImageShown) {
        const QRect shown = deviceArea(ui.dragX, ui.dragY, ratio);
        QImage device = devicePixels(screen);
        copyPixels(ui.dragSave, ui.dragSave.rect(), device, shown.topLeft());
        changed = logicalCover(shown, ratio);
        ui.dragImageShown = false;
    }
    ui.dragX = x;
    ui.dragY = y;
    redrawDragImage(ui, screen);
    return changed.united(logicalCover(deviceArea(x, y, ratio), ratio));
}

void redrawDragImage(UiState& ui, QImage& screen) {
    const qreal ratio = screen.devicePixelRatio();
    const QRect area = deviceArea(ui.dragX, ui.dragY, ratio);
    fitDragBuffer(ui.dragSave, area.size());
    fitDragBuffer(ui.dragCompose, area.size());
    // Bitmaps loaded before the window moved to a screen of another ratio:
    // nearest pixels bring them to size and keep the mask and image paired.
    for (QImage* bitmap : {&ui.dragImage, &ui.dragMask})
        if (!bitmap->isNull() && bitmap->size() != area.size())
            *bitmap = bitmap->scaled(area.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Save what lies under the image (black beyond the surface's edge), then
    // compose the piece over a copy of it.
    QImage device = devicePixels(screen);
    if (!device.rect().contains(area)) ui.dragSave.fill(0);
    copyPixels(device, area, ui.dragSave, QPoint(0, 0));
    composeCarried(ui.dragSave, ui.dragMask, ui.dragImage, ui.dragCompose);
    copyPixels(ui.dragCompose, ui.dragCompose.rect(), device, area.topLeft());
    ui.dragImageShown = true;
}

}  // namespace orbel
