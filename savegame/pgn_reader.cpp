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

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
// What ends a word of movetext or a tag's name.
bool endsToken(char c) { return isSpace(c) || std::string_view("{}()[];$\"").find(c) != std::string_view::npos; }

class PgnReader {
public:
    PgnReader(std::string_view text, RuleSet rules) : text_(text) { start_.rules = position_.rules = rules; }

    // Did the Result tag or the movetext's end say "1/2-1/2"?
    bool drawn() const { return drawn_; }

    std::string read(ImportedGame& game) {
        std::string error = readTags();
        if (error.empty()) error = readMovetext();
        if (!error.empty()) return error;
        if (!sawAnything_) return "No game or position was found in the text.";
        game.start = start_;
        game.moves = std::move(moves_);
        game.final = position_;
        return {};
    }

private:
    std::string at(const std::string& what) const { return onLine(line_, what); }
    static std::string onLine(std::size_t line, const std::string& what) {
        return "Line " + std::to_string(line) + ": " + what;
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
            if (name.empty() || done() || peek() != '"') return at("a tag pair must be [Name \"value\"].");
            for (step(); !done() && peek() != '"' && peek() != '\n'; step()) {
                if (peek() == '\\' && next_ + 1 < text_.size() && text_[next_ + 1] != '\n') step();
                value += peek();
            }
            if (done() || peek() != '"') return at("a tag's value is not closed on its line.");
            step();
            skipSpace();
            if (done() || peek() != ']') return onLine(tagLine, "a tag pair is not closed with ].");
            step();
            sawAnything_ = true;
            if (name == "Result" && value == "1/2-1/2") drawn_ = true;
            if (name != "FEN") continue;
            if (haveFen) return at("the game has two FEN tags.");
            haveFen = true;
            if (std::string problem = readFen(value, start_); !problem.empty()) {
                return at("the FEN tag cannot be read: " + problem + ".");
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
                if (done()) return onLine(startLine, "a comment is not closed with }.");
                step();
                continue;
            case ';':
                while (!done() && peek() != '\n') step();
                continue;
            case '(': ++depth; step(); continue;
            case ')':
                if (depth == 0) return at("a ) has no ( before it.");
                --depth;
                step();
                continue;
            case '$': step(); token(); continue;
            case '[':
                if (depth > 0) return at("a variation is not closed with ).");
                return {};  // the next game's tags
            case '}': case ']': case '"': return at(std::string("a ") + peek() + " is out of place.");
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
        return depth > 0 ? at("a variation is not closed with ).") : std::string();
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
        const MoveTextReading r = readMoveText(position_, word, MoveTextRules::Pgn);
        const std::string label = moveLabel() + " " + quotedText(word);
        if (r.outcome == MoveTextReading::Outcome::Several) {
            return "Move " + label + " is ambiguous. " + r.message + ".";
        }
        if (r.outcome == MoveTextReading::Outcome::None) {
            if (r.reason == "not a move") return at("\"" + quotedText(word) + "\" is not a move.");
            return "Move " + label + " cannot be played: " + r.reason + ".";
        }
        if (moves_.size() >= MaxImportPlies) {
            return "The game is longer than " + std::to_string(MaxImportPlies) + " half-moves, too long to open.";
        }
        moves_.push_back(r.move);
        position_ = afterMove(position_, r.move);
        return {};
    }

    std::string moveLabel() const {
        return std::to_string(position_.fullMove) + (position_.toMove == Side::White ? "." : "...");
    }

    std::string_view text_;
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

std::string readGameText(std::string_view text, ImportedGame& game, RuleSet preferred) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 byte order mark
    ImportedGame read;
    if (looksLikeFen(text)) {
        StandardPosition p;
        p.rules = preferred;
        if (std::string problem = readFen(text, p); !problem.empty()) return "The FEN cannot be read: " + problem + ".";
        read = {p, {}, p};
    } else {
        PgnReader first(text, preferred);
        std::string error = first.read(read);
        // A draw is a result only standard chess gives.
        if (!error.empty() || (first.drawn() && read.start.rules != RuleSet::Standard)) {
            const RuleSet otherRules = preferred == RuleSet::Orbel ? RuleSet::Standard : RuleSet::Orbel;
            ImportedGame again;
            const std::string otherError = PgnReader(text, otherRules).read(again);
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
