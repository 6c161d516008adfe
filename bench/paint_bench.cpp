// How long the board takes to draw at device pixel ratios 1, 2 and 3: a full
// repaint (WM_PAINT into the main window's surface), one frame of a carried
// piece following the mouse, and one tick of a running clock; and how often
// a running clock wakes the program, above ten seconds and below. A middlegame position with both last-move frames,
// lost pieces in both strips and the square names shown. Runs on the
// offscreen platform unless told otherwise; the window is never shown, so
// nothing but these calls touches its surface.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

#include "game/clock/clocks.h"
#include "rules/held_frame.h"
#include "rules/standard_moves.h"
#include "shell/board_geometry.h"
#include "shell/board_painter.h"
#include "shell/board_window.h"
#include "shell/main_window.h"
#include "shell/resource_ids.h"
#include "tests/support/board_text.h"

namespace {

using namespace orbel;

// The computer (upper case, the board held from its side) plays Black; the
// user plays White.
StandardPosition middlegame() {
    const Board held = testing::boardFromRows({
        "r...k..r",
        "pp.q.ppp",
        "..n.....",
        "..bpp...",
        "....P.b.",
        "..NP.N..",
        "PP.B.PPP",
        "R..QK..R",
    });
    return standardPosition(held, Side::Black, Side::White, {}, {}, 1);
}

QPoint middleOf(Place place) {
    const PixelRect r = BoardGeometry{}.squareRect(place);
    return QPoint(r.left + r.width / 2, r.top + r.height / 2);
}

void mouse(MainWindow& w, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(w.boardWindow()->mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.boardWindow(), &event);
}

void paint(MainWindow& w) { paintBoardWindow(w.scene(), w.state(), w.boardWindow()->surface(), w.bitmaps(), w.boardFont()); }

// The window's game set to the position, with square names and the last
// move's frame (the computer's answer to e2-e4), drawn once on a surface of
// `ratio`.
void prepare(MainWindow& w, qreal ratio) {
    if (!w.game().exists()) {
        w.table().startOnePlayer(Side::White, LevelEasy);
        const QPoint e2 = middleOf({6, 4}), e4 = middleOf({4, 4});
        mouse(w, QEvent::MouseButtonPress, e2);
        mouse(w, QEvent::MouseButtonRelease, e4);
        while (w.computer().thinking()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    w.game().arrange(middlegame());
    w.state().showCoordinates = true;
    QImage& surface = w.boardWindow()->surface();
    surface = QImage(static_cast<int>(std::ceil(ClientWidth * ratio)), static_cast<int>(std::ceil(ClientHeight * ratio)),
                     QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    paint(w);
}

void fullRepaint(benchmark::State& state, MainWindow& w, qreal ratio) {
    prepare(w, ratio);
    for (auto _ : state) {
        paint(w);
        benchmark::DoNotOptimize(w.boardWindow()->surface().constBits());
    }
}

void dragFrame(benchmark::State& state, MainWindow& w, qreal ratio) {
    prepare(w, ratio);
    // The user's knight, lifted and carried back and forth over the board's
    // middle (pieces, square names and a last-move frame beneath).
    const QPoint from = middleOf({5, 5});
    mouse(w, QEvent::MouseButtonPress, from);
    const QPoint points[2] = {{200, 230}, {237, 201}};
    // A frame is the move and the window showing it: the area the piece
    // left and the area it entered, painted as the widget paints them.
    const QRegion shown = QRegion(QRect(points[0], QSize(PieceArea, PieceArea)))
                              .united(QRect(points[1], QSize(PieceArea, PieceArea)));
    QImage screen(w.boardWindow()->surface().size(), QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    int i = 0;
    for (auto _ : state) {
        mouse(w, QEvent::MouseMove, points[i ^= 1]);
        QPainter painter(&screen);
        painter.setClipRegion(shown);
        w.boardWindow()->drawShown(painter);
        benchmark::DoNotOptimize(screen.constBits());
    }
    if (!w.hand().holding()) state.SkipWithError("the piece was not lifted");
    // Dropped where it came from: no move, nothing for the computer to do.
    mouse(w, QEvent::MouseButtonRelease, from);
}

// A tick: both clocks painted onto the surface, and the window showing
// their area, as the window does ten times a second in low time.
void clockTick(benchmark::State& state, MainWindow& w, qreal ratio) {
    prepare(w, ratio);
    BoardScene scene = w.scene();
    scene.clocks = {{{9'400, true}, {52'000, false}}};
    const QRect area = clocksArea(w.boardFont());
    QImage screen(w.boardWindow()->surface().size(), QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        scene.clocks->front().ms -= 100;
        paintClocks(scene, w.boardWindow()->surface(), w.boardFont());
        QPainter painter(&screen);
        painter.setClipRect(area);
        w.boardWindow()->drawShown(painter);
        benchmark::DoNotOptimize(screen.constBits());
    }
}

// The wakes of a game's running clock over two seconds of real time, with
// `left` ms on it: the timer's own, as the window's event loop sees them.
void clockWakes(benchmark::State& state, std::int64_t left) {
    Game game;
    Clocks clocks(game);
    QElapsedTimer steady;
    steady.start();
    std::int64_t skipped = 0;
    clocks.setNow([&] { return steady.elapsed() + skipped; });
    clocks.setNextControl(*readTimeControl("60"));
    game.begin(Side::Black);
    std::vector<StandardMove> moves;
    legalMoves(game.position(), moves);
    game.play(moves.front(), Side::White, PlayerKind::AtBoard);
    skipped = 60'000 - left;
    clocks.check();
    int wakes = 0;
    QObject::connect(&clocks, &Clocks::changed, [&wakes] { ++wakes; });
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    state.counters["wakes_per_s"] = wakes / 2.0;
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
        benchmark::RegisterBenchmark(("ClockTick/ratio:" + std::to_string(ratio)).c_str(), clockTick,
                                     std::ref(window), qreal(ratio))
            ->Unit(benchmark::kMicrosecond);
    }
    for (const std::int64_t left : {45'000, 9'000})
        benchmark::RegisterBenchmark(("ClockWakes/left_ms:" + std::to_string(left)).c_str(), clockWakes, left)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
