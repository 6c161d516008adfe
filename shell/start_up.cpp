#include "shell/start_up.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "shell/game_files.h"
#include "shell/main_window.h"
#include "shell/pgn_files.h"

namespace orbel {

void setApplicationIdentity() {
    // The per-user settings store is named after these two (a plain QSettings
    // anywhere in the program finds it); no display name, which Qt would
    // append to every window and dialog title.
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly"));
    QCoreApplication::setApplicationName(QStringLiteral("Orbel Chess"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORBEL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ORBEL_APP_ID));
}

namespace {

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Orbel Chess: a chess game against the computer, a friend at the "
                                                    "same machine, or a friend across the Internet."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("saved-game"),
                                 QStringLiteral("A saved game (*.KRV) to continue at start, as Load Game would."),
                                 QStringLiteral("[saved-game]"));
    parser.addOption({QStringLiteral("pgn"),
                      QStringLiteral("Print the saved game's position as FEN and as a PGN header, then exit."),
                      QStringLiteral("saved-game")});
}

// Where Qt could open a window at all: an X or Wayland display, or a
// platform named by the user.
bool displayNamed(const QStringList& arguments) {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || arguments.contains(QStringLiteral("-platform")) ||
           arguments.contains(QStringLiteral("--platform"));
}

}  // namespace

bool platformForCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describeCommandLine(parser);
    bool endsHere = false;
    if (parser.parse(arguments)) {
        endsHere = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
                   parser.isSet(QStringLiteral("version")) || parser.isSet(QStringLiteral("pgn")) ||
                   parser.positionalArguments().size() > 1;
    } else {
        // An unknown option may be one of Qt's own (-style, -reverse, ...),
        // which the application object takes off the command line and which
        // need the display the game is shown on. Without one the game could
        // not be shown anyway, and the command line is judged without one.
        endsHere = !displayNamed(arguments);
    }
    if (endsHere) qputenv("QT_QPA_PLATFORM", "minimal");
    return endsHere;
}

QString savedGameFromCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);  // --help, --version and unknown options end here
    if (parser.isSet(QStringLiteral("pgn"))) std::exit(printSavedGameAsPgn(parser.value(QStringLiteral("pgn"))));
    const QStringList games = parser.positionalArguments();
    if (games.size() > 1) {
        // One window plays one game; guessing which was meant would be worse.
        std::fprintf(stderr, "orbel-chess: one saved game at most, %d given.\n", static_cast<int>(games.size()));
        std::exit(1);
    }
    return games.value(0);
}

void startUp(MainWindow& window, const QString& savedGame) {
    if (!savedGame.isEmpty() && loadGameAtStart(window, savedGame)) return;
    window.runStartUpDialog();
}

}  // namespace orbel
