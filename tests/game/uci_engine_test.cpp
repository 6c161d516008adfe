// Engines run as real processes: the fake engine in each of its kinds of
// trouble (tests/support/fake_uci_engine.cpp) with what the user is told of
// it, and Debian's two engines. After each, no child process is left.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <cerrno>
#include <sys/wait.h>

#include "game/engine/uci_engine.h"
#include "game/notation/fen.h"

namespace orbel {
namespace {

// Far longer than any engine here takes: a loaded machine may be slow.
constexpr int Patience = 60000;

StandardPosition standardStart() {
    StandardPosition p = initialPosition();
    p.rules = RuleSet::Standard;
    return p;
}

// A path is a program of its own (with "--uci" for GNU Chess); anything
// else the fake engine's mode.
UciEngine::Program program(const std::string& mode) {
    for (const UciEngine::Program& installed : installedEngines())
        if (installed.path.toStdString() == mode) return installed;
    if (mode.starts_with("/usr/games/")) return {};  // not installed
    if (mode[0] == '/') return {QString::fromStdString(mode), {}};
    return {ORBEL_FAKE_ENGINE, {QString::fromStdString(mode)}};
}

bool noChildLeft() {
    errno = 0;
    return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

struct Spies {
    explicit Spies(UciEngine& e)
        : ready(&e, &UciEngine::ready), thinking(&e, &UciEngine::thinking), moves(&e, &UciEngine::bestMove),
          failed(&e, &UciEngine::failed) {}
    bool answered() const { return moves.count() + failed.count() > 0; }
    StandardMove move(qsizetype i) const { return moves.at(i).at(0).value<StandardMove>(); }
    std::string failure() const { return failed.isEmpty() ? "" : failed.at(0).at(0).toString().toStdString(); }
    QSignalSpy ready, thinking, moves, failed;
};

// Short enough for the suite, long enough that a loaded machine starting a
// sanitized fake engine never misses them.
void makeQuick(UciEngine& engine) {
    engine.timeouts = {.answerMs = 3000, .searchMs = 1000, .stopMs = 600, .quitMs = 300};
}

struct Row {
    std::string mode;
    std::string handshakeFailure;  // empty: ready()
    std::string searchFailure;     // empty: a legal move, twice
    bool thinks = false;
    std::string name = "Fake Engine";
};

void play(const Row& row) {
    const StandardPosition start = standardStart();
    const std::vector<StandardMove> e4 = {*uci::readMove(start, "e2e4")};
    UciEngine engine(program(row.mode));
    // A real engine gets the time the user's would.
    if (row.name == "Fake Engine") makeQuick(engine);
    Spies spies(engine);
    engine.setStrength(1350);
    engine.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return spies.ready.count() + spies.failed.count() > 0; }, Patience));
    EXPECT_EQ(spies.failure(), row.handshakeFailure);
    EXPECT_EQ(engine.isReady(), row.handshakeFailure.empty());
    if (!engine.isReady()) {
        EXPECT_FALSE(engine.search(start, {}, {}));
        return;
    }
    EXPECT_EQ(engine.name().toStdString(), row.name);
    ASSERT_TRUE(engine.search(start, {}, {.moveTimeMs = 50}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return spies.answered(); }, Patience));
    EXPECT_EQ(spies.failure(), row.searchFailure);
    EXPECT_EQ(spies.thinking.count() > 0, row.thinks);
    if (!row.searchFailure.empty()) {
        EXPECT_TRUE(spies.moves.isEmpty());
        EXPECT_FALSE(engine.search(start, {}, {}));
        return;
    }
    EXPECT_TRUE(isLegalMove(start, spies.move(0)));
    // Still of use, and told the moves since the start.
    ASSERT_TRUE(engine.search(start, e4, {.moveTimeMs = 50}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return spies.moves.count() + spies.failed.count() > 1; }, Patience));
    EXPECT_TRUE(spies.failed.isEmpty());
    EXPECT_TRUE(isLegalMove(afterMove(start, e4[0]), spies.move(1)));
}

TEST(UciEngine, EachKindOfEngineIsToldOneWay) {
    const Row rows[] = {
        {"well", "", "", true},
        {"deaf", "", "", true},  // killed when it ignores "quit"
        {"megabyte", "", "", true},
        {"stubborn", "", ""},  // its move after the deadline's "stop"
        {"never", "The engine did not answer", ""},
        {"/bin/true", "The engine did not answer", ""},
        {"/nonexistent/engine", "The engine could not be started.", ""},
        {"late", "", "The engine did not answer in time."},
        {"garbage", "", "The engine did not answer in time."},
        {"flood", "", "The engine did not answer in time."},
        {"crash", "", "The engine stopped working."},
        {"illegal", "", "The engine sent an illegal move: a1a1"},
        {"junkmove", "", "The engine sent an illegal move: ??eeeeeeeeeeeeeeeeee..."},
        // Debian's, at 1350: Stockfish by its UCI_Elo, GNU Chess at full
        // strength (it has no way to play weaker).
        {"/usr/games/stockfish", "", "", true, "Stockfish 15.1"},
        {"/usr/games/gnuchess", "", "", true, "GNU Chess 6.2.7"},
    };
    std::string missing;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mode);
        if (row.name != "Fake Engine" && program(row.mode).path.isEmpty()) {
            missing += " " + row.mode;
            continue;
        }
        play(row);
        EXPECT_TRUE(noChildLeft());
    }
    if (!missing.empty()) GTEST_SKIP() << "not installed:" << missing;
}

// The stubborn engine answers each "stop" with a move for the position it
// was given; of those, only the move of the search last asked for is told.
TEST(UciEngine, OnlyTheLastSearchAskedForIsAnswered) {
    const StandardPosition start = standardStart();
    const std::vector<StandardMove> e4 = {*uci::readMove(start, "e2e4")};
    const StandardPosition afterE4 = afterMove(start, e4[0]);
    {
        UciEngine engine(program("stubborn"));
        makeQuick(engine);
        Spies spies(engine);
        engine.start();
        EXPECT_TRUE(engine.search(start, {}, {}));  // before the handshake: after it
        ASSERT_TRUE(QTest::qWaitFor([&] { return spies.moves.count() == 1; }, Patience));
        EXPECT_TRUE(isLegalMove(start, spies.move(0)));
        engine.search(start, {}, {});
        engine.search(start, e4, {});  // replaces the search running
        ASSERT_TRUE(QTest::qWaitFor([&] { return spies.moves.count() == 2; }, Patience));
        EXPECT_TRUE(isLegalMove(afterE4, spies.move(1)));
        engine.search(start, {}, {});
        engine.cancel();
        engine.search(start, e4, {});  // waits for the cancelled one's move
        ASSERT_TRUE(QTest::qWaitFor([&] { return spies.moves.count() == 3; }, Patience));
        EXPECT_TRUE(isLegalMove(afterE4, spies.move(2)));
        EXPECT_FALSE(engine.search(start, {e4[0], e4[0]}, {}));  // not a game
        EXPECT_TRUE(spies.failed.isEmpty());
    }
    EXPECT_TRUE(noChildLeft());
}

}  // namespace
}  // namespace orbel

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
