// Reading a PGN's first game, or a FEN. Everything a stranger's file can hold
// is met with a sentence for the user, never a partial game: the result is
// built aside and handed over only when the whole text has read.
#include <algorithm>
#include <string>

#include "game/notation/san.h"
#include "game/notation/fen.h"
#include "savegame/pgn.h"

namespace orbel {
namespace {

// The contexts of the translators' texts. Looked up by name, not by a
// literal: lupdate would take tr("orbel::...", ...) for a text of its own.
constexpr const char* ReaderContext = "orbel::PgnReader";

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
// What ends a word of movetext or a tag's name.
bool endsToken(char c) { return isSpace(c) || std::string_view("{}()[];$\"").find(c) != std::string_view::npos; }

class PgnReader {
public:
    PgnReader(std::string_view text, RuleSet rules, Translate tr) : text_(text), tr_(tr) {
        start_.rules = position_.rules = rules;
    }

    // Did the Result tag or the movetext's end say "1/2-1/2"?
    bool drawn() const { return drawn_; }

    std::string read(ImportedGame& game) {
        std::string error = readTags();
        if (error.empty()) error = readMovetext();
        if (!error.empty()) return error;
        if (!sawAnything_) return wrong(ORBEL_WORD("orbel::PgnReader", "No game or position was found in the text."));
        game.start = start_;
        game.moves = std::move(moves_);
        game.final = position_;
        return {};
    }

private:
    // Why the text cannot be read, as a box shows it to the user.
    std::string wrong(const char* english) const { return tr_(ReaderContext, english); }
    std::string at(const std::string& what) const { return onLine(line_, what); }
    std::string onLine(std::size_t line, const std::string& what) const {
        // The line of the text, then what is wrong there.
        return fill(wrong(ORBEL_WORD("orbel::PgnReader", "Line %1: %2")), {std::to_string(line), what});
    }
    bool done() const { return next_ >= text_.size(); }
    char peek() const { return text_[next_]; }
    void step() {
        if (text_[next_++] == '\n') ++line_;
    }

    // White space, and lines that begin with '%' (PGN's escape).
    void skipSpace() {
        while (!done()) {
            const bool lineStart = next_ == 0 || text_[next_ - 1] == '\n';
            if (lineStart && peek() == '%') {
                while (!done() && peek() != '\n') step();
            } else if (isSpace(peek())) {
                step();
            } else {
                return;
            }
        }
    }

    std::string_view token() {
        const std::size_t from = next_;
        while (!done() && !endsToken(peek())) step();
        return text_.substr(from, next_ - from);
    }

    std::string readTags() {
        bool haveFen = false;
        for (skipSpace(); !done() && peek() == '['; skipSpace()) {
            const std::size_t tagLine = line_;
            step();
            skipSpace();
            const std::string_view name = token();
            skipSpace();
            std::string value;
            if (name.empty() || done() || peek() != '"')
                return at(wrong(ORBEL_WORD("orbel::PgnReader", "a tag pair must be [Name \"value\"].")));
            for (step(); !done() && peek() != '"' && peek() != '\n'; step()) {
                if (peek() == '\\' && next_ + 1 < text_.size() && text_[next_ + 1] != '\n') step();
                value += peek();
            }
            if (done() || peek() != '"')
                return at(wrong(ORBEL_WORD("orbel::PgnReader", "a tag's value is not closed on its line.")));
            step();
            skipSpace();
            if (done() || peek() != ']')
                return onLine(tagLine, wrong(ORBEL_WORD("orbel::PgnReader", "a tag pair is not closed with ].")));
            step();
            sawAnything_ = true;
            if (name == "Result" && value == "1/2-1/2") drawn_ = true;
            if (name != "FEN") continue;
            if (haveFen) return at(wrong(ORBEL_WORD("orbel::PgnReader", "the game has two FEN tags.")));
            haveFen = true;
            if (std::string problem = readFen(value, start_); !problem.empty()) {
                return at(fill(wrong(ORBEL_WORD("orbel::PgnReader", "the FEN tag cannot be read: %1.")), {problem}));
            }
            position_ = start_;
        }
        return {};
    }

