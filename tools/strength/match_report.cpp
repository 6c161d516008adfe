#include "tools/strength/match_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/strength/match_options.h"
#include "tools/strength/rating.h"

namespace orbel::strength {

namespace {

struct Tally {
    int games = 0, wins = 0, draws = 0, losses = 0;
    double score = 0.0;

    void add(const GameRecord& r) {
        ++games;
        score += r.score;
        (r.score == 1.0 ? wins : r.score == 0.0 ? losses : draws) += 1;
    }
};

std::string format(const char* pattern, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

// `text` padded with spaces to `width` characters, a character of UTF-8
// counted once whatever its bytes.
std::string padded(const std::string& text, std::size_t width) {
    const std::size_t shown = static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xc0) != 0x80; }));
    return text + std::string(width > shown ? width - shown : 0, ' ');
}

std::string scoreText(const Tally& t) {
    return format("%.1f/%d (%d%%)", t.score, t.games,
                  static_cast<int>(std::lround(t.games ? 100.0 * t.score / t.games : 0.0)));
}

std::vector<int> levelsOf(const std::vector<GameRecord>& records) {
    std::vector<int> levels;
    for (const GameRecord& r : records)
        if (std::find(levels.begin(), levels.end(), r.level) == levels.end()) levels.push_back(r.level);
    std::sort(levels.begin(), levels.end());
    return levels;
}

// Skill Levels first, then Elos, each rising.
std::vector<Strength> opponentsOf(const std::vector<GameRecord>& records) {
    std::vector<Strength> opponents;
    for (const GameRecord& r : records)
        if (std::find(opponents.begin(), opponents.end(), r.opponent) == opponents.end())
            opponents.push_back(r.opponent);
    const auto order = [](const Strength& s) { return std::pair(s.kind != Strength::Kind::Skill, s.value); };
    std::sort(opponents.begin(), opponents.end(), [&](const Strength& a, const Strength& b) {
        return order(a) < order(b);
    });
    return opponents;
}

Tally tally(const std::vector<GameRecord>& records, auto&& counts) {
    Tally t;
    for (const GameRecord& r : records)
        if (counts(r)) t.add(r);
    return t;
}

std::vector<RatedGame> ratedGames(const std::vector<GameRecord>& records, int level) {
    std::vector<RatedGame> games;
    for (const GameRecord& r : records)
        if (r.level == level && r.opponent.kind == Strength::Kind::Elo)
            games.push_back({static_cast<double>(r.opponent.value), r.score});
    return games;
}

// "1412 ± 58 (1355..1471)", "under 1180", "over 2400".
std::string estimateText(const std::optional<EloEstimate>& e) {
    if (!e) return "no games against an Elo";
    if (!e->elo && e->high) return format("under %.0f", *e->high);
    if (!e->elo && e->low) return format("over %.0f", *e->low);
    if (!e->elo) return "no bound";
    if (!e->halfWidth()) return format("%.0f (interval open)", *e->elo);
    return format("%.0f ± %.0f (%.0f..%.0f)", *e->elo, *e->halfWidth(), *e->low, *e->high);
}

// "1410", "under 1180": the README's figure.
std::string briefEstimate(const std::optional<EloEstimate>& e) {
    if (!e) return "not measured";
    if (e->elo) return format("%.0f", std::round(*e->elo / 10.0) * 10.0);
    return estimateText(e);
}

void printEloTable(std::ostream& out, const std::vector<GameRecord>& records, const ReportContext& context) {
    out << format("%-8s %-30s %6s  %-16s %s\n", "Level", "Elo (95% interval)", "Games", "Score", "Date");
    std::string readme;
    double widest = 0.0;
    for (int level : levelsOf(records)) {
        const std::optional<EloEstimate> e = estimateElo(ratedGames(records, level));
        const Tally t = tally(records, [&](const GameRecord& r) {
            return r.level == level && r.opponent.kind == Strength::Kind::Elo;
        });
        out << format("%-8s %s %6d  %-16s %s\n", levelName(level).c_str(), padded(estimateText(e), 30).c_str(), t.games,
                      scoreText(t).c_str(), context.date.c_str());
        readme += (readme.empty() ? "" : ", ") + levelName(level) + " ≈ " + briefEstimate(e);
        widest = std::max(widest, e && e->halfWidth() ? *e->halfWidth() : 9999.0);
    }
    out << "\nFor README: " << readme << "\n";
    if (widest < 9999.0) out << format("(every interval within ±%.0f at 95%%)\n", widest);
}

}  // namespace

void printPairings(std::ostream& out, const std::vector<GameRecord>& records) {
    out << format("%-8s %-11s %6s %4s %4s %4s  %s\n", "Level", "Opponent", "Games", "+", "=", "-", "Score");
    for (int level : levelsOf(records)) {
        for (const Strength& opponent : opponentsOf(records)) {
            const Tally t =
                tally(records, [&](const GameRecord& r) { return r.level == level && r.opponent == opponent; });
            if (t.games == 0) continue;
            out << format("%-8s %-11s %6d %4d %4d %4d  %s\n", levelName(level).c_str(), opponent.name().c_str(),
                          t.games, t.wins, t.draws, t.losses, scoreText(t).c_str());
        }
    }
}

void printSummary(std::ostream& out, const std::vector<GameRecord>& records, const ReportContext& context) {
    const std::string engine = context.engineName.empty() ? "the engine" : context.engineName;
    out << "\n=== Strength of the built-in computer against " << engine << ", " << context.date << " ===\n"
        << "Standard rules; the engine plays each move in \"go movetime " << context.settings.moveTimeMs
        << "\"; a game of " << context.settings.maxPlies << " plies is a draw.\n\n";
    printPairings(out, records);
    out << "\nElo from the games against UCI_Elo opponents only:\n";
    printEloTable(out, records, context);
    const Tally skill = tally(records, [](const GameRecord& r) { return r.opponent.kind == Strength::Kind::Skill; });
    if (skill.games > 0)
        out << "The Skill Level opponents (UCI_LimitStrength off) have no official Elo: their games count above as "
               "scores only, not in the Elo.\n";
    const Tally engineFaults = tally(records, [](const GameRecord& r) { return r.engineFault; });
    const Tally computerFaults = tally(records, [](const GameRecord& r) { return r.computerFault; });
    const Tally resigned = tally(records, [](const GameRecord& r) { return r.computerResigned; });
    out << "Faults: " << engineFaults.games << " games lost by the engine (no move in time, ended, illegal move), "
        << computerFaults.games << " by the computer (choice failed, illegal move).\n"
        << "The computer resigned " << resigned.games
        << " games, its candidate moves holding none while legal moves were left (counted as losses).\n"
        << "UCI_Elo is calibrated by its makers at a much slower time control than " << context.settings.moveTimeMs
        << " ms a move, so these Elo figures are an estimate.\n";
}

}  // namespace orbel::strength
