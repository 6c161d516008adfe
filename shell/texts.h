// The texts of the program's message boxes and status bar.
#pragma once

#include <QtGlobal>

// Marked for translation; text::tr (translation.h) gives them in the
// user's language.
namespace orbel::text {

inline constexpr const char* WhiteToMove = QT_TRANSLATE_NOOP("orbel::text", "White to move");
inline constexpr const char* BlackToMove = QT_TRANSLATE_NOOP("orbel::text", "Black to move");
inline constexpr const char* Check = QT_TRANSLATE_NOOP("orbel::text", "Check!");
inline constexpr const char* CheckMate = QT_TRANSLATE_NOOP("orbel::text", "CheckMate!");
inline constexpr const char* GameOver = QT_TRANSLATE_NOOP("orbel::text", "Game Over");
inline constexpr const char* ComputerResign = QT_TRANSLATE_NOOP("orbel::text", "Computer Resign");
inline constexpr const char* ResignBox = QT_TRANSLATE_NOOP("orbel::text", "Resign!");
inline constexpr const char* InternalError = QT_TRANSLATE_NOOP("orbel::text", "Internal Error");
inline constexpr const char* Error = QT_TRANSLATE_NOOP("orbel::text", "Error");
inline constexpr const char* SaveFailedCaption = QT_TRANSLATE_NOOP("orbel::text", "Save Game");
inline constexpr const char* FatalError =
    QT_TRANSLATE_NOOP("orbel::text", "An error has occurred that will most likely terminate your game.\n\n"
    "Report all errors of this nature to Tessaly (bugs@orbelchess.example)");

// Help > Keyboard: every key of the board, a line each, read line by line
// by a screen reader (no colons or brackets, which it would read out).
inline constexpr const char* KeyboardKeys =
    QT_TRANSLATE_NOOP("orbel::text", "Keys on the board\n"
    "Arrow keys, move the cursor one square; up is away from you\n"
    "Space or Enter, pick up the piece under the cursor, then put it down\n"
    "Escape, put a picked-up piece back, or clear a typed move\n"
    "Type a move and press Enter, for example e4, Nf3, exd5, O-O or e2e4; under standard rules e8=N\n"
    "Backspace, take back the last typed letter\n"
    "F2, the last move again, in full\n"
    "F3, the rank the cursor is on\n"
    "F4, the file the cursor is on\n"
    "F5, the material count\n"
    "F6, your pieces; Shift+F6, your opponent's pieces\n"
    "F7, both clocks in a timed game; F8, pause or resume them at one board\n"
    "Control+Shift+K, Q, R, B, N or P, where the kings, queens, rooks, bishops, knights or pawns stand\n"
    "Page Up and Page Down, step back and forward through the moves; Home and End, the first and the last\n"
    "Control+R, the whole position\n"
    "Control+H, a hint: a chess engine's move for you, said and drawn as an arrow\n"
    "Control+U, undo your last move\n"
    "F10, the menus; F1, this list\n"
    "Options, Announce Moves and Sounds turn the spoken moves and the sounds off and on\n");

}  // namespace orbel::text
