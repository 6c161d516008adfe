// Start-up around the main window: how the program names itself to the
// desktop, its command line, and the first game.
#pragma once

#include <QString>

#include "net/wire/protocol.h"

class QCoreApplication;

namespace orbel {

class MainWindow;

// The names the settings store goes by, the version --version prints, and the
// desktop entry the windows belong to (so launchers group them with the menu
// entry and its icon). Called once, before anything reads a setting.
void setApplicationIdentity();

// Qt opens a display as soon as the application object exists, but --help,
// --version and a mistaken command line need none. When the arguments show
// that the run ends at the command line, or that there is nothing to show a
// game on (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM), this gives Qt its
// minimal platform (no display, nothing asked of the desktop) and returns
// true; readCommandLine then answers them as it does on a display, and the
// caller says there is no display. Call before the application object is made.
bool platformForCommandLine(int argc, char** argv);

// A console login (root over ssh) has no XDG_RUNTIME_DIR; Qt then uses a
// folder of its own in /tmp and warns each time. This names that folder
// before Qt looks, when it is (or can be made) a private folder of this
// user's, and leaves the warning to Qt otherwise. Call before the
// application object is made.
void nameRuntimeFolder();

// What the command line asks for.
struct CommandLine {
    // The saved game to continue, or empty.
    QString savedGame;
    // The port this copy listens on.
    quint16 port = GamePort;
    // Whether the home router is asked to forward the port.
    bool portMapping = true;
};

// Reads the command line: `orbel-chess [--port N] [--no-port-mapping]
// [saved-game]`. --help, --version and --pgn print to standard output and end
// the program; an unknown option, a port that is none (1 to 65535), more than
// one saved game or a --pgn file that holds none prints why to standard error,
// after "orbel-chess: " as every message of the program's, and ends it with
// status 1.
CommandLine readCommandLine(const QCoreApplication& app);

// The last step of start-up, once the window is shown: the named saved game,
// loaded as Load Game loads it; or, with none named or one that cannot be
// loaded, New Game Setup, as the program has always started.
void startUp(MainWindow& window, const QString& savedGame);

}  // namespace orbel
