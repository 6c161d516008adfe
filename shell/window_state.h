// The program-wide user-interface state: one object per main window, touched
// only on the window's (UI) thread. The game itself is the Game's; this is
// how the window shows it and what the window remembers between commands.
#pragma once

#include <QString>
#include <cstdint>

#include "game/clock/time_control.h"
#include "shell/board_geometry.h"
#include "shell/board_look.h"

namespace orbel {

struct WindowState {
    // The path the Save and Load dialogs last chose, shown by the next one;
    // and the same for Export Game (PGN) and Open PGN or FEN.
    QString fileDialogPath;
    QString pgnDialogPath;

    // Look of the board.
    std::uint32_t lightSquareColor = DefaultLightSquareColor;  // 0x00BBGGRR
    std::uint32_t darkSquareColor = DefaultDarkSquareColor;
    int pieceSetIndex = DefaultPieceSet;
    bool showCoordinates = false;
    // The squares' size and where they lie.
    BoardGeometry geometry;

    // The keyboard's square cursor, as the user sees the board. It is drawn
    // only once the keyboard has moved it or played with it, and hidden again
    // by a mouse press, so a mouse user's board looks as it always has.
    Place cursor{6, 4};
    bool cursorShown = false;

    // The piece in the hand follows the mouse: its image's top-left corner
    // at (dragX, dragY), drawn once the mouse has moved with it.
    bool dragging = false;
    bool dragImageShown = false;
    int dragX = 0;
    int dragY = 0;

    // Moves, game ends and the opponent's chat lines are spoken through the
    // live text (Options > Announce Moves).
    bool announceMoves = true;
    bool sounds = true;
    // New games follow standard chess rules (Options > Standard Chess Rules);
    // the game on the board keeps the rules it began with.
    bool standardRules = false;
    // What the next new game gets (Game > Time Control...).
    TimeControl timeControl;
    // The router is asked to let calls in while this is on (Network Play >
    // Accept Calls from the Internet).
    bool acceptInternetCalls = false;
};

}  // namespace orbel
