// The yardstick for the game's start-up: a bare Qt window with a menu bar and
// a status bar, shown and left to its event loop.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    for (const char* title : {"&File", "&Game", "&Options", "&Network Play", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("&Item"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(775, 552);
    window.show();
    return app.exec();
}
