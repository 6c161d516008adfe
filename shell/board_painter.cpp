#include "shell/board_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "game/clock/clock_text.h"
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
                    Side bottom) {
    const int x = (square.left() + square.left() + square.width()) / 2 - 8;
    const int y = (square.top() + square.top() + square.height()) / 2 - 8;
    textOut(painter, font, x, y, QString(QChar(letter)) + QChar(digit), Qt::white);
    if (bottom == Side::Black) {
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

void drawSquareName(QImage& screen, const QFont& font, const QRect& square, char& letter, char& digit, Side bottom) {
    QPainter painter(&screen);
    drawSquareName(painter, font, square, letter, digit, bottom);
}

namespace {

// The red frame of the opponent's last move, just inside each of its squares.
void drawLastMoveFrame(QPainter& painter, const BoardScene& scene, const WindowState& look) {
    if (!isSquare(scene.frameFrom) || !isSquare(scene.frameTo)) return;
    painter.save();
    painter.setPen(QPen(QColor(255, 0, 0), 2));
    for (const int square : {scene.frameFrom, scene.frameTo}) {
        const PixelRect r = look.geometry.squareRect(placeOf(square, scene.bottom));
        const int x1 = r.left + FrameInset, x2 = r.right() - FrameInset;
        const int y1 = r.top + FrameInset, y2 = r.bottom() - FrameInset;
        const QPoint corners[] = {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}, {x1, y1}};
        painter.drawPolyline(corners, 5);
    }
    painter.restore();
}

// The hint's move: an arrow from the centre of one square to the other's,
// green over a white edge, so that it shows on any square colours and pieces.
void drawHintArrow(QPainter& painter, const BoardScene& scene, const WindowState& look) {
    if (!isSquare(scene.hintFrom) || !isSquare(scene.hintTo)) return;
    const PixelRect a = look.geometry.squareRect(placeOf(scene.hintFrom, scene.bottom));
    const PixelRect b = look.geometry.squareRect(placeOf(scene.hintTo, scene.bottom));
    const QPointF from(a.left + a.width / 2.0, a.top + a.height / 2.0), to(b.left + b.width / 2.0, b.top + b.height / 2.0);
    const qreal head = a.width * 0.35;
    QLineF back(to, from);
    back.setLength(head);
    QLineF left = back, right = back;
    left.setAngle(back.angle() + 28);
    right.setAngle(back.angle() - 28);
    const QPointF tip[] = {to, left.p2(), right.p2()};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& [colour, width] : {std::pair{QColor(255, 255, 255), 9.0}, std::pair{QColor(0, 120, 40), 5.0}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(colour);
        painter.drawLine(QLineF(from, back.p2()));
        painter.drawPolygon(tip, 3);
    }
    painter.restore();
}

}  // namespace

void drawPieces(PaintPass& pass, const BoardScene& scene, const WindowState& look, PieceBitmaps& bitmaps) {
    QPainter& painter = pass.painter;
    // In device pixels, where the artwork was drawn for: no resampling.
    painter.save();
    painter.resetTransform();
    for (int square = 0; square < 64; ++square) {
        const int imageNumber = pieceImageResource(scene.pieces[static_cast<std::size_t>(square)], look.pieceSetIndex);
        if (imageNumber == 0) continue;
        const PixelRect r = look.geometry.squareRect(placeOf(square, scene.bottom));
        const QPoint at(toDevice(r.left + PieceInsetX, pass.ratio), toDevice(r.top + PieceInsetY, pass.ratio));
        painter.drawImage(at, bitmaps.piece(imageNumber, pass.ratio));
    }
    painter.restore();
    drawLastMoveFrame(painter, scene, look);
    drawHintArrow(painter, scene, look);
}

void drawCapturedPieces(PaintPass& pass, const BoardScene& scene, PieceBitmaps& bitmaps) {
    QPainter& painter = pass.painter;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Side side : {scene.top(), scene.bottom}) {
        int x = ScoreLeft;
        const int y = side == scene.top() ? 30 : 73;
        for (const LostPieces& lost : shownLostPieces(scene, side)) {
            // The strip always shows set 0, in the side's colour. The area
            // comes at the device ratio and shrinks to 20x20 logical pixels.
            const int number = pieceImageResource({lost.kind, side}, 0);
            const QImage& area = bitmaps.pieceOnWhite(number, pass.ratio);
            for (int i = 0; i < lost.count; ++i, x += 18) painter.drawImage(QRect(x, y, 20, 20), area);
        }
    }
    painter.restore();
}

