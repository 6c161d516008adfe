#include "savegame/saved_game.h"

#include <cstddef>
#include <cstdint>
#include <optional>

#include "rules/held_frame.h"

namespace orbel {
namespace {

bool isWhiteSpace(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The file's words in order, knowing how many are still to come, so that a
// count can be checked against the words that are really there.
class Words {
public:
    explicit Words(std::string_view bytes) noexcept : rest_(bytes) {
        for (Words all = *this; !all.take().empty();) ++left_;
    }

    std::size_t left() const noexcept { return left_; }

    // The next word; empty when none is left.
    std::string_view next() noexcept {
        const std::string_view word = take();
        if (!word.empty()) --left_;
        return word;
    }

private:
    std::string_view take() noexcept {
        std::size_t start = 0;
        while (start < rest_.size() && isWhiteSpace(rest_[start])) ++start;
        std::size_t end = start;
        while (end < rest_.size() && !isWhiteSpace(rest_[end])) ++end;
        const std::string_view word = rest_.substr(start, end - start);
        rest_.remove_prefix(end);
        return word;
    }

    std::string_view rest_;
    std::size_t left_ = 0;
};

// A word that is wholly a decimal number within 32-bit int: an optional sign,
// then digits only.
std::optional<int> toNumber(std::string_view word) noexcept {
    bool negative = false;
    if (!word.empty() && (word.front() == '-' || word.front() == '+')) {
        negative = word.front() == '-';
        word.remove_prefix(1);
    }
    if (word.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> readNumber(Words& words) noexcept { return toNumber(words.next()); }

bool isValidSquare(int owner, int kind) noexcept {
    if (owner == Empty) return kind == NoPiece;
    return (owner == Own || owner == Enemy) && kind >= Pawn && kind <= King;
}

bool readFlag(Words& words, bool& flag) noexcept {
    const std::optional<int> value = readNumber(words);
    if (!value || (*value != 0 && *value != 1)) return false;
    flag = *value == 1;
    return true;
}

// Takes `count` move texts (the caller has checked that they are there) into
// the list as a whole, or leaves the list as it was when one is too long.
bool readList(Words& words, int count, MoveHistory& list) {
    Words check = words;
    for (int i = 0; i < count; ++i) {
        if (check.next().size() > MaxMoveTextLength) return false;
    }
    list.clear();
    for (int i = 0; i < count; ++i) list.setLine(i, std::string(words.next()));
    list.count = count;
    return true;
}

void appendNumber(std::string& out, int value) { out += std::to_string(value); }

void appendLines(std::string& out, const MoveHistory& list) {
    for (int i = 0; i < list.count; ++i) {
        out += ' ';
        if (static_cast<std::size_t>(i) < list.lines.size()) out += list.lines[static_cast<std::size_t>(i)];
        out += ' ';
    }
}

}  // namespace

std::string writeSavedGame(const SavedGame& game) {
    std::string out;
    out.reserve(512);
    for (const Square& square : game.displayBoard.squares) {
        appendNumber(out, square.owner);
        out += ' ';
        appendNumber(out, square.kind);
        out += ' ';
    }
    for (const bool flag :
         {game.humanPlaysBlack, game.humanCastleKingSide, game.humanCastleQueenSide, game.computerGivesCheck}) {
        out += flag ? " 1" : " 0";
    }
    out += ' ';
    appendNumber(out, game.whiteHistory.count);
    out += ' ';
    appendNumber(out, game.blackHistory.count);
    appendLines(out, game.whiteHistory);
    appendLines(out, game.blackHistory);
    out += ' ';
    appendNumber(out, game.level);
    return out;
}

ReadStop readSavedGame(std::string_view bytes, SavedGame& game) {
    Words words(bytes);

    Board board;
    for (Square& square : board.squares) {
        const std::optional<int> owner = readNumber(words);
        const std::optional<int> kind = readNumber(words);
        if (!owner || !kind || !isValidSquare(*owner, *kind)) return ReadStop::Board;
        square = {*kind, *owner};
    }
    game.displayBoard = board;

    if (!readFlag(words, game.humanPlaysBlack)) return ReadStop::HumanPlaysBlack;
    if (!readFlag(words, game.humanCastleKingSide)) return ReadStop::CastleKingSide;
    if (!readFlag(words, game.humanCastleQueenSide)) return ReadStop::CastleQueenSide;
    if (!readFlag(words, game.computerGivesCheck)) return ReadStop::ComputerGivesCheck;

    // White's count must leave room for Black's count and its own lines;
    // Black's count for White's lines and its own.
    const std::optional<int> whiteCount = readNumber(words);
    if (!whiteCount || *whiteCount < 0 || static_cast<std::size_t>(*whiteCount) >= words.left()) {
        return ReadStop::WhiteCount;
    }
    const std::optional<int> blackCount = readNumber(words);
    if (!blackCount || *blackCount < 0 ||
        static_cast<std::size_t>(*blackCount) > words.left() - static_cast<std::size_t>(*whiteCount)) {
        return ReadStop::BlackCount;
    }

    if (!readList(words, *whiteCount, game.whiteHistory)) return ReadStop::WhiteMoves;
    if (!readList(words, *blackCount, game.blackHistory)) return ReadStop::BlackMoves;

    const std::optional<int> level = readNumber(words);
    if (!level || (*level != 1 && *level != 3 && *level != 5)) return ReadStop::Level;
    game.level = *level;
    return ReadStop::Complete;
}

StandardPosition standardPositionOf(const SavedGame& game) {
    const Side user = game.humanPlaysBlack ? Side::Black : Side::White;
    const MoveHistory& written = game.humanPlaysBlack ? game.blackHistory : game.whiteHistory;
    return standardPosition(game.displayBoard, other(user), user, UserCastlingRights{},
                            UserCastlingRights{game.humanCastleKingSide, game.humanCastleQueenSide}, written.count + 1);
}

}  // namespace orbel

namespace orbel {

SavedGame savedGameOf(const StandardPosition& position, Side user, bool opponentGaveCheck, const MoveHistory& white,
                      const MoveHistory& black, int level) {
    SavedGame saved;
    saved.displayBoard = heldBoard(position, other(user));
    saved.humanPlaysBlack = user == Side::Black;
    saved.humanCastleKingSide = position.rightsOf(user).canCastleShort;
    saved.humanCastleQueenSide = position.rightsOf(user).canCastleLong;
    saved.computerGivesCheck = opponentGaveCheck;
    saved.whiteHistory = white;
    saved.blackHistory = black;
    saved.level = level;
    return saved;
}

}  // namespace orbel
