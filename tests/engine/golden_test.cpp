// The rules and the computer against their recorded output, through the
// engine's text: the candidate and status lists of several hundred positions
// (candidates.golden, written by tools/make_golden_candidates.py), and the
// computer's move and the whole game after it for every position of the search
// suite at each level (search.golden). Any change of a move, its place in a
// list, a status code or a choice shows up here; every speed-up of the
// computer must leave both files as they are.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/golden.h"
#include "tools/engine/engine_session.h"

namespace orbel::testing {
namespace {

// The first line where `got` departs from `expected`, with the last comment
// above it, rather than a megabyte of text; empty when they agree.
std::string firstDifference(const std::string& expected, const std::string& got) {
    std::istringstream a(expected), b(got);
    std::string la, lb, context;
    for (int n = 1; got != expected; ++n) {
        const bool moreA = static_cast<bool>(std::getline(a, la)), moreB = static_cast<bool>(std::getline(b, lb));
        if (moreA != moreB || la != lb || !moreA) {
            return "line " + std::to_string(n) + " (" + context + ")\nexpected: " + (moreA ? la : "(end)") +
                   "\n     got: " + (moreB ? lb : "(end)");
        }
        if (la.rfind("# ", 0) == 0) context = la;
    }
    return "";
}

TEST(Golden, CandidatesAndStatusesOfEveryRecordedPosition) {
    const std::string expected = readFile(ORBEL_GOLDEN_DIR "/candidates.golden");
    std::istringstream in(expected);
    engine::EngineSession session;
    std::string got;
    int positions = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("moves ", 0) == 0 || line.rfind("statuses ", 0) == 0) continue;
        got += line + '\n';
        if (line.rfind("set ", 0) != 0) continue;
        ++positions;
        EXPECT_EQ(session.handleLine(line), "ok") << line;
        got += session.handleLine("candidates") + '\n' + session.handleLine("statuses") + '\n';
    }
    EXPECT_GT(positions, 500);
    EXPECT_EQ(firstDifference(expected, got), "");
}

// Under standard rules too: no suite position offers an en passant capture or
// a castle through check, so the computer must choose exactly as before.
class GoldenUnderEachRuleSet : public ::testing::TestWithParam<const char*> {};
INSTANTIATE_TEST_SUITE_P(Rules, GoldenUnderEachRuleSet, ::testing::Values("0", "1"));

TEST_P(GoldenUnderEachRuleSet, TheComputersMoveInEverySuitePositionAtEveryLevel) {
    std::istringstream suite(readFile(ORBEL_GOLDEN_DIR "/search_suite.txt"));
    engine::EngineSession session;
    std::string got, comment, set;
    int positions = 0;
    for (std::string line; std::getline(suite, line);) {
        if (line.rfind("# ", 0) == 0) comment = line;
        if (line.rfind("set ", 0) == 0) set = line;
        if (line.rfind("last ", 0) != 0) continue;
        ++positions;
        for (const char* level : {"1", "3", "5"}) {
            EXPECT_EQ(session.handleLine(set), "ok") << set;
            EXPECT_EQ(session.handleLine(std::string("rules ") + GetParam()), "ok");
            EXPECT_EQ(session.handleLine(std::string("level ") + level), "ok");
            got += comment + ", level " + level + '\n' + session.handleLine("choose " + line.substr(5)) + '\n';
            got += session.handleLine("get") + '\n';
        }
    }
    EXPECT_GE(positions, 30);
    const std::string path = ORBEL_GOLDEN_DIR "/search.golden";
    if (regeneratingGolden() && GetParam() == std::string("0")) {
        writeFile(path, got);
        GTEST_SKIP() << "rewrote " << path;
    }
    EXPECT_EQ(firstDifference(readFile(path), got), "");
}

}  // namespace
}  // namespace orbel::testing
