#include "tools/strength/match_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "shell/resource_ids.h"

namespace orbel::strength {

namespace {

std::optional<long long> number(std::string_view text, long long low, long long high) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
    return value;
}

std::vector<std::string_view> commaList(std::string_view text) {
    std::vector<std::string_view> items;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find(',', at), text.size());
        items.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return items;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string readLevels(std::string_view text, std::vector<int>& levels) {
    levels.clear();
    for (std::string_view item : commaList(text)) {
        const std::string name = lowered(item);
        const std::optional<long long> n = number(item, 1, 9);
        if (name == "easy") levels.push_back(LevelEasy);
        else if (name == "medium") levels.push_back(LevelMedium);
        else if (name == "hard") levels.push_back(LevelHard);
        else if (n) levels.push_back(static_cast<int>(*n));
        else return "--levels: \"" + std::string(item) + "\" is neither easy, medium, hard nor a level 1 to 9";
    }
    return {};
}

// "none" is an empty list: no opponents of that kind.
std::string readStrengths(std::string_view text, Strength::Kind kind, std::vector<Strength>& out) {
    const bool elo = kind == Strength::Kind::Elo;
    std::erase_if(out, [&](const Strength& s) { return s.kind == kind; });
    if (lowered(text) == "none") return {};
    for (std::string_view item : commaList(text)) {
        const std::optional<long long> n = elo ? number(item, 100, 4000) : number(item, 0, 100);
        if (!n) return std::string(elo ? "--elo" : "--skill") + ": \"" + std::string(item) + "\" is not " +
                       (elo ? "an Elo from 100 to 4000" : "a Skill Level from 0 to 100");
        const Strength strength{kind, static_cast<int>(*n)};
        if (std::find(out.begin(), out.end(), strength) == out.end()) out.push_back(strength);
    }
    return {};
}

std::string readNumber(std::string_view name, std::string_view text, long long low, long long high, long long& out) {
    const std::optional<long long> n = number(text, low, high);
    if (!n) return std::string(name) + ": \"" + std::string(text) + "\" is not a number from " + std::to_string(low) +
                   " to " + std::to_string(high);
    out = *n;
    return {};
}

// The options that take a number, and where each goes.
template <typename T>
std::string setNumber(std::string_view name, std::string_view text, long long low, long long high, T& out) {
    long long n = 0;
    std::string failure = readNumber(name, text, low, high, n);
    if (failure.empty()) out = static_cast<T>(n);
    return failure;
}

std::string readValued(std::string_view name, std::string_view value, MatchOptions& o) {
    if (name == "--levels") return readLevels(value, o.levels);
    if (name == "--elo") return readStrengths(value, Strength::Kind::Elo, o.opponents);
    if (name == "--skill") return readStrengths(value, Strength::Kind::Skill, o.opponents);
    if (name == "--games") return setNumber(name, value, 1, 100'000, o.gamesPerPairing);
    if (name == "--seed") return setNumber(name, value, 0, 4'294'967'295LL, o.seed);
    if (name == "--movetime") return setNumber(name, value, 10, 60'000, o.moveTimeMs);
    if (name == "--max-plies") return setNumber(name, value, 20, 5000, o.maxPlies);
    if (name != "--stockfish" && name != "--results") return "unknown option " + std::string(name);
    if (value.empty()) return std::string(name) + ": no path";
    (name == "--stockfish" ? o.enginePath : o.resultsPath) = value;
    return {};
}

}  // namespace

std::string parseOptions(const std::vector<std::string_view>& args, MatchOptions& o) {
    o.levels = {LevelEasy, LevelMedium, LevelHard};
    o.opponents.clear();
    readStrengths("0", Strength::Kind::Skill, o.opponents);
    readStrengths("1350,1500", Strength::Kind::Elo, o.opponents);
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        if (name == "--help" || name == "-h") o.help = true;
        else if (name == "--report") o.reportOnly = true;
        else {
            const std::size_t equals = name.find('=');
            std::string_view value;
            if (equals != std::string_view::npos) value = name.substr(equals + 1), name = name.substr(0, equals);
            else if (i + 1 < args.size() && name.starts_with("--")) value = args[++i];
            else return "unknown option or missing value: " + std::string(name);
            if (std::string failure = readValued(name, value, o); !failure.empty()) return failure;
        }
    }
    if (o.levels.empty()) return "--levels: no level";
    if (o.opponents.empty()) return "no opponents: --elo and --skill are both none";
    if (o.reportOnly && o.resultsPath.empty()) return "--report needs --results FILE";
    return {};
}

std::string levelName(int level) {
    if (level == LevelEasy) return "Easy";
    if (level == LevelMedium) return "Medium";
    if (level == LevelHard) return "Hard";
    return "Level " + std::to_string(level);
}

std::string helpText() {
    return R"(Usage: strength_match [options]

Plays the built-in computer at each level against a UCI engine under standard
chess rules and estimates each level's Elo from its results.

  --levels LIST     easy,medium,hard (the default), or levels 1 to 9
  --elo LIST        the engine's UCI_Elo steps (default 1350,1500), or none;
                    Stockfish 15.1 offers none under 1350
  --skill LIST      the engine's Skill Level steps, UCI_LimitStrength off
                    (default 0), or none; they have no official Elo and are
                    reported as scores only. Skill Level 0 is the engine's
                    weakest: the higher steps are stronger, not weaker
  --games N         games per pairing of a level and an opponent (default 24);
                    the openings in turn, each once with either colour
  --seed N          the order of the openings (default 1)
  --movetime MS     the engine's time per move, "go movetime MS" (default 100)
  --max-plies N     a game this long is a draw (default 200)
  --stockfish PATH  the engine (default /usr/games/stockfish)
  --results FILE    record every game in FILE; a run given a FILE that holds
                    games plays only the games still missing
  --report          play nothing: summarise the games in --results FILE
  --help            this text

A game ends by checkmate, stalemate, threefold repetition, the fifty-move rule,
too little material to mate, or the ply cap; a side that times out, dies,
names an illegal move or finds no move loses it. UCI_Elo is calibrated by its
makers at a much slower time control than a fixed short time per move, so the
Elo figures are an estimate.
)";
}

}  // namespace orbel::strength
