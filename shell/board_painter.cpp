#include "shell/board_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>


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
    QPainter& painter = pass.painter;
    // In device pixels, where the artwork was drawn for: no resampling.
    painter.save();
    painter.resetTransform();
    for (int r = 7; r >= 0; --r) {
        for (int k = 0; k < 8; ++k) {
            const int imageNumber = pieceImageResource(board.at(r, k), ui.pieceSetIndex, ui.humanPlaysBlack);
            if (imageNumber == 0) continue;
            const PixelRect square = ui.geometry.squareRect(r, k);
            const QPoint at(toDevice(square.left + PieceInsetX, pass.ratio), toDevice(square.top + PieceInsetY, pass.ratio));
            painter.drawImage(at, bitmaps.piece(imageNumber, pass.ratio));
        }
    }
    painter.restore();
    const MoveRecord& last = ui.game.computerMove;
    if (last.fromRow == -1) return;
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
        int x = ScoreLeft;
        const int y = side == Own ? 30 : 73;
        for (const LostPieces& lost : shownLostPieces(board, side)) {
            // The strip always shows set 0, in the side's colour. The area
            // comes at the device ratio and shrinks to 20x20 logical pixels.
            const int number = pieceImageResource({lost.kind, side}, 0, ui.humanPlaysBlack);
            const QImage& area = bitmaps.pieceOnWhite(number, pass.ratio);
            for (int i = 0; i < lost.count; ++i, x += 18) painter.drawImage(QRect(x, y, 20, 20), area);
        }
    }
    painter.restore();
}

std::array<LostPieces, 5> shownLostPieces(const Board& board, Owner side) {
    int counts[King + 1] = {};
    for (const Square& s : board.squares)
        if (s.owner == side && s.kind >= Pawn && s.kind <= King) ++counts[s.kind];
    // None when the difference is 0 or less: a side with three knights
    // shows none.
    const auto missing = [&](PieceKind kind, int start) { return std::max(0, start - counts[kind]); };
    return {{{Pawn, missing(Pawn, 8)},
             {Knight, missing(Knight, 2)},
             {Bishop, missing(Bishop, 2)},
             {Rook, missing(Rook, 2)},
             {Queen, counts[Queen] == 0 ? 1 : 0}}};
}

QString scoreName(const UiState& ui, Owner side) {
    if (ui.opponentName.isEmpty()) return side == Own ? QStringLiteral("Computer") : QStringLiteral("Player");
    return side == Own ? ui.opponentName : QStringLiteral("You");
}

QString scoreText(const UiState& ui, Owner side) {
    const MaterialSums scores = shownScores(ui);
    return QStringLiteral("%1: %2").arg(scoreName(ui, side)).arg(side == Own ? scores.own : scores.enemy);
}

QString paintedScoreText(const UiState& ui, Owner side, const QFont& boardFont) {
    // A long nickname is cut to leave room for ": " and a score of three digits.
    const QFontMetrics metrics(boardFont);
    const int room = ClientWidth - ScoreLeft - metrics.horizontalAdvance(QStringLiteral(": -000"));
    const MaterialSums scores = shownScores(ui);
    return QStringLiteral("%1: %2")
        .arg(metrics.elidedText(scoreName(ui, side), Qt::ElideRight, room))
        .arg(side == Own ? scores.own : scores.enemy);
}

MaterialSums shownScores(const UiState& ui) {
    return ui.game.currentGame ? sumMaterial(ui.game.displayBoard) : MaterialSums{};
}

void paintBoardWindow(const UiState& ui, QImage& screen, PieceBitmaps& bitmaps, const QFont& boardFont) {
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
        drawPieces(pass, ui, bitmaps);
    }
    const QColor grey = QColor::fromRgb(WindowBackground);
    textOut(p, boardFont, ScoreLeft, 8, paintedScoreText(ui, Own, boardFont), grey);
    textOut(p, boardFont, ScoreLeft, 50, paintedScoreText(ui, Enemy, boardFont), grey);
}

QRect squareCursorArea(const UiState& ui) { return toQRect(ui.geometry.squareRect(ui.cursorRow, ui.cursorCol)); }

void drawSquareCursor(QPainter& painter, const UiState& ui) {
    if (!ui.cursorShown || !onBoard(ui.cursorRow, ui.cursorCol)) return;
    constexpr int Ring = 2;
    const QRect outer = squareCursorArea(ui);
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

QRect carriedPieceArea(const UiState& ui, const QImage& piece, qreal ratio) {
    return QRect(ui.dragX, ui.dragY, static_cast<int>(std::ceil(piece.width() / ratio)),
                 static_cast<int>(std::ceil(piece.height() / ratio)));
}

void drawCarriedPiece(QPainter& painter, const UiState& ui, const QImage& piece) {
    if (!ui.isDragging || !ui.dragImageShown || piece.isNull()) return;
    const qreal ratio = painter.device()->devicePixelRatioF();
    // In device pixels, as the pieces on the board are drawn.
    QImage shown = piece;
    shown.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(toDevice(ui.dragX, ratio) / ratio, toDevice(ui.dragY, ratio) / ratio), shown);
}

}  // namespace orbel
