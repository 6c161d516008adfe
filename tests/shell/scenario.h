// The window in scenarios written as text (scenarios/*.txt): what users do
// and what they must then see, step by step, against real windows, real
// sockets and the real settings store (in the test's own folder).
//
// A scenario starts at a line "== Its name" and runs its steps, one a line,
// in order; '#' starts a comment line. A step may name the copy of the
// program it concerns ("b: drag e7 e5"), a, b or c, each opened when first
// named and listening on a port of its own; unnamed, it is a. Squares are
// named as on a real board and found on the drawn one whichever side is at
// the bottom; "e2<" and "e2>" are its top-left and bottom-right pixels, a
// following "-1,0" moves the point, "off" lies outside the window. Positions
// are FEN's piece placement. Typed texts and bytes take \n \r \e \b \s
// (space) \xHH and the arrows \L \R \U \D. In a host, {b} is b's port,
// {closed} a port nobody listens on, {full} one whose queue is full and
// {server} the port of the scenario's own listener.
//
// "expect PROBE [ARG] TEXT" waits up to twenty seconds for the probe's text
// (backslashes doubled, line breaks shown as \n and \r, and the isolates
// around a peer's nickname as \u2068 and \u2069) to be TEXT; expect-start,
// expect-has and expect-not want it to begin with, hold or differ from TEXT.
// The first step that fails ends the scenario. The verbs (what a step does)
// are in scenario_verbs.cpp, the probes (what a user sees, hears or finds on
// disk and on the wire) in scenario_probes.cpp.
#pragma once

#include <QDialog>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/shell/window_fixture.h"
#include "tests/support/net_sandbox.h"

namespace orbel::testing {

using Words = std::istringstream;
struct Step {
    int line;
    std::string text;
};
struct ScenarioText {
    std::string file, name;
    std::vector<Step> steps;
};
void PrintTo(const ScenarioText& s, std::ostream* os);

std::string word(Words& in);
std::string rest(Words& in);
// The square named ("e4"), and its place on a board drawn with `bottom` below.
int squareNamed(const std::string& name);
Place placeOf(const std::string& name, Side bottom);

class NameServer;

struct Scenario : ::testing::TestWithParam<ScenarioText> {
    Scenario();
    ~Scenario() override;
    void SetUp() override;
    void TearDown() override;

    Player& player(char name);
    Player& me() { return player(on); }
    MainWindow& window() { return *me().window; }

    QPoint point(const std::string& where);
    QString expand(std::string s);
    quint16 port(const std::string& key);
    void answerInternet(const QString& host, const QString& nick, const std::string& colour);
    void newGame(Words& in, bool start);
    void hook(std::function<void()>& when, const std::string& steps);
    void run(const Step& step);
    void expect(const std::string& how, Words& in, const Step& step);
    QString probe(const std::string& name, const std::string& arg);

    std::map<char, std::unique_ptr<Player>> players;
    char on = 'a';
    int line = 0;
    bool stop = false;
    QString skip;
    // The computer's choice is held on its thread, once made, while this is set.
    std::shared_ptr<std::atomic<bool>> held = std::make_shared<std::atomic<bool>>(false);
    std::thread releaser;
    QString mark;
    QTcpSocket raw, fill[2];
    QTcpSocket* reached = nullptr;
    QByteArray rawRead, reachedRead;
    QTcpServer server, full;
    std::unique_ptr<NameServer> nameServer;
    std::unique_ptr<NetSandbox> sandbox;
    QString offered;
    QTemporaryDir folder;
    std::unique_ptr<QDialog> dialog;
    int cancels = 0;
    int ticks = 0;
    bool cancelled = false;
    // The clocks' time, in ms, for the copies told to keep it ("fake-time").
    std::int64_t now = 0;
};

using Verb = std::function<void(Scenario&, Words&)>;
extern const std::map<std::string, Verb> Verbs;

// What a probe looks at: one copy of the program in a scenario, and the
// probe's argument.
struct Seen {
    Scenario& s;
    Player& p;
    MainWindow& w;
    const std::string& arg;
};
using Probe = std::function<QString(const Seen&)>;
extern const std::map<std::string, Probe> Probes;
// The probes that take an argument.
bool probeTakesArgument(const std::string& name);

}  // namespace orbel::testing
