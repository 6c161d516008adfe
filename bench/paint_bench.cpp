// How long the board takes to draw at device pixel ratios 1, 2 and 3: a full
// repaint (WM_PAINT into the main window's surface) and one frame of a carried
// piece following the mouse. A middlegame position with both last-move frames,
// lost pieces in both strips and the square names shown. Runs on the
// offscreen platform unless told otherwise; the window is never shown, so
// nothing but these calls touches its surface.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

#include "game/board_geometry.h"
#include "game/window_messages.h"
#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/main_window.h"
#include "tests/support/board_text.h"

namespace {

using namespace orbel;

// Own (upper case) is the computer, playing Black; the user plays White.
const Board middlegame = testing::boardFromRows({
    "r...k..r",
    "pp.q.ppp",
    "..n.....",
    "..bpp...",
    "....P.b.",
    "..NP.N..",
    "PP.B.PPP",
    "R..QK..R",
});

QPoint middleOf(int row, int col) {
    const PixelRect r = BoardGeometry{}.squareRect(row, col);
    return QPoint(r.left + r.width / 2, r.top + r.height / 2);
}

// The window's game set to the position, drawn once on a surface of `ratio`.
void prepare(MainWindow& w, qreal ratio) {
    UiState& ui = w.ui();
    if (!ui.game.currentGame) ui.game.newGame(false);
    ui.humanPlaysBlack = false;
    ui.showCoordinates = true;
    ui.game.currentGame->board = middlegame;
    ui.game.syncDisplay();
    ui.game.computerMove = makeMoveRecord(1, 3, 3, 3);
    QImage& surface = w.boardWindow()->surface();
    surface = QImage(static_cast<int>(std::ceil(ClientWidth * ratio)), static_cast<int>(std::ceil(ClientHeight * ratio)),
                     QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    w.dispatch(msg::WM_PAINT);
}

void fullRepaint(benchmark::State& state, MainWindow& w, qreal ratio) {
    prepare(w, ratio);
    for (auto _ : state) {
        w.dispatch(msg::WM_PAINT);
        benchmark::DoNotOptimize(w.boardWindow()->surface().constBits());
    }
}

void dragFrame(benchmark::State& state, MainWindow& w, qreal ratio) {
    prepare(w, ratio);
    // The user's knight, lifted and carried back and forth over the board's
    // middle (pieces, square names and a last-move frame beneath).
    const QPoint from = middleOf(5, 2);
    w.dispatch(msg::WM_LBUTTONDOWN, msg::MK_LBUTTON, msg::makeLParam(from.x(), from.y()));
    const QPoint points[2] = {{200, 230}, {237, 201}};
    // A frame is the move and the window showing it: the area the piece
    // left and the area it entered, painted as the widget paints them.
    const QRegion shown = QRegion(QRect(points[0], QSize(PieceArea, PieceArea)))
                              .united(QRect(points[1], QSize(PieceArea, PieceArea)));
    QImage screen(w.boardWindow()->surface().size(), QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    int i = 0;
    for (auto _ : state) {
        const QPoint p = points[i ^= 1];
        w.dispatch(msg::WM_MOUSEMOVE, msg::MK_LBUTTON, msg::makeLParam(p.x(), p.y()));
        QPainter painter(&screen);
        painter.setClipRegion(shown);
        w.boardWindow()->drawShown(painter);
        benchmark::DoNotOptimize(screen.constBits());
    }
    if (!w.ui().isDragging) state.SkipWithError("the piece was not lifted");
    // Dropped where it came from: no move, nothing for the computer to do.
    w.dispatch(msg::WM_LBUTTONUP, 0, msg::makeLParam(from.x(), from.y()));
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The window reads its settings at start: a fresh folder, never the user's.
    QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    MainWindow window;
    window.seams().box = [](const BoxRequest&) {};
    window.seams().sound = [](int) {};
    for (const int ratio : {1, 2, 3}) {
        benchmark::RegisterBenchmark(("FullRepaint/ratio:" + std::to_string(ratio)).c_str(), fullRepaint,
                                     std::ref(window), qreal(ratio))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("DragFrame/ratio:" + std::to_string(ratio)).c_str(), dragFrame,
                                     std::ref(window), qreal(ratio))
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
