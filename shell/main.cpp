// orbel-chess: the game.
#include <QApplication>
#include <cstdio>

#include "shell/main_window.h"
#include "shell/start_up.h"
#include "shell/translation.h"

int main(int argc, char** argv) {
    orbel::nameRuntimeFolder();
    const bool noDisplay = orbel::platformForCommandLine(argc, argv);
    QApplication app(argc, argv);
    orbel::setApplicationIdentity();
    orbel::installTranslations(app, orbel::wantedLanguages());
    const orbel::CommandLine line = orbel::readCommandLine(app);
    if (noDisplay) {
        // The unknown options were Qt's own: a game is wanted, with nothing to show it on.
        const QString none = QCoreApplication::translate("orbel::CommandLine",
                                                         "no display to show the game on (none of DISPLAY, "
                                                         "WAYLAND_DISPLAY or QT_QPA_PLATFORM is set).");
        std::fprintf(stderr, "orbel-chess: %s\n", qPrintable(none));
        return 1;
    }
    orbel::MainWindow window;
    // A second copy on this machine finds the port taken: it says so and
    // plays on without network games.
    if (!window.network().setUpListening(line.port)) {
        window.commands().setEnabled(orbel::Command::DirectNetworkGame, false);
    } else if (line.portMapping) {
        orbel::PortMapOptions router;
        router.helperPath = orbel::findPortMapHelper(QCoreApplication::applicationDirPath().toStdString());
        router.port = window.network().listeningPort();
        if (!router.helperPath.empty()) window.allowPortMapping(std::move(router));
    }
    window.show();
    orbel::startUp(window, line.savedGame);
    return app.exec();
}
