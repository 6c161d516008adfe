// The results file of a strength match: a line of the settings that make its
// games comparable, then one line per game played, written as each game
// ends, so that a run stopped halfway resumes where it stopped and its games
// can be summarised again later.
#pragma once

#include <string>
#include <vector>

#include "rules/position.h"
#include "tools/strength/uci_opponent.h"

namespace orbel::strength {

struct MatchSettings {
    int moveTimeMs = 100;
    int maxPlies = 200;
    unsigned seed = 1;
    friend bool operator==(const MatchSettings&, const MatchSettings&) = default;
};

struct GameRecord {
    int level = 5;
    Strength opponent;
    int index = 0;  // the game's number within its pairing, from 0
    Side computerSide = Side::White;
    double score = 0.5;  // the computer's
    int plies = 0;
    bool engineFault = false;
    bool computerFault = false;
    bool computerResigned = false;
    std::string reason;
    std::string opening;
    std::string moves;  // as UCI writes them
};

// Reads the games of `path` into `records` and its settings into `settings`.
// A file that does not exist holds no games and leaves `settings` alone.
// "" when it reads, else what is wrong (with the line's number).
std::string readRecords(const std::string& path, MatchSettings& settings, std::vector<GameRecord>& records,
                        bool& exists);
// Starts a results file with its settings line.
std::string startRecords(const std::string& path, const MatchSettings& settings);
// Adds one game at the end of the file, written through at once.
std::string appendRecord(const std::string& path, const GameRecord& record);

}  // namespace orbel::strength
