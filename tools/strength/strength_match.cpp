// How strong the built-in computer is: its levels play matches under standard
// rules against a UCI engine at fixed UCI_Elo steps (and at Skill Levels
// below them, which have no official Elo), and each level's Elo is estimated
// from the results. Not a test: a long run for the README's figures.
//
//   nice -n 19 build/tools/strength/strength_match --results strength-results.txt
//
// The games go round by round, two games (one opening, both colours) of each
// pairing a round, so that a run stopped early still holds every pairing.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <random>

#include "tools/strength/match_game.h"
#include "tools/strength/match_options.h"
#include "tools/strength/match_record.h"
#include "tools/strength/match_report.h"

namespace {

using namespace orbel;
using namespace orbel::strength;

struct PlannedGame {
    int level;
    Strength opponent;
    int index;
    bool endsRound;  // the last game of its round
};

struct Match {
    MatchOptions options;
    ReportContext context;
    std::vector<GameRecord> records;
    std::vector<std::size_t> openingOrder;  // by the seed
};

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = "";
    if (localtime_r(&now, &local)) std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// Fisher-Yates on the seed's own generator: the same order on every library.
std::vector<std::size_t> shuffledOpenings(unsigned seed) {
    std::vector<std::size_t> order(openings().size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::mt19937 random(seed);
    for (std::size_t i = order.size(); i > 1; --i) std::swap(order[i - 1], order[random() % i]);
    return order;
}

bool played(const std::vector<GameRecord>& records, int level, const Strength& opponent, int index) {
    return std::any_of(records.begin(), records.end(), [&](const GameRecord& r) {
        return r.level == level && r.opponent == opponent && r.index == index;
    });
}

std::vector<PlannedGame> plan(const Match& match) {
    std::vector<PlannedGame> games;
    const MatchOptions& o = match.options;
    for (int first = 0; first < o.gamesPerPairing; first += 2) {
        for (int level : o.levels)
            for (const Strength& opponent : o.opponents)
                for (int index = first; index < std::min(first + 2, o.gamesPerPairing); ++index)
                    if (!played(match.records, level, opponent, index))
                        games.push_back({level, opponent, index, false});
        if (!games.empty()) games.back().endsRound = true;
    }
    return games;
}

GameRecord playPlanned(UciOpponent& engine, const Match& match, const PlannedGame& planned) {
    const Opening& opening = openings()[match.openingOrder[static_cast<std::size_t>(planned.index / 2) %
                                                          match.openingOrder.size()]];
    GameSetup setup;
    setup.level = planned.level;
    setup.computerSide = planned.index % 2 == 0 ? Side::White : Side::Black;
    setup.maxPlies = match.options.maxPlies;
    openingMoves(opening, setup.opening);  // checked before the match began
    const GameOutcome outcome = playGame(engine, setup);
    GameRecord r{planned.level, planned.opponent, planned.index, setup.computerSide, outcome.computerScore,
                 static_cast<int>(outcome.moves.size()), outcome.engineFault, outcome.computerFault,
                 outcome.computerResigned, outcome.reason, opening.name, {}};
    for (const StandardMove& m : outcome.moves) r.moves += (r.moves.empty() ? "" : " ") + uci::moveText(m);
    return r;
}

// The engine ready for the next game; a failed start is tried twice more.
bool engineReady(UciOpponent& engine, const Strength& strength) {
    for (int attempt = 1;; ++attempt) {
        const std::string failure = engine.newGame(strength);
        if (failure.empty()) return true;
        std::cout << "The engine is not ready (" << failure << ")" << (attempt < 3 ? "; starting it again." : ".")
                  << std::endl;
        if (attempt == 3) return false;
    }
}

// The summary between rounds comes after this many games at least, so that
// a long run's log shows the standings without drowning in them.
constexpr int GamesBetweenSummaries = 60;

// "1h 05m" or "4m": the rest of a run at the pace so far.
std::string remainingText(double seconds) {
    const long minutes = std::lround(seconds / 60.0);
    return minutes >= 60 ? std::to_string(minutes / 60) + "h " + (minutes % 60 < 10 ? "0" : "") +
                               std::to_string(minutes % 60) + "m"
                         : std::to_string(minutes) + "m";
}

void printProgress(const GameRecord& r, std::size_t number, std::size_t total, double seconds, double remaining) {
    const bool computerWhite = r.computerSide == Side::White;
    const bool whiteWon = r.score != 0.5 && (r.score == 1.0) == computerWhite;
    const char* result = r.score == 0.5 ? "1/2-1/2" : whiteWon ? "1-0" : "0-1";
    char line[400];
    std::snprintf(line, sizeof line, "[%4zu/%zu] %s as %s v %s, %s: %s %s, %d plies, %.1f s", number, total,
                  levelName(r.level).c_str(), computerWhite ? "White" : "Black", r.opponent.name().c_str(),
                  r.opening.c_str(), result, r.reason.c_str(), r.plies, seconds);
    std::cout << line << (r.engineFault || r.computerFault ? "  FAULT" : "") << " (" << remainingText(remaining)
              << " to go)" << std::endl;
}

}  // namespace

namespace {

// Every opponent asked for once before the first game: a wrong path, an
// engine without UCI_Elo or an Elo outside its range stops the run at once.
bool preflight(UciOpponent& engine, const MatchOptions& options) {
    for (const Strength& opponent : options.opponents) {
        if (const std::string failure = engine.newGame(opponent); !failure.empty()) {
            std::cerr << "strength_match: " << options.enginePath << " cannot play at " << opponent.name() << ": "
                      << failure << "\n";
            return false;
        }
    }
    return true;
}

int playMatch(Match& match) {
    const MatchOptions& o = match.options;
    UciOpponent engine(o.enginePath, o.moveTimeMs);
    if (!preflight(engine, o)) return 2;
    match.context.engineName = engine.engineName();
    const std::vector<PlannedGame> games = plan(match);
    std::cout << "Playing " << games.size() << " games against " << match.context.engineName << " ("
              << match.records.size() << " recorded before), " << o.gamesPerPairing << " a pairing, \"go movetime "
              << o.moveTimeMs << "\", seed " << o.seed << (o.resultsPath.empty() ? "" : ", results in ")
              << o.resultsPath << "." << std::endl;
    const auto began = std::chrono::steady_clock::now();
    int sinceSummary = 0;
    for (std::size_t i = 0; i < games.size(); ++i) {
        if (!engineReady(engine, games[i].opponent)) {
            printSummary(std::cout, match.records, match.context);
            return 1;
        }
        const auto started = std::chrono::steady_clock::now();
        const GameRecord record = playPlanned(engine, match, games[i]);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        if (!o.resultsPath.empty()) {
            if (const std::string failure = appendRecord(o.resultsPath, record); !failure.empty()) {
                std::cerr << "strength_match: " << failure << "\n";
                return 2;
            }
        }
        match.records.push_back(record);
        const std::chrono::duration<double> sofar = std::chrono::steady_clock::now() - began;
        printProgress(record, i + 1, games.size(), took.count(),
                      sofar.count() / static_cast<double>(i + 1) * static_cast<double>(games.size() - i - 1));
        if (++sinceSummary >= GamesBetweenSummaries && games[i].endsRound && i + 1 < games.size()) {
            printSummary(std::cout, match.records, match.context);
            sinceSummary = 0;
        }
    }
    engine.stop();
    printSummary(std::cout, match.records, match.context);
    return 0;
}

// The games already in the results file, which must have been played with
// the same settings; a new file is started with them.
std::string loadRecords(Match& match) {
    const MatchOptions& o = match.options;
    const MatchSettings asked{o.moveTimeMs, o.maxPlies, o.seed};
    match.context.settings = asked;
    if (o.resultsPath.empty()) return {};
    bool exists = false;
    MatchSettings recorded = asked;
    if (std::string failure = readRecords(o.resultsPath, recorded, match.records, exists); !failure.empty())
        return failure;
    if (o.reportOnly) {
        match.context.settings = recorded;
        return exists ? "" : o.resultsPath + ": no such file";
    }
    if (!exists) return startRecords(o.resultsPath, asked);
    if (recorded != asked)
        return o.resultsPath + " was played with --movetime " + std::to_string(recorded.moveTimeMs) +
               " --max-plies " + std::to_string(recorded.maxPlies) + " --seed " + std::to_string(recorded.seed) +
               "; give the same or another file";
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    // An engine that dies leaves a pipe without a reader: writing to it must
    // fail as a write, not end this program.
    std::signal(SIGPIPE, SIG_IGN);
    Match match;
    const std::vector<std::string_view> args(argv + std::min(argc, 1), argv + argc);
    if (const std::string failure = parseOptions(args, match.options); !failure.empty()) {
        std::cerr << "strength_match: " << failure << "\nTry strength_match --help.\n";
        return 2;
    }
    if (match.options.help) {
        std::cout << helpText();
        return 0;
    }
    for (const Opening& opening : openings()) {
        std::vector<StandardMove> moves;
        if (const std::string failure = openingMoves(opening, moves); !failure.empty()) {
            std::cerr << "strength_match: opening " << failure << "\n";
            return 2;
        }
    }
    match.context.date = today();
    match.openingOrder = shuffledOpenings(match.options.seed);
    if (const std::string failure = loadRecords(match); !failure.empty()) {
        std::cerr << "strength_match: " << failure << "\n";
        return 2;
    }
    if (match.options.reportOnly) {
        printSummary(std::cout, match.records, match.context);
        return 0;
    }
    return playMatch(match);
}
