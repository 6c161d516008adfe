// orbel-chess: the game.
#include <QApplication>

#include "game/window_messages.h"
#include "shell/main_window.h"
#include "shell/start_up.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orbel::setApplicationIdentity();
    const QString savedGame = orbel::savedGameFromCommandLine(app);
    orbel::MainWindow window;
    // A second copy on this machine finds the port taken: it says so and
    // plays on without network games.
    if (!window.network().setUpListening(orbel::GamePort)) window.enableCommand(orbel::cmd::DirectNetworkGame, false);
    window.show();
    orbel::startUp(window, savedGame);
    return app.exec();
}
