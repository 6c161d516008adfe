// orbel-chess: the game.
#include <QApplication>

#include "shell/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orbel::MainWindow window;
    window.show();
    window.runStartUpDialog();
    return app.exec();
}
