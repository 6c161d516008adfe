// How long a call takes to become a game, over IPv4 and over IPv6 loopback
// (from OK in the Internet Game dialog to both windows playing, the callee's
// boxes answered at once), and how long a move takes from one player's drop
// to the other player's board: two game windows in one process, the callee's
// knights and the caller's knights going out and back. Prints medians and
// 99th percentiles. Runs on the offscreen platform unless told otherwise.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QAction>

#include "net/network_session.h"
#include "shell/board_geometry.h"
#include "shell/board_window.h"
#include "shell/net_dialogs.h"
#include "shell/main_window.h"

namespace {

using namespace orbel;
using Clock = std::chrono::steady_clock;

QPoint middleOf(Place place) {
    const PixelRect r = BoardGeometry{}.squareRect(place);
    return QPoint(r.left + r.width / 2, r.top + r.height / 2);
}

void quietWindow(MainWindow& w) {
    w.seams().box = [](const BoxRequest&) {};
    w.seams().question = [](const BoxRequest&) { return true; };
    w.seams().sound = [](int) {};
}

// The callee says yes and gives a nickname; the caller calls `host`.
void answerDialogs(MainWindow& caller, MainWindow& callee, const QString& host) {
    callee.seams().dialog = [](QDialog& d) {
        if (auto* nick = dynamic_cast<NicknameDialog*>(&d)) {
            nick->nicknameEdit()->setText(QStringLiteral("Callee"));
            nick->okButton()->click();
        }
        return d.result();
    };
    caller.seams().dialog = [text = host.arg(callee.network().listeningPort())](QDialog& d) {
        if (auto* game = dynamic_cast<InternetGameDialog*>(&d)) {
            game->hostEdit()->setText(text);
            game->nicknameEdit()->setText(QStringLiteral("Caller"));
            game->okButton()->click();
            return d.result();
        }
        if (dynamic_cast<ConnectingDialog*>(&d)) return d.exec();
        d.reject();  // New Game Setup after the game
        return d.result();
    };
}

bool startNetworkGame(MainWindow& caller, MainWindow& callee) {
    caller.action(Command::DirectNetworkGame)->trigger();
    return callee.network().state() == NetworkSession::State::Playing ||
           QTest::qWaitFor([&] { return callee.network().state() == NetworkSession::State::Playing; }, 10000);
}

void printTimes(const char* what, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const double median = micros[micros.size() / 2];
    const double p99 = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
    std::printf("%-14s %5zu  median %6.0f us  p99 %6.0f us  max %6.0f us\n", what, micros.size(), median, p99,
                micros.back());
    std::fflush(stdout);
}

// Calls that become games, each ended again with Kill Game. The call's time
// runs until both sides play.
std::vector<double> timeCalls(MainWindow& caller, MainWindow& callee, const QString& host, int calls) {
    answerDialogs(caller, callee, host);
    std::vector<double> micros;
    for (int i = 0; i < calls; ++i) {
        const Clock::time_point start = Clock::now();
        if (!startNetworkGame(caller, callee)) break;
        while (caller.network().state() != NetworkSession::State::Playing)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        caller.action(Command::KillGame)->trigger();
        if (!QTest::qWaitFor([&] { return callee.network().state() == NetworkSession::State::Idle; }, 10000)) break;
    }
    return micros;
}

// Both sides see their own knight on g1/b8 at (7, 6); it goes to (5, 5) and
// back. Each move's time from the drop to the other side's turn, in us.
std::vector<double> timeMoves(MainWindow& caller, MainWindow& callee, int moves) {
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(moves));
    for (int i = 0; i < moves; ++i) {
        MainWindow& mover = i % 2 == 0 ? caller : callee;
        MainWindow& other = i % 2 == 0 ? callee : caller;
        const bool out = (i / 2) % 2 == 0;
        const QPoint home = middleOf({7, 6}), away = middleOf({5, 5});
        const QPoint from = out ? home : away, to = out ? away : home;
        QTest::mousePress(mover.boardWindow(), Qt::LeftButton, Qt::NoModifier, from);
        const Clock::time_point start = Clock::now();
        QTest::mouseRelease(mover.boardWindow(), Qt::LeftButton, Qt::NoModifier, to);
        while (!other.table().userMayMove()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return micros;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const int moves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;

    MainWindow caller, callee;
    quietWindow(caller);
    quietWindow(callee);
    caller.show();
    callee.show();
    if (!caller.network().setUpListening(0) || !callee.network().setUpListening(0)) return 1;
    for (const char* host : {"127.0.0.1:%1", "[::1]:%1"}) {
        const std::vector<double> calls = timeCalls(caller, callee, QString::fromLatin1(host), 50);
        if (calls.empty()) {
            std::fprintf(stderr, "no game with %s\n", host);
            return 1;
        }
        printTimes(host[0] == '[' ? "call over IPv6" : "call over IPv4", calls);
    }
    answerDialogs(caller, callee, QStringLiteral("127.0.0.1:%1"));
    if (!startNetworkGame(caller, callee)) {
        std::fprintf(stderr, "no game\n");
        return 1;
    }
    printTimes("move", timeMoves(caller, callee, moves));
    caller.action(Command::KillGame)->trigger();
    return 0;
}
