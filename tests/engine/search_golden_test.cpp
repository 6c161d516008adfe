// For every position of the search suite and each level, the computer's move
// and the whole game state after it, recorded in tests/golden/search.golden.
// Every speed-up of the computer must leave this file unchanged.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/golden.h"
#include "tools/engine/engine_session.h"

namespace {

namespace golden = orbel::testing;
using orbel::engine::EngineSession;

struct SuitePosition {
    std::string comment, set, last;
};

std::vector<SuitePosition> readSuite() {
    std::istringstream in(golden::readFile(ORBEL_GOLDEN_DIR "/search_suite.txt"));
    std::vector<SuitePosition> out;
    std::string comment;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("# ", 0) == 0) comment = line;
        if (line.rfind("set ", 0) == 0) out.push_back({comment, line, {}});
        if (line.rfind("last ", 0) == 0 && !out.empty()) out.back().last = line.substr(5);
    }
    return out;
}

// The first line that differs, with the comment line above it, rather than a
// megabyte of text; empty when the texts agree.
std::string firstDifference(const std::string& expected, const std::string& got) {
    if (got == expected) return "";
    std::istringstream a(expected), b(got);
    std::string la, lb, context;
    for (int n = 1;; ++n) {
        const bool moreA = static_cast<bool>(std::getline(a, la));
        const bool moreB = static_cast<bool>(std::getline(b, lb));
        if (!moreA && !moreB) return "the texts differ only in their last line end";
        if (moreA != moreB || la != lb) {
            return "line " + std::to_string(n) + " differs (" + context + ")\nexpected: " + (moreA ? la : "(end)") +
                   "\n     got: " + (moreB ? lb : "(end)");
        }
        if (la.rfind("# ", 0) == 0) context = la;
    }
}

TEST(SearchGolden, EverySuitePositionAtEveryLevel) {
    const std::vector<SuitePosition> suite = readSuite();
    ASSERT_GE(suite.size(), 30u);
    std::string got;
    EngineSession session;
    for (const SuitePosition& p : suite) {
        for (int level : {1, 3, 5}) {
            ASSERT_EQ(session.handleLine(p.set), "ok");
            ASSERT_EQ(session.handleLine("level " + std::to_string(level)), "ok");
            got += p.comment + ", level " + std::to_string(level) + "\n";
            got += session.handleLine("choose " + p.last) + "\n";
            got += session.handleLine("get") + "\n";
        }
    }
    const std::string path = ORBEL_GOLDEN_DIR "/search.golden";
    if (golden::regeneratingGolden()) {
        golden::writeFile(path, got);
        GTEST_SKIP() << "rewrote " << path;
    }
    EXPECT_EQ(firstDifference(golden::readFile(path), got), "");
}

}  // namespace
