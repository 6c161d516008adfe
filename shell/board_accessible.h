// What a screen reader finds in the drawing area and in the history panes:
// none of it is a widget of its own, it is all drawn, so each part is
// described here from the game's records.
//
// The drawing area is a pane holding the chess board, a table of 64 cells
// named like "e4, white pawn" (rows from the top, columns from the left, as
// the user sees them), and four texts: the two scores and the two strips of
// lost pieces. The cell under the keyboard's cursor is the focused one, and
// each move of the cursor raises a focus event for it. A history pane is a
// list of its lines ("1. e4").
#pragma once

#include <QString>

#include "shell/board_geometry.h"

class QWidget;

namespace orbel {

class BoardWindow;

// The drawing area's parts, as the main window answers for them.
class BoardReading {
public:
    virtual ~BoardReading() = default;
    // The square at a place of the drawn board: "e4, white pawn".
    virtual QString squareText(Place place) = 0;
    // The score line's texts and the lost pieces' strips, top to bottom.
    virtual QString sideText(int index) = 0;
    static constexpr int SideTexts = 4;
    // Where the keyboard's cursor stands.
    virtual Place cursor() = 0;
    // A square chosen by a reader (the cell's press action): as if the user
    // moved the cursor there and pressed Space.
    virtual void activateSquare(Place place) = 0;
};

// The board's accessible table is named so: readers find it by this name.
inline constexpr const char* BoardName = QT_TRANSLATE_NOOP("orbel::BoardAccessible", "Chess board");

// Installs the factory that makes these descriptions (once per program).
void installBoardAccessibility();

// The cursor moved, or the board took the focus: the cell under the cursor
// becomes the focused one.
void cursorCellFocused(BoardWindow& board);

}  // namespace orbel
