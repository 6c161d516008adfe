#include "tools/strength/match_record.h"

#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>

namespace orbel::strength {

namespace {

constexpr std::string_view SettingsMark = "# strength_match";
constexpr std::size_t FieldCount = 11;

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    for (std::size_t at = 0; at <= line.size();) {
        const std::size_t end = std::min(line.find('\t', at), line.size());
        out.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

std::optional<long long> number(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string settingsLine(const MatchSettings& s) {
    return std::string(SettingsMark) + " movetime=" + std::to_string(s.moveTimeMs) +
           " max-plies=" + std::to_string(s.maxPlies) + " seed=" + std::to_string(s.seed);
}

std::optional<MatchSettings> readSettings(std::string_view line) {
    std::istringstream words{std::string(line.substr(SettingsMark.size()))};
    MatchSettings s;
    int found = 0;
    for (std::string word; words >> word;) {
        const std::size_t equals = word.find('=');
        const long long n = equals == std::string::npos ? -1 : number(word.substr(equals + 1)).value_or(-1);
        const std::string key = word.substr(0, equals);
        if (n < 0 || n > 4'294'967'295LL) return std::nullopt;
        if (key == "movetime") s.moveTimeMs = static_cast<int>(std::min(n, 60'000LL)), found |= 1;
        else if (key == "max-plies") s.maxPlies = static_cast<int>(std::min(n, 5000LL)), found |= 2;
        else if (key == "seed") s.seed = static_cast<unsigned>(n), found |= 4;
    }
    return found == 7 ? std::optional(s) : std::nullopt;
}

std::optional<double> readScore(std::string_view text) {
    if (text == "1") return 1.0;
    if (text == "0.5") return 0.5;
    if (text == "0") return 0.0;
    return std::nullopt;
}

std::optional<GameRecord> readRecord(std::string_view line) {
    const std::vector<std::string_view> f = fields(line);
    if (f.size() != FieldCount) return std::nullopt;
    GameRecord r;
    const std::optional<long long> level = number(f[0]), value = number(f[2]), index = number(f[3]),
                                   plies = number(f[6]);
    const std::optional<double> score = readScore(f[5]);
    const bool kindKnown = f[1] == "elo" || f[1] == "skill", sideKnown = f[4] == "white" || f[4] == "black";
    const bool faultKnown = f[7] == "-" || f[7] == "engine" || f[7] == "computer" || f[7] == "resigned";
    if (!level || !value || !index || !plies || !score || !kindKnown || !sideKnown || !faultKnown) return std::nullopt;
    if (*level < 1 || *level > 9 || *value < 0 || *value > 4000 || *index < 0 || *index > 100'000 || *plies < 0)
        return std::nullopt;
    r.level = static_cast<int>(*level);
    r.opponent = {f[1] == "elo" ? Strength::Kind::Elo : Strength::Kind::Skill, static_cast<int>(*value)};
    r.index = static_cast<int>(*index);
    r.computerSide = f[4] == "white" ? Side::White : Side::Black;
    r.score = *score;
    r.plies = static_cast<int>(std::min<long long>(*plies, 100'000));
    r.engineFault = f[7] == "engine";
    r.computerFault = f[7] == "computer";
    r.computerResigned = f[7] == "resigned";
    r.reason = f[8], r.opening = f[9], r.moves = f[10];
    return r;
}

std::string recordLine(const GameRecord& r) {
    const char* score = r.score == 1.0 ? "1" : r.score == 0.0 ? "0" : "0.5";
    const char* fault = r.engineFault ? "engine" : r.computerFault ? "computer" : r.computerResigned ? "resigned" : "-";
    std::ostringstream line;
    line << r.level << '\t' << (r.opponent.kind == Strength::Kind::Elo ? "elo" : "skill") << '\t'
         << r.opponent.value << '\t' << r.index << '\t' << (r.computerSide == Side::White ? "white" : "black") << '\t'
         << score << '\t' << r.plies << '\t' << fault << '\t' << r.reason << '\t' << r.opening << '\t' << r.moves
         << '\n';
    return line.str();
}

}  // namespace

std::string readRecords(const std::string& path, MatchSettings& settings, std::vector<GameRecord>& records,
                        bool& exists) {
    records.clear();
    std::ifstream in(path);
    exists = static_cast<bool>(in);
    if (!exists) return {};
    std::string line;
    int number = 0;
    for (bool first = true; std::getline(in, line); first = false) {
        ++number;
        const std::string where = path + ":" + std::to_string(number) + ": ";
        if (first) {
            const std::optional<MatchSettings> read =
                line.starts_with(SettingsMark) ? readSettings(line) : std::nullopt;
            if (!read) return where + "not a results file of strength_match (no settings line)";
            settings = *read;
        } else if (!line.empty() && line[0] != '#') {
            const std::optional<GameRecord> record = readRecord(line);
            if (!record) return where + "not a game's line";
            records.push_back(*record);
        }
    }
    if (number == 0) return path + ": empty, not a results file of strength_match";
    return {};
}

std::string startRecords(const std::string& path, const MatchSettings& settings) {
    std::ofstream out(path, std::ios::trunc);
    out << settingsLine(settings) << '\n'
        << "# level\topponent\tvalue\tgame\tcomputer\tscore\tplies\tfault\treason\topening\tmoves\n";
    out.flush();
    return out ? "" : "cannot write " + path;
}

std::string appendRecord(const std::string& path, const GameRecord& record) {
    std::ofstream out(path, std::ios::app);
    // One write for the line: a run stopped meanwhile leaves no half line.
    const std::string line = recordLine(record);
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.flush();
    return out ? "" : "cannot write " + path;
}

}  // namespace orbel::strength
