// How long a call takes to become a game, over IPv4 and over IPv6 loopback
// (from OK in the Internet Game dialog to both windows playing, the callee's
// boxes answered at once), and how long a move takes from one player's drop
// to the other player's board: two game windows in one process, the callee's
// knights and the caller's knights going out and back. Prints medians and
// 99th percentiles. Run as root, it also deletes the home link of a game
// between two namespaces and makes it again, and times the game's return
// from the link's (median and worst); "--transcript" plays a whole game
// through a 30 s cut instead and prints what each side went through.
// Runs on the offscreen platform unless told otherwise.
//   net_latency_bench [moves [cuts]] | net_latency_bench --transcript
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>
#include <vector>

#include <QAction>

#include "net/network_session.h"
#include "shell/board_geometry.h"
#include "shell/board_window.h"
#include "shell/net_dialogs.h"
#include "shell/main_window.h"
#ifdef ORBEL_WITH_SANDBOX
#include "tests/support/net_sandbox.h"
#endif

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

#ifdef ORBEL_WITH_SANDBOX
using orbel::testing::NetSandbox;

bool waitFor(const std::function<bool()>& done, int ms) { return done() || QTest::qWaitFor(done, ms); }

bool playing(MainWindow& w) { return w.network().state() == NetworkSession::State::Playing; }

void type(MainWindow& w, const char* move) {
    QTest::keyClicks(w.boardWindow(), QString::fromLatin1(move));
    QTest::keyClick(w.boardWindow(), Qt::Key_Return);
}

// The callee at home, the caller on the router's side (this thread stays
// there), in a game; false when it could not be set up.
bool gameAcrossTheRouter(NetSandbox& sandbox, MainWindow& caller, MainWindow& callee) {
    bool listening = false;
    if (!sandbox.inside(NetSandbox::Place::Home, [&] { listening = callee.network().setUpListening(0); }) ||
        !listening || !sandbox.enter(NetSandbox::Place::Router))
        return false;
    answerDialogs(caller, callee, QStringLiteral("10.41.28.2:%1"));
    return startNetworkGame(caller, callee) && waitFor([&] { return playing(caller); }, 10000);
}

// The link cut `cuts` times, each time for longer, so that it comes back at
// every point of the caller's pauses between calls; the time from its
// return to both sides playing again.
int timeResumes(int cuts) {
    NetSandbox sandbox;
    if (!sandbox.whyNot().empty()) {
        std::printf("resume         skipped: %s\n", sandbox.whyNot().c_str());
        return 0;
    }
    MainWindow caller, callee;
    for (MainWindow* w : {&caller, &callee}) {
        quietWindow(*w);
        w->network().keepAlive = {std::chrono::seconds(1), std::chrono::seconds(1), 2};
        w->show();
    }
    if (!gameAcrossTheRouter(sandbox, caller, callee)) return std::fprintf(stderr, "no game across the router\n"), 1;
    std::vector<double> micros;
    for (int i = 0; i < cuts; ++i) {
        sandbox.cutHomeLink();
        if (!waitFor([&] { return caller.network().waiting() && callee.network().waiting(); }, 20000)) break;
        QTest::qWait(700 * i);
        sandbox.relinkHome();
        const Clock::time_point back = Clock::now();
        if (!waitFor([&] { return playing(caller) && playing(callee); }, 60000)) break;
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - back).count());
    }
    if (micros.size() != static_cast<std::size_t>(cuts)) return std::fprintf(stderr, "a game did not come back\n"), 1;
    printTimes("resume", micros);
    return 0;
}

// A whole game through a 30 s cut, with the program's own keepalive, each
// step and what each side showed with its time.
int transcript() {
    NetSandbox sandbox;
    if (!sandbox.whyNot().empty()) return std::fprintf(stderr, "%s\n", sandbox.whyNot().c_str()), 1;
    MainWindow caller, callee;
    const Clock::time_point t0 = Clock::now();
    const auto say = [t0](const char* who, const QString& what) {
        std::printf("%7.2f s  %-7s %s\n", std::chrono::duration<double>(Clock::now() - t0).count(), who,
                    what.toUtf8().constData());
        std::fflush(stdout);
    };
    for (MainWindow* w : {&caller, &callee}) {
        quietWindow(*w);
        w->show();
        const char* who = w == &caller ? "caller" : "callee";
        QObject::connect(&w->network(), &NetworkSession::connectionLost, [&say, w, who] {
            say(who, w->statusText());
        });
        QObject::connect(&w->network(), &NetworkSession::rejoined, [&say, who] { say(who, "back in the game"); });
        QObject::connect(&w->table().game(), &Game::movePlayed, [&say, who](const PlayedMove& m) {
            say(who, QString::fromStdString("board: " + m.san));
        });
    }
    if (!gameAcrossTheRouter(sandbox, caller, callee)) return std::fprintf(stderr, "no game across the router\n"), 1;
    say("both", "playing");
    type(caller, "f3");
    waitFor([&] { return callee.table().userMayMove(); }, 10000);
    type(callee, "e5");
    waitFor([&] { return caller.table().userMayMove(); }, 10000);
    sandbox.cutHomeLink();
    say("link", "deleted");
    type(caller, "g4");
    QTest::qWait(30000);
    sandbox.relinkHome();
    say("link", "made again");
    if (!waitFor([&] { return callee.table().userMayMove(); }, 120000)) return std::fprintf(stderr, "no g4\n"), 1;
    type(callee, "Qh4");
    waitFor([&] { return caller.table().game().result() != "*"; }, 10000);
    say("both", QString::fromStdString("result " + caller.table().game().result() + " / " + callee.table().game().result()));
    return 0;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
#ifdef ORBEL_WITH_SANDBOX
    if (argc > 1 && std::string_view(argv[1]) == "--transcript") return transcript();
#endif
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
#ifdef ORBEL_WITH_SANDBOX
    const int cuts = argc > 2 ? std::max(0, std::atoi(argv[2])) : 10;
    if (cuts > 0) return timeResumes(cuts);
#endif
    return 0;
}
