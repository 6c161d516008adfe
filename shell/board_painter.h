// Painting the main window's drawing area: the board and its frame, the
// square names, the pieces of displayBoard with the mask-and-image raster
// operations, the frames of the opponent's last move, the material scores and
// the strips of lost pieces; and the drag feedback of a carried piece.
// Everything is drawn into a QImage that stands for the window's surface. The
// surface holds device pixels (its devicePixelRatio says how many to a
// logical one); positions and sizes are logical, the raster operations are
// done on device pixels with artwork drawn for the ratio.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>

#include "game/ui_state.h"
#include "shell/piece_bitmaps.h"

namespace orbel {

inline constexpr int ClientWidth = 769;
// The board's eight squares with its margin above and below.
inline constexpr int ClientHeight = BoardTop + 8 * SquareSize + BoardTop;
inline constexpr QRgb WindowBackground = 0xFFBEBEBE;  // RGB 190,190,190

// A stored colour (0x00BBGGRR) as a Qt colour.
QColor colourFromRef(std::uint32_t colorref);

// Paints the whole drawing area into `screen` (ClientWidth x ClientHeight
// logical pixels), with one painter.
void paintBoardWindow(UiState& ui, QImage& screen, PieceBitmaps& bitmaps, const QFont& boardFont);

// One paint pass over a surface: its device pixels as an image of ratio 1
// that shares its memory, and one painter on them drawing logical
// coordinates through a scale. The raster operations reach the pixels
// directly.
struct PaintPass {
    explicit PaintPass(QImage& screen);
    const qreal ratio;
    QImage device;
    QPainter painter;
};

// The parts of a repaint; `bitmaps` is set to the surface's ratio.
void drawPieces(PaintPass& pass, const UiState& ui, PieceBitmaps& bitmaps);
void drawCapturedPieces(PaintPass& pass, const UiState& ui, PieceBitmaps& bitmaps);
// Draws one square name and advances the letter and digit to the next square's.
void drawSquareName(QPainter& painter, const QFont& font, const QRect& square, char& letter, char& digit,
                    bool humanPlaysBlack);
// The same on an image of its own (ratio 1).
void drawSquareName(QImage& screen, const QFont& font, const QRect& square, char& letter, char& digit,
                    bool humanPlaysBlack);

// The carried piece follows the mouse: puts back what the image covered, then
// saves and covers the area whose top-left corner is (x, y). Returns the
// rectangle of the screen that changed, in logical pixels.
QRect moveDragImage(UiState& ui, QImage& screen, int x, int y);
// After the screen was repainted under a shown drag image: draw it again.
void redrawDragImage(UiState& ui, QImage& screen);

}  // namespace orbel
