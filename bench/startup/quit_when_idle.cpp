// Preloaded into a Qt program (LD_PRELOAD) to end it at its first idle moment:
// once its windows are on screen and painted and the event loop is about to
// wait, it writes
// the CPU time spent so far to the file descriptor named by
// ORBEL_STARTUP_REPORT_FD and leaves at once. The program itself is not
// changed, so the start-up measured is the one a user gets.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// A window is up and every window shown has been exposed (and so painted).
bool windowsArePainted() {
    bool any = false;
    for (QWindow* w : QGuiApplication::topLevelWindows()) {
        if (!w->isVisible()) continue;
        if (!w->isExposed()) return false;
        any = true;
    }
    return any;
}

void reportAndLeave() {
    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    const double cpuMs = (self.ru_utime.tv_sec + self.ru_stime.tv_sec) * 1e3 +
                         (self.ru_utime.tv_usec + self.ru_stime.tv_usec) / 1e3;
    if (const char* fd = std::getenv("ORBEL_STARTUP_REPORT_FD")) {
        char line[64];
        const int n = std::snprintf(line, sizeof line, "%.3f\n", cpuMs);
        if (n > 0) (void)!write(std::atoi(fd), line, static_cast<size_t>(n));
    }
    _exit(0);
}

void watchForIdle() {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher) return;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, [] {
        if (windowsArePainted()) reportAndLeave();
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForIdle)
