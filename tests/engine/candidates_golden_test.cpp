// The generator's exact output for several hundred positions, recorded in
// tests/golden/candidates.golden (see tools/make_golden_candidates.py). Any
// change of a move, its place in the list, or a status code shows up here.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tools/engine/engine_session.h"

namespace {

TEST(CandidatesGolden, EveryRecordedPositionGivesTheRecordedLists) {
    std::ifstream in(ORBEL_GOLDEN_DIR "/candidates.golden");
    ASSERT_TRUE(in) << "missing golden file";
    orbel::engine::EngineSession session;
    std::string setLine, candidates, statuses;
    int positions = 0, mismatches = 0;
    while (std::getline(in, setLine)) {
        if (setLine.empty() || setLine[0] == '#') continue;
        ASSERT_TRUE(std::getline(in, candidates) && std::getline(in, statuses)) << "truncated golden file";
        ASSERT_EQ(session.handleLine(setLine), "ok") << setLine;
        ++positions;
        const std::string gotCandidates = session.handleLine("candidates");
        const std::string gotStatuses = session.handleLine("statuses");
        if (gotCandidates != candidates || gotStatuses != statuses) {
            if (++mismatches <= 3) {
                ADD_FAILURE() << "position " << positions << ": " << setLine << "\nexpected " << candidates
                              << "\n     got " << gotCandidates << "\nexpected " << statuses << "\n     got "
                              << gotStatuses;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(positions, 500);
}

}  // namespace
