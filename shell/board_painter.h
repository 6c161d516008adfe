// Painting the main window's drawing area: the board and its frame, the
// square names, the pieces, the frame of the opponent's last move, the
// material scores and the strips of lost pieces; and the piece the mouse
// carries, drawn over all of it. Everything is drawn into a QImage that
// stands for the window's surface. The surface holds device pixels (its
// devicePixelRatio says how many to a logical one); positions and sizes are
// logical, the pieces are drawn on device pixels from artwork drawn for the
// ratio. Painting reads what it is given and changes none of it.
#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>

#include "game/clock/clock_text.h"
#include "shell/piece_bitmaps.h"
#include "shell/window_state.h"

namespace orbel {

inline constexpr int ClientWidth = 769;
// The board's eight squares with its margin above and below.
inline constexpr int ClientHeight = BoardTop + 8 * SquareSize + BoardTop;
inline constexpr QRgb WindowBackground = 0xFFBEBEBE;  // RGB 190,190,190

// A side's clock as the score line shows it.
struct ClockFace {
    std::int64_t ms = 0;
    bool running = false;
};

// What the drawing area shows of the game, made by the window from it: the
// pieces as they stand (the one in the user's hand lifted off its square),
// the side at the bottom, the squares of the opponent's last move, framed in
// red, and the names on the score line.
struct BoardScene {
    bool gameExists = false;
    std::array<Piece, 64> pieces{};
    Side bottom = Side::White;
    int frameFrom = -1;
    int frameTo = -1;
    // A hint's move, drawn as an arrow (-1: none).
    int hintFrom = -1;
    int hintTo = -1;
    // The top side's player and the bottom side's: "Computer" and "Player",
    // or in a network game the opponent's nickname and "You".
    QString topName = QCoreApplication::translate("orbel::BoardScene", "Computer");
    QString bottomName = QCoreApplication::translate("orbel::BoardScene", "Player");
    // The game was drawn: each side's line ends with its half point.
    bool drawn = false;
    // A timed game's clocks, by side.
    std::optional<std::array<ClockFace, 2>> clocks;

    Side top() const { return other(bottom); }
};

// A stored colour (0x00BBGGRR) as a Qt colour.
QColor colourFromRef(std::uint32_t colorref);

// Where the score lines and the strips of lost pieces start.
inline constexpr int ScoreLeft = 509;

// The material a side has on the drawn board (none before the first game).
int shownScore(const BoardScene& scene, Side side);
// A score line's text: "Computer: 39" for the top side, "Player: 39" for the
// bottom one, "Player: 39 ½" once the game is drawn. As painted, a long
// nickname is cut to fit.
QString scoreText(const BoardScene& scene, Side side);
QString paintedScoreText(const BoardScene& scene, Side side, const QFont& boardFont);

// Where a side's clock stands: at the right end of its score line. Both
// clocks lie within clocksArea.
QRect clockArea(const BoardScene& scene, Side side, const QFont& boardFont);
QRect clocksArea(const QFont& boardFont);
// Paints both clocks of a timed game (nothing for an untimed one): the
// running one in a white box, one under TenthsBelowMs white on dark red.
void paintClocks(const BoardScene& scene, QImage& screen, const QFont& boardFont);

// The strip of one side's lost pieces: how many images of each kind, in the
// order they are drawn (pawns, knights, bishops, rooks, the queen).
struct LostPieces {
    PieceKind kind;
    int count;
};
std::array<LostPieces, 5> shownLostPieces(const BoardScene& scene, Side side);

// Paints the whole drawing area into `screen` (ClientWidth x ClientHeight
// logical pixels), with one painter.
void paintBoardWindow(const BoardScene& scene, const WindowState& look, QImage& screen, PieceBitmaps& bitmaps,
                      const QFont& boardFont);

// One paint pass over a surface: its device pixels as an image of ratio 1
// that shares its memory, and one painter on them drawing logical
// coordinates through a scale.
struct PaintPass {
    explicit PaintPass(QImage& screen);
    const qreal ratio;
    QImage device;
    QPainter painter;
};

// The parts of a repaint.
void drawPieces(PaintPass& pass, const BoardScene& scene, const WindowState& look, PieceBitmaps& bitmaps);
void drawCapturedPieces(PaintPass& pass, const BoardScene& scene, PieceBitmaps& bitmaps);
// Draws one square name and advances the letter and digit to the next square's.
void drawSquareName(QPainter& painter, const QFont& font, const QRect& square, char& letter, char& digit,
                    Side bottom);
// The same on an image of its own (ratio 1).
void drawSquareName(QImage& screen, const QFont& font, const QRect& square, char& letter, char& digit, Side bottom);

// The keyboard's cursor: a frame of two rings just inside the square's edge,
// black outside and white inside. One of the two stands out by at least 4.5:1
// on any colour a square can have, so it shows on every pair of square
// colours the user can pick.
void drawSquareCursor(QPainter& painter, const WindowState& look);
// The area the cursor frame covers.
QRect squareCursorArea(const WindowState& look);

// Where the carried piece image `piece` (device pixels at `ratio`) is drawn:
// its top-left corner at the mouse, in logical pixels.
QRect carriedPieceArea(const WindowState& look, const QImage& piece, qreal ratio);
// Draws the carried piece over what the painter shows, once the mouse has
// moved with it.
void drawCarriedPiece(QPainter& painter, const WindowState& look, const QImage& piece);

}  // namespace orbel
