#include "shell/board_painter.h"

#include <QFontMetrics>
#include <QPainter>

namespace orbel {
namespace {

// A piece's image stands this far into its square.
constexpr int PieceInsetX = 8;
constexpr int PieceInsetY = 7;
// The last-move frame runs this far inside the square's edges.
constexpr int FrameInset = 4;

QRect toQRect(const PixelRect& r) { return QRect(r.left, r.top, r.width, r.height); }

int materialValue(PieceKind kind) {
    static constexpr int values[7] = {0, 1, 3, 3, 5, 8, 0};
    return kind >= Pawn && kind <= King ? values[kind] : 0;
}

// Text drawn with its top-left at (x, y) on an opaque background, as the
// window's device context draws it.
void textOut(QImage& screen, const QFont& font, int x, int y, const QString& text, QColor background) {
    QPainter p(&screen);
    p.setFont(font);
    const QFontMetrics metrics(font);
    const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
    p.fillRect(box, background);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

// The raster operation blit of a whole 60x60 area.
void blit(QImage& target, int x, int y, const QImage& source, QPainter::CompositionMode op) {
    QPainter p(&target);
    p.setCompositionMode(op);
    p.drawImage(x, y, source);
}

}  // namespace

QColor colourFromRef(std::uint32_t colorref) {
    return QColor(static_cast<int>(colorref & 0xFF), static_cast<int>((colorref >> 8) & 0xFF),
                  static_cast<int>((colorref >> 16) & 0xFF));
}

Material countMaterial(const Board& displayBoard) {
    Material m;
    for (const Square& s : displayBoard.squares) {
        if (s.owner == Own) m.own += materialValue(s.kind);
        if (s.owner == Enemy) m.enemy += materialValue(s.kind);
    }
    return m;
}

void drawSquareName(QImage& screen, const QFont& font, const QRect& square, char& letter, char& digit,
                    bool humanPlaysBlack) {
    const int x = (square.left() + square.left() + square.width()) / 2 - 8;
    const int y = (square.top() + square.top() + square.height()) / 2 - 8;
    textOut(screen, font, x, y, QString(QChar(letter)) + QChar(digit), Qt::white);
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

void drawPieces(QImage& screen, const UiState& ui, PieceBitmaps& bitmaps) {
    const Board& board = ui.game.displayBoard;
    for (int r = 7; r >= 0; --r) {
        for (int k = 0; k < 8; ++k) {
            QImage image, mask;
            if (!bitmaps.load(board, r, k, ui.pieceSetIndex, ui.humanPlaysBlack, image, mask)) continue;
            // The mask clears the piece's shape on the board, the image (cut
            // to the shape by the mask first) paints it in.
            blit(image, 0, 0, mask, QPainter::RasterOp_SourceAndDestination);
            const PixelRect square = ui.geometry.squareRect(r, k);
            const int x = square.left + PieceInsetX;
            const int y = square.top + PieceInsetY;
            blit(screen, x, y, mask, QPainter::RasterOp_NotSourceAndDestination);
            blit(screen, x, y, image, QPainter::RasterOp_SourceOrDestination);
        }
    }
    const MoveRecord& last = ui.game.computerMove;
    if (last.fromRow == -1) return;
    QPainter p(&screen);
    p.setPen(QPen(QColor(255, 0, 0), 2));
    for (const auto& [r, k] : {std::pair{last.fromRow, last.fromCol}, std::pair{last.toRow, last.toCol}}) {
        const PixelRect square = ui.geometry.squareRect(r, k);
        const int x1 = square.left + FrameInset, x2 = square.right() - FrameInset;
        const int y1 = square.top + FrameInset, y2 = square.bottom() - FrameInset;
        const QPoint corners[] = {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}, {x1, y1}};
        p.drawPolyline(corners, 5);
    }
}

void drawCapturedPieces(QImage& screen, const UiState& ui, PieceBitmaps& bitmaps) {
    const Board& board = ui.game.displayBoard;
    for (const Owner side : {Own, Enemy}) {
        int counts[7] = {};
        for (const Square& s : board.squares)
            if (s.owner == side && s.kind >= Pawn && s.kind <= King) ++counts[s.kind];
        int x = 509;
        const int y = side == Own ? 30 : 73;
        QPainter p(&screen);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        auto draw = [&](PieceKind kind, int missing) {
            // The strip always shows set 0, in the side's colour.
            const int number = pieceImageResource({kind, side}, 0, ui.humanPlaysBlack);
            const QImage area = bitmaps.inArea(number, qRgb(255, 255, 255));
            for (int i = 0; i < missing; ++i, x += 18) p.drawImage(QRect(x, y, 20, 20), area);
        };
        draw(Pawn, 8 - counts[Pawn]);
        draw(Knight, 2 - counts[Knight]);
        draw(Bishop, 2 - counts[Bishop]);
        draw(Rook, 2 - counts[Rook]);
        draw(Queen, counts[Queen] == 0 ? 1 : 0);
    }
}

void paintBoardWindow(UiState& ui, QImage& screen, PieceBitmaps& bitmaps, const QFont& boardFont) {
    screen.fill(WindowBackground);
    {
        QPainter p(&screen);
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        // The frame runs one pixel outside the squares on every side.
        const PixelRect top = ui.geometry.squareRect(0, 7), bottom = ui.geometry.squareRect(7, 0);
        p.drawRect(top.left - 1, top.top - 1, bottom.right() - top.left + 1, bottom.bottom() - top.top + 1);
    }
    char letter = ui.humanPlaysBlack ? 'H' : 'A';
    char digit = ui.humanPlaysBlack ? '1' : '8';
    const QColor light = colourFromRef(ui.lightSquareColor);
    const QColor dark = colourFromRef(ui.darkSquareColor);
    // Column by column from the left, top to bottom: the order the square
    // names count in.
    for (int x = 0; x < 8; ++x) {
        for (int y = 0; y < 8; ++y) {
            const QRect square = toQRect(ui.geometry.squareRect(y, 7 - x));
            {
                QPainter p(&screen);
                p.fillRect(square, (x + y) % 2 == 0 ? light : dark);
            }
            if (ui.showCoordinates) drawSquareName(screen, boardFont, square, letter, digit, ui.humanPlaysBlack);
        }
    }
    if (ui.game.currentGame) {
        drawCapturedPieces(screen, ui, bitmaps);
        const Material m = countMaterial(ui.game.displayBoard);
        ui.computerScore = m.own;
        ui.playerScore = m.enemy;
        drawPieces(screen, ui, bitmaps);
    }
    const QColor grey = QColor::fromRgb(WindowBackground);
    textOut(screen, boardFont, 509, 8, QStringLiteral("Computer: %1").arg(ui.computerScore), grey);
    textOut(screen, boardFont, 509, 50, QStringLiteral("Player: %1").arg(ui.playerScore), grey);
}

QRect moveDragImage(UiState& ui, QImage& screen, int x, int y) {
    QRect changed;
    if (ui.dragImageShown) {
        blit(screen, ui.dragX, ui.dragY, ui.dragSave, QPainter::CompositionMode_Source);
        changed = QRect(ui.dragX, ui.dragY, PieceArea, PieceArea);
        ui.dragImageShown = false;
    }
    ui.dragX = x;
    ui.dragY = y;
    redrawDragImage(ui, screen);
    return changed.united(QRect(x, y, PieceArea, PieceArea));
}

void redrawDragImage(UiState& ui, QImage& screen) {
    // Save what lies under the image, then compose on a copy of it: the mask
    // turns the piece's shape white, the image (white around the piece) is
    // ANDed in.
    ui.dragSave = screen.copy(ui.dragX, ui.dragY, PieceArea, PieceArea);
    ui.dragCompose = ui.dragSave;
    blit(ui.dragCompose, 0, 0, ui.dragMask, QPainter::RasterOp_SourceOrDestination);
    blit(ui.dragCompose, 0, 0, ui.dragImage, QPainter::RasterOp_SourceAndDestination);
    blit(screen, ui.dragX, ui.dragY, ui.dragCompose, QPainter::CompositionMode_Source);
    ui.dragImageShown = true;
}

}  // namespace orbel
