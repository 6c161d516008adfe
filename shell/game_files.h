// Save Game and Load Game: the file dialogs and the bytes to and from disk.
// The file's layout is the saved-game format's business (savegame/).
#pragma once

#include <QString>

namespace orbel {

class MainWindow;

// Writes the game shown in the window to `path`, replacing the file only when
// every byte has been written. A failure is told to the user; false then.
bool saveGame(MainWindow& window, const QString& path);
// Reads the game at `path` (a missing or unreadable file reads as empty)
// and continues it against the computer.
void loadGame(MainWindow& window, const QString& path);

// The Save Game and Load Game commands: the dialog, then the file.
void runSaveGameCommand(MainWindow& window);
void runLoadGameCommand(MainWindow& window);

// A saved game named when the program starts: loaded exactly as Load Game
// loads the path its dialog returns, and remembered as that dialog's last
// path. A file that cannot be opened, or whose board cannot be read, is no
// game to continue: the user is told why, nothing changes, and false is
// returned.
bool loadGameAtStart(MainWindow& window, const QString& path);

}  // namespace orbel