std::array<LostPieces, 5> shownLostPieces(const BoardScene& scene, Side side) {
    int counts[King + 1] = {};
    for (const Piece& p : scene.pieces)
        if (p.side == side && p.kind >= Pawn && p.kind <= King) ++counts[p.kind];
    // None when the difference is 0 or less: a side with three knights
    // shows none.
    const auto missing = [&](PieceKind kind, int start) { return std::max(0, start - counts[kind]); };
    return {{{Pawn, missing(Pawn, 8)},
             {Knight, missing(Knight, 2)},
             {Bishop, missing(Bishop, 2)},
             {Rook, missing(Rook, 2)},
             {Queen, counts[Queen] == 0 ? 1 : 0}}};
}

int shownScore(const BoardScene& scene, Side side) {
    if (!scene.gameExists) return 0;
    int sum = 0;
    for (const Piece& p : scene.pieces)
        if (!p.empty() && p.side == side) sum += materialValue(p.kind);
    return sum;
}

namespace {

QString halfPoint(const BoardScene& scene) { return scene.drawn ? QStringLiteral(" \u00BD") : QString(); }

const QString& scoreName(const BoardScene& scene, Side side) {
    return side == scene.bottom ? scene.bottomName : scene.topName;
}

// A name between isolates (a network peer's) keeps its closing one however
// it is cut: an isolate left open would take the score into the name.
QString elidedName(const QString& name, const QFontMetrics& metrics, int room) {
    if (!name.startsWith(QChar(0x2068)) || !name.endsWith(QChar(0x2069)))
        return metrics.elidedText(name, Qt::ElideRight, room);
    return QChar(0x2068) + metrics.elidedText(name.mid(1, name.size() - 2), Qt::ElideRight, room) + QChar(0x2069);
}

}  // namespace

QString scoreText(const BoardScene& scene, Side side) {
    return QStringLiteral("%1: %2%3").arg(scoreName(scene, side)).arg(shownScore(scene, side)).arg(halfPoint(scene));
}

namespace {

// Score lines' tops, the top side's first.
constexpr int ScoreTop[2] = {8, 50};
constexpr int ClockRight = ClientWidth - 10;
constexpr int ClockPadding = 5;

int clockWidth(const QFont& boardFont) {
    return QFontMetrics(boardFont).horizontalAdvance(QStringLiteral("00:00:00")) + 2 * ClockPadding;
}

}  // namespace

QRect clockArea(const BoardScene& scene, Side side, const QFont& boardFont) {
    const int width = clockWidth(boardFont);
    const int height = QFontMetrics(boardFont).height() + 4;
    return QRect(ClockRight - width, ScoreTop[side == scene.top() ? 0 : 1] - 2, width, height);
}

QRect clocksArea(const QFont& boardFont) {
    const BoardScene any;
    return clockArea(any, Side::White, boardFont).united(clockArea(any, Side::Black, boardFont));
}

void paintClocks(const BoardScene& scene, QImage& screen, const QFont& boardFont) {
    if (!scene.clocks) return;
    PaintPass pass(screen);
    QPainter& p = pass.painter;
    p.setFont(boardFont);
    for (const Side side : {Side::White, Side::Black}) {
        const ClockFace& face = (*scene.clocks)[static_cast<std::size_t>(side)];
        const QRect area = clockArea(scene, side, boardFont);
        const bool low = face.ms < TenthsBelowMs;
        // White on dark red stands out at 7:1 in low time.
        const QColor paper = low ? QColor(0xA0, 0, 0) : face.running ? QColor(Qt::white) : QColor(WindowBackground);
        p.fillRect(area, paper);
        if (face.running && !low) {
            p.setPen(Qt::black);
            p.drawRect(area.adjusted(0, 0, -1, -1));
        }
        p.setPen(low ? Qt::white : Qt::black);
        p.drawText(area.adjusted(ClockPadding, 0, -ClockPadding, 0), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromStdString(shownTime(face.ms)));
    }
}

