#include "shell/start_up.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "shell/game_files.h"
#include "shell/main_window.h"

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

QString savedGameFromCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Orbel Chess: a chess game against the computer, a friend at the "
                                                    "same machine, or a friend across the Internet."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("saved-game"),
                                 QStringLiteral("A saved game (*.KRV) to continue at start, as Load Game would."),
                                 QStringLiteral("[saved-game]"));
    parser.process(app);  // --help, --version and unknown options end here
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
