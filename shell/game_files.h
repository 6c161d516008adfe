// Save Game and Load Game: the file dialogs and the bytes to and from disk.
// The file's layout is the saved-game format's business (savegame/).
#pragma once

#include <QByteArray>
#include <QString>

class QFileDialog;

namespace orbel {

class ModalRunner;
class MoveLists;
class Table;
struct SavedGame;
struct WindowState;

// The game on the board as the file commands see it: its players and its
// written lists.
struct BoardGame {
    Table& table;
    MoveLists& lists;
};

// Runs a file dialog set up by the caller, showing `lastPath` first (with
// none, the user's documents folder): the
// path chosen, remembered as `lastPath` too; false when none was.
bool runFileDialog(const ModalRunner& modal, QFileDialog& dialog, QString& lastPath, QString& path);

// Puts `data` into the file at `path`, replacing it only once every byte has
// been written. A failure is told to the user in a box: `failure` with the
// path and the reason for %1 and %2, under `caption`; false then.
bool writeWholeFile(const ModalRunner& modal, const QString& path, const QByteArray& data, const QString& failure,
                    const QString& caption);

// What a save of the game on the board writes.
SavedGame savedGameOf(const BoardGame& game);
// Writes the game on the board to `path`, replacing the file only when every
// byte has been written. A failure is told to the user; false then.
bool saveGame(const ModalRunner& modal, const BoardGame& game, const QString& path);

// The Save Game and Load Game commands: the dialog, then the file. A game
// loaded is continued against the computer. The path saved or loaded, or ""
// when the user cancelled or the save failed.
QString runSaveGameCommand(const ModalRunner& modal, WindowState& state, const BoardGame& game);
QString runLoadGameCommand(const ModalRunner& modal, WindowState& state, const BoardGame& game);

// A saved game named when the program starts: loaded exactly as Load Game
// loads the path its dialog returns, and remembered as that dialog's last
// path. A file that cannot be opened, or whose board cannot be read, is no
// game to continue: the user is told why, nothing changes, and false is
// returned.
bool loadGameAtStart(const ModalRunner& modal, WindowState& state, const BoardGame& game, const QString& path);

// The saved game at `path`, its bytes (the first megabyte) and what they
// hold over `game`'s values: "" when the file holds a game's board at least;
// otherwise why it is no game to continue.
QString readSavedGameFile(const QString& path, QByteArray& data, SavedGame& game);

}  // namespace orbel
