// The program-wide user-interface state: one object per main window, touched
// only on the window's (UI) thread. The names are the ones the rest of the
// program uses for them.
#pragma once

#include <QString>
#include <cstdint>

#include "game/board_look.h"
#include "game/board_geometry.h"
#include "game/game_record.h"

namespace orbel {

enum class PlayMode { OnePlayer, TwoPlayer, Network };

struct UiState {
    // The game, the drawn board, the piece in hand, both sides' last moves,
    // the user's castling rights and the written moves.
    GameRecord game;

    bool humanPlaysBlack = true;
    // How the game on the board was begun; it stays so once the game is
    // over and its last position still shows.
    PlayMode gameMode = PlayMode::OnePlayer;
    bool isDragging = false;
    bool computerThinking = false;
    bool dragImageShown = false;

    // Network play: the local player may pick up a piece; the opponent's
    // nickname as shown (empty in other games).
    bool myTurn = false;
    QString opponentName;

    // Two-player play.
    bool whiteToMove = true;
    bool whiteCanCastleShort = true;
    bool whiteCanCastleLong = true;
    bool blackCanCastleShort = true;
    bool blackCanCastleLong = true;

    // The path the Save and Load dialogs last chose, shown by the next one;
    // and the same for Export Game (PGN) and Open PGN or FEN.
    QString fileDialogPath;
    QString pgnDialogPath;

    // Look of the board.
    std::uint32_t lightSquareColor = DefaultLightSquareColor;  // 0x00BBGGRR
    std::uint32_t darkSquareColor = DefaultDarkSquareColor;
    int pieceSetIndex = DefaultPieceSet;
    bool showCoordinates = false;
    // The squares' size and where they lie (squareWidth, squareHeight).
    BoardGeometry geometry;

    // Drag feedback: the carried piece is drawn with its image's top-left
    // corner at (dragX, dragY), once the mouse has moved with it.
    int dragX = 0;
    int dragY = 0;

    // The keyboard's square cursor, in the drawn board's coordinates (the
    // user's side at the bottom). It is drawn only once the keyboard has
    // moved it or played with it, and hidden again by a mouse press, so a
    // mouse user's board looks as it always has.
    int cursorRow = 6;
    int cursorCol = 3;
    bool cursorShown = false;

    // Moves, game ends and the opponent's chat lines are spoken through the
    // live text (Options > Announce Moves).
    bool announceMoves = true;
};

}  // namespace orbel
