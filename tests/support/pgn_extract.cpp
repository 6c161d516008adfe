#include "tests/support/pgn_extract.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "tests/support/golden.h"

namespace orbel::testing {

PgnExtractVerdict replayWithPgnExtract(const std::string& pgnFile) {
    const std::string pgnExtract = ORBEL_PGN_EXTRACT;
    EXPECT_TRUE(std::filesystem::exists(pgnExtract)) << "pgn-extract is missing: tools/install-deps.sh installs it";
    // -F: the final position as a FEN comment; -s: quietly; -w1000: no wrapping.
    const auto quoted = [](const std::string& path) { return "'" + path + "'"; };
    const std::string command = pgnExtract + " -s -w1000 -F " + quoted(pgnFile);
    EXPECT_EQ(std::system((command + " > " + quoted(pgnFile + ".out") + " 2> " + quoted(pgnFile + ".err")).c_str()), 0)
        << command;
    PgnExtractVerdict verdict{readFile(pgnFile + ".err"), "", readFile(pgnFile + ".out")};
    const std::size_t fen = verdict.output.rfind("{ \"");
    if (fen != std::string::npos) {
        verdict.finalFen = verdict.output.substr(fen + 3, verdict.output.find('"', fen + 3) - fen - 3);
    }
    return verdict;
}

std::string comparableFen(const std::string& fen, RuleSet rules) {
    if (rules == RuleSet::Standard) return fen;
    std::istringstream in(fen);
    std::string board, side, castling, ep, clock, number;
    in >> board >> side >> castling >> ep >> clock >> number;
    return board + ' ' + side + ' ' + castling + ' ' + number;
}

}  // namespace orbel::testing
