#include "shell/start_up.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/main_window.h"
#include "shell/pgn_files.h"

namespace orbel {

void setApplicationIdentity() {
    // The per-user settings store is named after these two (a plain QSettings
    // anywhere in the program finds it); no display name, which Qt would
    // append to every window and dialog title.
    // untranslated: the settings' folder is named by these, in every language
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly"));
    QCoreApplication::setApplicationName(QStringLiteral("Orbel Chess"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORBEL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ORBEL_APP_ID));
}

namespace {

QString trCommandLine(const char* text) { return QCoreApplication::translate("orbel::CommandLine", text); }

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(trCommandLine(QT_TRANSLATE_NOOP("orbel::CommandLine",
                                                                     "Orbel Chess: a chess game against the computer, "
                                                                     "a friend at the same machine, or a friend across "
                                                                     "the Internet.")));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("port"),
                      trCommandLine(QT_TRANSLATE_NOOP("orbel::CommandLine",
                                                      "Listen for network games on <port> instead of %1 (a second "
                                                      "copy on one machine, or a network that blocks %1); callers "
                                                      "then name it as host:<port>."))
                          .arg(GamePort),
                      //: The name of the option's value in --help, as in --port <port>.
                      trCommandLine(QT_TRANSLATE_NOOP("orbel::CommandLine", "port"))});
    parser.addOption({QStringLiteral("no-port-mapping"),
                      trCommandLine(QT_TRANSLATE_NOOP("orbel::CommandLine", "Do not ask the home router (UPnP) to "
                                                                            "forward the port to this computer."))});
    parser.addPositionalArgument(trCommandLine(QT_TRANSLATE_NOOP("orbel::CommandLine", "saved-game")),
                                 trCommandLine(QT_TRANSLATE_NOOP("orbel::CommandLine", "A saved game (*.KRV) to "
                                                                 "continue at start, as Load Game would.")),
                                 trCommandLine(QT_TRANSLATE_NOOP("orbel::CommandLine", "[saved-game]")));
    parser.addOption({QStringLiteral("pgn"),
                      trCommandLine(QT_TRANSLATE_NOOP("orbel::CommandLine", "Print the saved game's position as "
                                                                            "FEN and as a PGN header, then exit.")),
                      trCommandLine(QT_TRANSLATE_NOOP("orbel::CommandLine", "saved-game"))});
}

// Where Qt could open a window at all: an X or Wayland display, or a
// platform named by the user.
bool displayNamed(const QStringList& arguments) {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || arguments.contains(QStringLiteral("-platform")) ||
           arguments.contains(QStringLiteral("--platform"));
}

// The port the command line names: GamePort when it names none, 0 when what
// it names is no port.
quint16 portOf(const QCommandLineParser& parser) {
    if (!parser.isSet(QStringLiteral("port"))) return GamePort;
    bool number = false;
    const uint port = parser.value(QStringLiteral("port")).toUInt(&number);
    return number && port >= 1 && port <= 65535 ? static_cast<quint16>(port) : 0;
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
                   parser.positionalArguments().size() > 1 || portOf(parser) == 0 || !displayNamed(arguments);
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

void nameRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const QByteArray folder = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(getuid());
    mkdir(folder.constData(), 0700);
    // Only a folder of this user's that nobody else may enter: anything else
    // in its place is left for Qt to refuse.
    struct stat seen {};
    if (lstat(folder.constData(), &seen) != 0 || !S_ISDIR(seen.st_mode) || seen.st_uid != getuid() ||
        (seen.st_mode & 0777) != 0700)
        return;
    qputenv("XDG_RUNTIME_DIR", folder);
}

CommandLine readCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    describeCommandLine(parser);
    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "orbel-chess: %s\n", qPrintable(parser.errorText()));
        std::exit(1);
    }
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) parser.showHelp();
    if (parser.isSet(QStringLiteral("pgn"))) std::exit(printSavedGameAsPgn(parser.value(QStringLiteral("pgn"))));
    const QStringList games = parser.positionalArguments();
    if (games.size() > 1) {
        // One window plays one game; guessing which was meant would be worse.
        std::fprintf(stderr, "orbel-chess: %s\n",
                     qPrintable(trCommandLine(QT_TRANSLATE_NOOP("orbel::CommandLine",
                                                                "one saved game at most, %1 given."))
                                    .arg(games.size())));
        std::exit(1);
    }
    CommandLine line;
    line.savedGame = games.value(0);
    line.port = portOf(parser);
    if (line.port == 0) {
        std::fprintf(stderr, "orbel-chess: %s\n",
                     qPrintable(trCommandLine(QT_TRANSLATE_NOOP("orbel::CommandLine", "--port takes a port number "
                                                                                      "from 1 to 65535, not '%1'."))
                                    .arg(parser.value(QStringLiteral("port")))));
        std::exit(1);
    }
    line.portMapping = !parser.isSet(QStringLiteral("no-port-mapping"));
    return line;
}

void startUp(MainWindow& window, const QString& savedGame) {
    if (!savedGame.isEmpty() && window.loadGameAtStart(savedGame)) return;
    window.runStartUpDialog();
}

}  // namespace orbel
