// Debian's pgn-extract as an independent judge of the PGN this program
// writes: it replays a file's games by standard chess and says where they end.
#pragma once

#include <string>

#include "rules/board.h"

namespace orbel::testing {

struct PgnExtractVerdict {
    // What it complained of on its standard error: empty for a sound file.
    std::string complaints;
    // The FEN it reached at the end of the file's last game, or "".
    std::string finalFen;
    // Everything it printed, for a failure's message.
    std::string output;
};

// Runs pgn-extract (at the path the build found) over `pgnFile`, leaving its
// output beside the file.
PgnExtractVerdict replayWithPgnExtract(const std::string& pgnFile);

// The FEN fields both programs keep alike in a game by these rules: board,
// side, castling and move number (no en passant square nor half-move clock
// here). A game of standard chess keeps all six.
std::string comparableFen(const std::string& fen, RuleSet rules = RuleSet::Orbel);

}  // namespace orbel::testing
