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
    // No application display name: Qt would append it to every window and
    // dialog title. The application and organisation names stay Qt's
    // defaults too; the settings name their store themselves.
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
        std::fprintf(stderr, "%s: one saved game at most, %d given.\n", qPrintable(QCoreApplication::applicationName()),
                     static_cast<int>(games.size()));
        std::exit(1);
    }
    return games.value(0);
}

void startUp(MainWindow& window, const QString& savedGame) {
    if (!savedGame.isEmpty() && loadGameAtStart(window, savedGame)) return;
    window.runStartUpDialog();
}

}  // namespace orbel
