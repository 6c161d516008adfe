// The program-wide user-interface state: one object per main window, touched
// only on the window's (UI) thread. The names are the ones the rest of the
// program uses for them.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

#include "game/board_look.h"
#include "game/board_geometry.h"
#include "game/game_record.h"
#include "rules/check.h"

namespace orbel {

struct UiState {
    // The game, the drawn board, the piece in hand, both sides' last moves,
    // the user's castling rights and the written moves.
    GameRecord game;

    bool humanPlaysBlack = true;
    bool isDragging = false;
    bool computerThinking = false;
    bool dragImageShown = false;

    // Network play: the local player may pick up a piece.
    bool myTurn = false;

    // Two-player play.
    bool whiteToMove = true;
    bool whiteCanCastleShort = true;
    bool whiteCanCastleLong = true;
    bool blackCanCastleShort = true;
    bool blackCanCastleLong = true;
    // The check test after a two-player move; tests put a failing one here.
    bool (*twoPlayerCheckTest)(const Board&) = isOwnKingAttacked;

    // The path the Save and Load dialogs last chose, shown by the next one.
    QString fileDialogPath;

    // Look of the board.
    std::uint32_t lightSquareColor = DefaultLightSquareColor;  // 0x00BBGGRR
    std::uint32_t darkSquareColor = DefaultDarkSquareColor;
    int pieceSetIndex = DefaultPieceSet;
    bool showCoordinates = false;
    // The squares' size and where they lie (squareWidth, squareHeight).
    BoardGeometry geometry;

    // Material scores as last painted (shown while there is no game).
    int computerScore = 0;
    int playerScore = 0;

    // Drag feedback: the carried piece's image and mask, the screen area under
    // the drawn image, the area where it is composed, and where it is drawn.
    // The images hold the device pixels of a 60x60 logical area at the
    // surface's ratio; dragX and dragY are logical.
    QImage dragImage;
    QImage dragMask;
    QImage dragSave;
    QImage dragCompose;
    int dragX = 0;
    int dragY = 0;
};

}  // namespace orbel
