// Plays the opening of a game through the real window (mouse drags, the
// computer answering) and saves what the screen shows of the window.
// Run under Xvfb by tools/screenshot.sh. A second and third argument show it
// in a language, from a folder of translations (the tests' pseudo-languages:
// make_screenshot rtl.png ar_XB build/tests/i18n).
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "shell/board_geometry.h"
#include "shell/board_window.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/resource_ids.h"
#include "shell/translation.h"
#include "tests/support/scripted_play.h"

namespace {

using namespace orbel;

// A square of the computer's board (row 0 at the top, column 0 at the
// right edge, as the user playing White sees it).
QPoint pointOf(int row, int col) {
    const PixelRect square = BoardGeometry{}.squareRect({row, 7 - col});
    return QPoint(square.left + square.width / 2, square.top + square.height / 2);
}

void drag(MainWindow& w, MoveRecord m) {
    QTest::mousePress(w.boardWindow(), Qt::LeftButton, Qt::NoModifier, pointOf(m.fromRow, m.fromCol));
    QTest::mouseRelease(w.boardWindow(), Qt::LeftButton, Qt::NoModifier, pointOf(m.toRow, m.toCol));
    if (!QTest::qWaitFor([&] { return !w.computer().thinking(); }, 20000)) std::fprintf(stderr, "no answer\n");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshot.png");
    if (argc > 3) installTranslations(app, {QString::fromLocal8Bit(argv[2])}, QString::fromLocal8Bit(argv[3]));
    MainWindow window;
    window.seams().dialog = [](QDialog& d) {
        if (auto* setup = dynamic_cast<NewGameSetupDialog*>(&d)) {
            setup->radio(ctl::White)->click();
            setup->radio(ctl::Hard)->click();
            setup->okButton()->click();
        }
        return d.result();
    };
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    window.runStartUpDialog();

    // An ordinary opening for the user (White); a move the computer's answers
    // made impossible is replaced by the first legal one.
    const MoveRecord plan[] = {makeMoveRecord(6, 3, 4, 3), makeMoveRecord(7, 1, 5, 2), makeMoveRecord(7, 2, 4, 5),
                               makeMoveRecord(6, 4, 5, 4), makeMoveRecord(7, 3, 7, 1), makeMoveRecord(6, 5, 5, 5)};
    for (const MoveRecord& m : plan) {
        const int before = window.lists().list(Side::White).count;
        drag(window, m);
        if (window.lists().list(Side::White).count == before)
            drag(window, testing::firstLegalUserMove(*window.game().seat().game()));
    }
    QTest::qWait(200);
    const QPixmap shot = window.screen()->grabWindow(0, window.frameGeometry().x(), window.frameGeometry().y(),
                                                     window.frameGeometry().width(), window.frameGeometry().height());
    if (!shot.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("wrote %s (%dx%d)\n", qPrintable(out), shot.width(), shot.height());
    return 0;
}