    std::string readMovetext() {
        std::size_t depth = 0;  // variations entered (as many as the text has bytes)
        for (skipSpace(); !done(); skipSpace()) {
            const std::size_t startLine = line_;
            switch (peek()) {
            case '{':
                while (!done() && peek() != '}') step();
                if (done())
                    return onLine(startLine, wrong(ORBEL_WORD("orbel::PgnReader", "a comment is not closed with }.")));
                step();
                continue;
            case ';':
                while (!done() && peek() != '\n') step();
                continue;
            case '(': ++depth; step(); continue;
            case ')':
                if (depth == 0) return at(wrong(ORBEL_WORD("orbel::PgnReader", "a ) has no ( before it.")));
                --depth;
                step();
                continue;
            case '$': step(); token(); continue;
            case '[':
                if (depth > 0) return at(wrong(ORBEL_WORD("orbel::PgnReader", "a variation is not closed with ).")));
                return {};  // the next game's tags
            case '}': case ']': case '"':
                // A bracket or quote mark with nothing it belongs to.
                return at(fill(wrong(ORBEL_WORD("orbel::PgnReader", "a %1 is out of place.")),
                               {text_.substr(next_, 1)}));
            default: break;
            }
            const std::string_view word = token();
            if (depth > 0) continue;
            if (isResult(word)) {
                drawn_ = drawn_ || word == "1/2-1/2";
                return {};
            }
            if (std::string error = playWord(word); !error.empty()) return error;
        }
        if (depth == 0) return {};
        return at(wrong(ORBEL_WORD("orbel::PgnReader", "a variation is not closed with ).")));
    }

    static bool isResult(std::string_view w) { return w == "1-0" || w == "0-1" || w == "1/2-1/2" || w == "*"; }

    // A word of movetext: a move number, "...", a move, or a number glued to
    // its move ("1.e4").
    std::string playWord(std::string_view word) {
        std::size_t digits = 0;
        while (digits < word.size() && word[digits] >= '0' && word[digits] <= '9') ++digits;
        std::size_t dots = digits;
        while (dots < word.size() && word[dots] == '.') ++dots;
        if (dots > digits || digits == word.size()) word.remove_prefix(dots);
        if (word.empty()) return {};
        sawAnything_ = true;
        const MoveTextReading r = readMoveText(position_, word, MoveTextRules::Pgn, {}, tr_);
        const std::string label = moveLabel() + " " + quotedText(word);
        if (r.outcome == MoveTextReading::Outcome::Several) {
            return fill(wrong(ORBEL_WORD("orbel::PgnReader", "Move %1 is ambiguous. %2.")), {label, r.message});
        }
        if (r.outcome == MoveTextReading::Outcome::None) {
            if (r.why == MoveTextReading::Why::NotAMove)
                return at(fill(wrong(ORBEL_WORD("orbel::PgnReader", "\"%1\" is not a move.")), {quotedText(word)}));
            return fill(wrong(ORBEL_WORD("orbel::PgnReader", "Move %1 cannot be played: %2.")), {label, r.reason});
        }
        if (moves_.size() >= MaxImportPlies) {
            const char* tooLong =
                ORBEL_WORD("orbel::PgnReader", "The game is longer than %1 half-moves, too long to open.");
            return fill(wrong(tooLong), {std::to_string(MaxImportPlies)});
        }
        moves_.push_back(r.move);
        position_ = afterMove(position_, r.move);
        return {};
    }

    std::string moveLabel() const {
        return std::to_string(position_.fullMove) + (position_.toMove == Side::White ? "." : "...");
    }

    std::string_view text_;
    Translate tr_;
    std::size_t next_ = 0;
    std::size_t line_ = 1;
    bool sawAnything_ = false;
    bool drawn_ = false;
    StandardPosition start_ = initialPosition();
    StandardPosition position_ = start_;
    std::vector<StandardMove> moves_;
};

bool looksLikeFen(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || text[start] == '[') return false;
    const std::size_t end = std::min(text.find_first_of(" \t\r\n", start), text.size());
    return text.substr(start, end - start).find('/') != std::string_view::npos;
}

}  // namespace

std::string readGameText(std::string_view text, ImportedGame& game, RuleSet preferred, Translate tr) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 byte order mark
    ImportedGame read;
    if (looksLikeFen(text)) {
        StandardPosition p;
        p.rules = preferred;
        if (std::string problem = readFen(text, p); !problem.empty()) {
            const char* cannot = ORBEL_WORD("orbel::PgnReader", "The FEN cannot be read: %1.");
            return fill(tr(ReaderContext, cannot), {problem});
        }
        read = {p, {}, p};
    } else {
        PgnReader first(text, preferred, tr);
        std::string error = first.read(read);
        // A draw is a result only standard chess gives.
        if (!error.empty() || (first.drawn() && read.start.rules != RuleSet::Standard)) {
            const RuleSet otherRules = preferred == RuleSet::Orbel ? RuleSet::Standard : RuleSet::Orbel;
            ImportedGame again;
            const std::string otherError = PgnReader(text, otherRules, tr).read(again);
            if (otherError.empty()) {
                read = std::move(again);
            } else if (!error.empty()) {
                // The user hears why this program's rules refuse the text.
                return preferred == RuleSet::Orbel ? error : otherError;
            }
        }
    }
    read.needsStandardRules = preferred == RuleSet::Orbel && read.start.rules == RuleSet::Standard;
    game = std::move(read);
    return {};
}

}  // namespace orbel
