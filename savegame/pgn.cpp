#include "savegame/pgn.h"

#include <algorithm>

#include "game/clock/clock_text.h"
#include "game/notation/san.h"
#include "rules/draws.h"
#include "game/notation/fen.h"

namespace orbel {
namespace {

// The contexts of the translators' texts. Looked up by name, not by a
// literal: lupdate would take tr("orbel::...", ...) for a text of its own.
constexpr const char* WriterContext = "orbel::PgnWriter";
constexpr const char* RulesContext = "orbel::Rules";

constexpr std::size_t MaxLine = 80;
constexpr std::size_t MaxTagValue = 255;

bool isResult(std::string_view token) {
    return token == "1-0" || token == "0-1" || token == "1/2-1/2" || token == "*";
}

// A tag value as PGN quotes it; never cut inside a UTF-8 sequence.
std::string tagValue(std::string_view value) {
    std::string out;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        const bool escaped = c == '"' || c == '\\';
        if (out.size() + (escaped ? 2 : 1) > MaxTagValue) {
            // Cut before a UTF-8 sequence rather than inside it.
            while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80) out.pop_back();
            if (!out.empty() && static_cast<unsigned char>(out.back()) >= 0xC0) out.pop_back();
            break;
        }
        if (escaped) out += '\\';
        out += byte < 0x20 || byte == 0x7f ? ' ' : c;
    }
    return out;
}

std::string moveLabel(const StandardPosition& p) {
    return std::to_string(p.fullMove) + (p.toMove == Side::White ? "." : "...");
}

// Words joined by spaces in lines of at most MaxLine characters.
std::string wrapped(const std::vector<std::string>& words) {
    std::string text, line;
    for (const std::string& w : words) {
        if (!line.empty() && line.size() + 1 + w.size() > MaxLine) {
            text += line + '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + w;
    }
    return text + line + '\n';
}

void addComment(std::vector<std::string>& words, const std::string& comment) {
    std::size_t at = 0;
    bool first = true;
    while (at < comment.size()) {
        const std::size_t end = std::min(comment.find(' ', at), comment.size());
        words.push_back((first ? "{" : "") + comment.substr(at, end - at));
        first = false;
        at = end + 1;
    }
    words.back() += '}';
}

// The movetext up to the first move standard chess forbids; the reason for
// stopping early, or "". `reached` is where the written moves lead.
std::string movetext(const StandardPosition& start, const std::vector<StandardMove>& moves,
                     const std::vector<std::int64_t>& clocks, std::vector<std::string>& words,
                     StandardPosition& reached, Translate tr) {
    // The reason is the user's, in their language; the file's comment stays English.
    if (const char* problem = positionProblem(start)) {
        addComment(words, std::string("Not a position of standard chess: ") + problem);
        const char* cannot =
            ORBEL_WORD("orbel::PgnWriter", "The game cannot be exported for other chess programs: %1.");
        return fill(tr(WriterContext, cannot), {tr(RulesContext, problem)});
    }
    StandardPosition& p = reached = start;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const StandardMove& m = moves[i];
        if (const char* refusal = standardChessRefusal(p, m)) {
            // A castle reads as one whatever the rights say; other moves the
            // position cannot make are named by their squares.
            const std::string text = m.castle != Castle::None || isLegalMove(p, m)
                                         ? sanText(p, m, false)
                                         : std::string(squareName(m.from)) + std::string(squareName(m.to));
            const std::string move = moveLabel(p) + " " + text;
            addComment(words, "This game went on with " + move + ", which standard chess does not allow: " + refusal +
                                  ". Position reached: " + writeFen(p));
            // The move by its number and notation ("12... O-O"), then why standard chess forbids it.
            const char* stops = ORBEL_WORD(
                "orbel::PgnWriter", "The exported game stops before %1, which standard chess does not allow: %2.");
            return fill(tr(WriterContext, stops), {move, tr(RulesContext, refusal)});
        }
        if (p.toMove == Side::White || i == 0) words.push_back(moveLabel(p));
        words.push_back(sanText(p, m));
        if (i < clocks.size()) words.push_back("{[%clk " + clockComment(clocks[i]) + "]}");
        p = afterMove(p, m);
    }
    return {};
}

}  // namespace

PgnExport writePgn(const StandardPosition& start, const std::vector<StandardMove>& moves, const PgnTags& tags,
                   SetUpTags setUp, const std::vector<std::int64_t>& clocks, Translate tr) {
    PgnExport out;
    std::vector<std::string> words;
    StandardPosition reached;
    out.partialReason = movetext(start, moves, clocks, words, reached, tr);
    std::string result = out.partialReason.empty() && isResult(tags.result) ? tags.result : "*";
    // A game that ends in mate or stalemate has only one result in standard
    // chess, whatever the caller knew.
    if (out.partialReason.empty() && isCheckmate(reached)) result = reached.toMove == Side::White ? "0-1" : "1-0";
    if (out.partialReason.empty() && isStalemate(reached)) result = "1/2-1/2";
    // So does one that standard chess ends in a draw by itself.
    if (out.partialReason.empty() && start.rules == RuleSet::Standard &&
        automaticDraw(reached, repetitionHistory(start, moves)) != DrawReason::None) {
        result = "1/2-1/2";
    }
    words.push_back(result);

    const std::pair<const char*, std::string_view> roster[] = {
        {"Event", tags.event}, {"Site", tags.site},   {"Date", tags.date},  {"Round", tags.round},
        {"White", tags.white}, {"Black", tags.black}, {"Result", result}};
    for (const auto& [name, value] : roster) out.text += std::string("[") + name + " \"" + tagValue(value) + "\"]\n";
    const std::string fen = writeFen(start);
    if (setUp == SetUpTags::Always || fen != writeFen(initialPosition())) {
        out.text += "[SetUp \"1\"]\n[FEN \"" + fen + "\"]\n";
    }
    const std::pair<const char*, std::string_view> more[] = {{"TimeControl", tags.timeControl},
                                                             {"Termination", tags.termination}};
    for (const auto& [name, value] : more)
        if (!value.empty()) out.text += std::string("[") + name + " \"" + tagValue(value) + "\"]\n";
    out.text += '\n' + wrapped(words);
    return out;
}

}  // namespace orbel
