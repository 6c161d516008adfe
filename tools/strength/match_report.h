// What a strength match says: each pairing's score, each level's Elo with its
// 95% interval from the games against opponents of official Elo, the scores
// against Skill Levels apart, and a line for the README.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/strength/match_record.h"

namespace orbel::strength {

struct ReportContext {
    MatchSettings settings;
    std::string engineName;  // "" when the engine was not asked
    std::string date;        // "2024-05-01"
};

// Each pairing of a level and an opponent: games, wins, draws, losses, score.
void printPairings(std::ostream& out, const std::vector<GameRecord>& records);
// The pairings, then the Elo table, the README line and what the figures rest on.
void printSummary(std::ostream& out, const std::vector<GameRecord>& records, const ReportContext& context);

}  // namespace orbel::strength
