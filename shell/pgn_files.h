// Games in and out for other chess programs: File > Export Game (PGN), Copy
// Game as PGN, Copy Position as FEN, Open PGN or FEN and Paste Position or
// Game, and the command line's --pgn. The formats are savegame/'s (pgn.h,
// fen.h); this moves their text to and from files and the clipboard.
#pragma once

#include <QByteArray>
#include <QString>

namespace orbel {

class MainWindow;

// Larger files and pasted texts are refused unread: far beyond any game.
inline constexpr qsizetype MaxGameTextBytes = 1 << 20;

// The game on the board as PGN, into a file the user chooses or onto the
// clipboard; the position reached as FEN onto the clipboard. An export that
// stops before a move standard chess forbids says so in a box.
void runExportGameCommand(MainWindow& window);
void copyGameAsPgn(MainWindow& window);
void copyPositionAsFen(MainWindow& window);

// A game against the computer, at the level in use, from a PGN's first game
// or a FEN, read from a file the user chooses or from the clipboard (see
// startImportedGame). Text that holds none this program can play is refused
// with a box naming why, and the game on the board stays as it was.
void runOpenGameTextCommand(MainWindow& window);
void pastePositionOrGame(MainWindow& window);
bool openGameFile(MainWindow& window, const QString& path);

// `orbel-chess --pgn saved-game.KRV`: the saved position as FEN, a blank
// line, then a PGN header with SetUp and FEN and no moves, on standard
// output. Returns the exit status: 0, or 1 with the reason on standard error
// when the file cannot be read or holds no saved game.
int printSavedGameAsPgn(const QString& path);

}  // namespace orbel