QString paintedScoreText(const BoardScene& scene, Side side, const QFont& boardFont) {
    // A long nickname is cut to leave room for ": " and a score of three
    // digits, and for the clock.
    const QFontMetrics metrics(boardFont);
    const int end = scene.clocks ? ClockRight - clockWidth(boardFont) - ClockPadding : ClientWidth;
    const int room = end - ScoreLeft - metrics.horizontalAdvance(QStringLiteral(": -000") + halfPoint(scene));
    return QStringLiteral("%1: %2%3")
        .arg(elidedName(scoreName(scene, side), metrics, room))
        .arg(shownScore(scene, side))
        .arg(halfPoint(scene));
}

void paintBoardWindow(const BoardScene& scene, const WindowState& look, QImage& screen, PieceBitmaps& bitmaps,
                      const QFont& boardFont) {
    screen.fill(WindowBackground);
    PaintPass pass(screen);
    QPainter& p = pass.painter;
    // The frame runs one pixel outside the squares on every side. A fill, not
    // an outlined rectangle: a pen's line lands half a pixel off at ratio 2.
    const PixelRect top = look.geometry.squareRect({0, 0}), bottom = look.geometry.squareRect({7, 7});
    p.fillRect(QRect(top.left - 1, top.top - 1, bottom.right() - top.left + 2, bottom.bottom() - top.top + 2), Qt::black);
    const bool blackBelow = scene.bottom == Side::Black;
    char letter = blackBelow ? 'H' : 'A';
    char digit = blackBelow ? '1' : '8';
    const QColor light = colourFromRef(look.lightSquareColor);
    const QColor dark = colourFromRef(look.darkSquareColor);
    // Column by column from the left, top to bottom: the order the square
    // names count in.
    for (int x = 0; x < 8; ++x) {
        for (int y = 0; y < 8; ++y) {
            const QRect square = toQRect(look.geometry.squareRect({y, x}));
            p.fillRect(square, (x + y) % 2 == 0 ? light : dark);
            if (look.showCoordinates) drawSquareName(p, boardFont, square, letter, digit, scene.bottom);
        }
    }
    if (scene.gameExists) {
        drawCapturedPieces(pass, scene, bitmaps);
        drawPieces(pass, scene, look, bitmaps);
    }
    const QColor grey = QColor::fromRgb(WindowBackground);
    textOut(p, boardFont, ScoreLeft, ScoreTop[0], paintedScoreText(scene, scene.top(), boardFont), grey);
    textOut(p, boardFont, ScoreLeft, ScoreTop[1], paintedScoreText(scene, scene.bottom, boardFont), grey);
    p.end();
    paintClocks(scene, screen, boardFont);
}

QRect squareCursorArea(const WindowState& look) { return toQRect(look.geometry.squareRect(look.cursor)); }

void drawSquareCursor(QPainter& painter, const WindowState& look) {
    if (!look.cursorShown || !look.cursor.onBoard()) return;
    constexpr int Ring = 2;
    const QRect outer = squareCursorArea(look);
    // Filled strips, not a pen: whole pixels at any device ratio.
    const auto ring = [&painter](const QRect& r, const QColor& colour) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), Ring), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - Ring + 1, r.width(), Ring), colour);
        painter.fillRect(QRect(r.left(), r.top() + Ring, Ring, r.height() - 2 * Ring), colour);
        painter.fillRect(QRect(r.right() - Ring + 1, r.top() + Ring, Ring, r.height() - 2 * Ring), colour);
    };
    ring(outer, Qt::black);
    ring(outer.adjusted(Ring, Ring, -Ring, -Ring), Qt::white);
}

QRect carriedPieceArea(const WindowState& look, const QImage& piece, qreal ratio) {
    return QRect(look.dragX, look.dragY, static_cast<int>(std::ceil(piece.width() / ratio)),
                 static_cast<int>(std::ceil(piece.height() / ratio)));
}

void drawCarriedPiece(QPainter& painter, const WindowState& look, const QImage& piece) {
    if (!look.dragging || !look.dragImageShown || piece.isNull()) return;
    const qreal ratio = painter.device()->devicePixelRatioF();
    // In device pixels, as the pieces on the board are drawn.
    QImage shown = piece;
    shown.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(toDevice(look.dragX, ratio) / ratio, toDevice(look.dragY, ratio) / ratio), shown);
}

}  // namespace orbel
