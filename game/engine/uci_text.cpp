#include "game/engine/uci_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "game/notation/san.h"
#include "game/notation/fen.h"

namespace orbel::uci {

namespace {

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The text after `w[first]` to the line's end, as the engine wrote it.
std::string restOf(std::string_view line, const std::vector<std::string_view>& w, std::size_t first) {
    if (first >= w.size()) return {};
    const std::size_t from = static_cast<std::size_t>(w[first].data() - line.data());
    return std::string(line.substr(from));
}

const Option* findOption(const std::vector<Option>& options, std::string_view name, std::string_view type) {
    for (const Option& o : options)
        if (o.type == type && std::equal(o.name.begin(), o.name.end(), name.begin(), name.end(),
                                         [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
            return &o;
    return nullptr;
}

// "option name NAME type T [default D] [min A] [max B] [var V]...": a name
// may hold spaces, so it runs to the word "type".
std::optional<Option> readOption(const std::vector<std::string_view>& w) {
    if (w.size() < 5 || w[1] != "name") return std::nullopt;
    Option o;
    std::size_t i = 2;
    for (; i < w.size() && w[i] != "type"; ++i) o.name += (o.name.empty() ? "" : " ") + std::string(w[i]);
    if (o.name.empty() || i + 1 >= w.size()) return std::nullopt;
    o.type = w[i + 1];
    for (i += 2; i + 1 < w.size(); ++i) {
        const std::optional<int> n = number(w[i + 1]);
        if (w[i] == "default" && n) o.standard = *n;
        else if (w[i] == "min" && n) o.min = *n;
        else if (w[i] == "max" && n) o.max = *n;
    }
    return o;
}

Info readInfo(const std::vector<std::string_view>& w) {
    Info info;
    for (std::size_t i = 1; i < w.size(); ++i) {
        if (w[i] == "string") break;  // free text to the end
        const std::optional<int> n = i + 1 < w.size() ? number(w[i + 1]) : std::nullopt;
        if (w[i] == "depth" && n) info.depth = *n;
        else if (w[i] == "score" && i + 2 < w.size()) {
            const std::optional<int> value = number(w[i + 2]);
            if (w[i + 1] == "cp" && value) info.centipawns = value;
            if (w[i + 1] == "mate" && value) info.mateIn = value;
            i += 2;
        } else if (w[i] == "pv") {
            for (++i; i < w.size() && info.pv.size() < MaxPvMoves; ++i) info.pv.emplace_back(w[i]);
            break;
        }
    }
    return info;
}

}  // namespace

std::string moveText(const StandardMove& move) {
    std::string text = std::string(squareName(move.from)) + std::string(squareName(move.to));
    if (move.promotes) text += "??nbrq"[std::clamp(static_cast<int>(move.promotion), 0, 5)];
    return text;
}

std::optional<StandardMove> readMove(const StandardPosition& position, std::string_view text) {
    if (text.size() != 4 && text.size() != 5) return std::nullopt;
    const auto square = [&](std::size_t at) {
        const char file = text[at], rank = text[at + 1];
        return file >= 'a' && file <= 'h' && rank >= '1' && rank <= '8' ? squareAt(file - 'a', rank - '1') : -1;
    };
    const int from = square(0), to = square(2);
    if (from < 0 || to < 0) return std::nullopt;
    std::vector<StandardMove> moves;
    legalMoves(position, moves, MoveFilter{NoPiece, to});
    for (const StandardMove& m : moves) {
        if (m.from != from) continue;
        if (!m.promotes && text.size() == 4) return m;
        if (m.promotes && text.size() == 5 && moveText(m).back() == text[4]) return m;
    }
    return std::nullopt;
}

std::string positionCommand(const StandardPosition& start, const std::vector<StandardMove>& moves) {
    std::string command = "position fen " + writeFen(start);
    if (!moves.empty()) command += " moves";
    for (const StandardMove& m : moves) command += " " + moveText(m);
    return command;
}

std::string goCommand(const GoLimits& limits) {
    if (!limits.clocks) return "go movetime " + std::to_string(std::max(1, limits.moveTimeMs));
    std::string command = "go wtime " + std::to_string(std::max(0LL, limits.whiteMs)) + " btime " +
                          std::to_string(std::max(0LL, limits.blackMs)) + " winc " +
                          std::to_string(limits.whiteIncrementMs) + " binc " + std::to_string(limits.blackIncrementMs);
    if (limits.movesToGo > 0) command += " movestogo " + std::to_string(limits.movesToGo);
    return command;
}

int goDeadlineMs(const GoLimits& limits, Side toMove) {
    constexpr int Margin = 5000;
    if (!limits.clocks) return std::max(1, limits.moveTimeMs) + Margin;
    const long long left = toMove == Side::White ? limits.whiteMs + limits.whiteIncrementMs
                                                 : limits.blackMs + limits.blackIncrementMs;
    return static_cast<int>(std::clamp(left, 0LL, 24LL * 3600 * 1000)) + Margin;
}

Line readLine(std::string_view text) {
    Line line;
    if (text.size() > MaxLineLength) return line;
    const std::vector<std::string_view> w = whiteSpaceFields(text);
    if (w.empty()) return line;
    using K = Line::Kind;
    if (w[0] == "uciok" && w.size() == 1) line.kind = K::UciOk;
    else if (w[0] == "readyok" && w.size() == 1) line.kind = K::ReadyOk;
    else if (w[0] == "id" && w.size() >= 3 && (w[1] == "name" || w[1] == "author")) {
        line.kind = w[1] == "name" ? K::IdName : K::IdAuthor;
        line.text = restOf(text, w, 2);
    } else if (w[0] == "bestmove" && w.size() >= 2) {
        line.kind = K::BestMove;
        line.text = w[1];
    } else if (w[0] == "info") {
        line.kind = K::Info;
        line.info = readInfo(w);
    } else if (w[0] == "option") {
        if (std::optional<Option> o = readOption(w)) line.kind = K::Option, line.option = std::move(*o);
    }
    return line;
}

std::vector<std::string> strengthCommands(const std::vector<Option>& options, std::optional<int> elo) {
    const Option* limit = findOption(options, "UCI_LimitStrength", "check");
    const Option* rating = findOption(options, "UCI_Elo", "spin");
    const Option* skill = findOption(options, "Skill Level", "spin");
    if (!elo) {
        std::vector<std::string> full;
        if (limit) full.push_back("setoption name UCI_LimitStrength value false");
        if (skill) full.push_back("setoption name Skill Level value " + std::to_string(skill->max));
        return full;
    }
    if (limit && rating && *elo >= rating->min) {
        return {"setoption name UCI_LimitStrength value true",
                "setoption name UCI_Elo value " + std::to_string(std::min(*elo, rating->max))};
    }
    if (skill) {
        // Linear from its lowest level at 1000 to its highest at 2850; under
        // UCI_Elo's floor, its lowest.
        const double share = rating ? 0.0 : std::clamp((*elo - 1000) / 1850.0, 0.0, 1.0);
        const int level = skill->min + static_cast<int>(std::lround(share * (skill->max - skill->min)));
        std::vector<std::string> commands;
        if (limit) commands.push_back("setoption name UCI_LimitStrength value false");
        commands.push_back("setoption name Skill Level value " + std::to_string(level));
        return commands;
    }
    return {};
}

std::string brainText(const StandardPosition& position, const Info& info, Translate tr) {
    constexpr const char* Context = "orbel::Brain";
    std::string text = "Brain:\n";
    StandardPosition at = position;
    for (std::size_t ply = 0; ply < std::min(info.pv.size(), BrainPlies); ++ply) {
        const std::optional<StandardMove> move = readMove(at, info.pv[ply]);
        if (!move) break;
        if (at.toMove == Side::White) text += std::to_string(at.fullMove) + ". ";
        else if (at == position) text += std::to_string(at.fullMove) + "... ";
        text += sanText(at, *move) + " ";
        at = afterMove(at, *move);
    }
    if (text.back() == ' ') text.pop_back();
    text += "\n\nValue: ";
    if (info.mateIn) {
        const int moves = std::abs(*info.mateIn);
        text += fill(*info.mateIn > 0 ? tr(Context, ORBEL_WORD("orbel::Brain", "mate in %1"))
                                      : tr(Context, ORBEL_WORD("orbel::Brain", "mated in %1")),
                     {std::to_string(moves)});
    } else if (info.centipawns) {
        const int cp = *info.centipawns;
        char value[32];
        std::snprintf(value, sizeof value, "%c%d.%02d", cp < 0 ? '-' : '+', std::abs(cp) / 100, std::abs(cp) % 100);
        text += value;
    } else {
        text += "?";
    }
    return fill(tr(Context, ORBEL_WORD("orbel::Brain", "%1, depth %2")), {text, std::to_string(info.depth)});
}

int strengthMoveTimeMs(const std::vector<Option>& options, std::optional<int> elo) {
    const bool weakens = findOption(options, "UCI_Elo", "spin") || findOption(options, "Skill Level", "spin");
    if (!elo || weakens) return 1000;
    const double share = std::clamp((*elo - 1000) / 1500.0, 0.0, 1.0);
    return static_cast<int>(std::lround(50.0 * std::pow(40.0, share)));
}

}  // namespace orbel::uci
