#include "tools/engine/engine_session.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <vector>

#include "computer/evaluation.h"
#include "computer/search.h"
#include "rules/apply_move.h"
#include "rules/candidates.h"
#include "rules/check.h"

namespace orbel::engine {
namespace {

bool isSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\v' || ch == '\f' || ch == '\r'; }

std::vector<std::string_view> tokenize(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSpace(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !isSpace(line[i])) ++i;
        if (i > start) tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

// -?[0-9]+ within the signed 32-bit range, the whole token and nothing else.
std::optional<std::int32_t> parseNumber(std::string_view token) {
    std::int32_t value = 0;
    const char* const end = token.data() + token.size();
    const auto [stop, error] = std::from_chars(token.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// A token quoted in an answer, made safe to print on one line.
std::string printable(std::string_view token) {
    std::string out;
    for (char ch : token) out += (ch >= 0x20 && ch < 0x7f) ? ch : '?';
    return out;
}

struct Failure {
    std::string message;
};

// Reads numbers from the tokens after the command word, with range checks.
class Args {
public:
    explicit Args(const std::vector<std::string_view>& tokens) : tokens_(tokens) {}

    std::size_t count() const { return tokens_.size() - 1; }

    std::int32_t number(std::size_t index) const {
        auto v = parseNumber(tokens_[index + 1]);
        if (!v) throw Failure{"not a number: " + printable(tokens_[index + 1].substr(0, 32))};
        return *v;
    }
    std::int32_t inRange(std::size_t index, std::int32_t lo, std::int32_t hi, const char* what) const {
        const std::int32_t v = number(index);
        if (v < lo || v > hi) throw Failure{std::string(what) + " out of range"};
        return v;
    }

private:
    const std::vector<std::string_view>& tokens_;
};

void expectCount(const Args& args, std::size_t n) {
    if (args.count() != n) throw Failure{"wrong number of arguments"};
}

// All arguments are parsed before any is judged, so a malformed number is
// reported as such wherever it stands.
void requireNumbers(const Args& args) {
    for (std::size_t i = 0; i < args.count(); ++i) args.number(i);
}

bool isValidSquare(std::int32_t kind, std::int32_t owner) {
    if (kind == NoPiece && owner == Empty) return true;
    return kind >= Pawn && kind <= King && (owner == Own || owner == Enemy);
}

// An ordinary move inside the board, or a castling record (99/100 with 99/100
// or 101; the to-fields are not read).
MoveRecord moveRecordAt(const Args& args, std::size_t first) {
    const std::int32_t fr = args.number(first), fc = args.number(first + 1);
    const std::int32_t tr = args.number(first + 2), tc = args.number(first + 3);
    if (fr == CastleShort || fr == CastleLong) {
        if (fc != fr && fc != CastleByEnemy) throw Failure{"bad castling record"};
        return makeMoveRecord(fr, fc, tr, tc);
    }
    if (!onBoard(fr, fc) || !onBoard(tr, tc)) throw Failure{"move out of range"};
    return makeMoveRecord(fr, fc, tr, tc);
}

void appendNumber(std::string& out, long long v) {
    out += ' ';
    out += std::to_string(v);
}

void appendMove(std::string& out, const MoveRecord& m) {
    appendNumber(out, m.fromRow);
    appendNumber(out, m.fromCol);
    appendNumber(out, m.toRow);
    appendNumber(out, m.toCol);
}

void appendCodes(std::string& out, const std::vector<LineCode>& codes) {
    appendNumber(out, static_cast<long long>(codes.size()));
    for (LineCode c : codes) appendNumber(out, c);
}

}  // namespace

std::string stateNumbers(const GameState& g) {
    std::string out;
    out.reserve(700);
    for (const Square& s : g.board.squares) {
        appendNumber(out, s.kind);
        appendNumber(out, s.owner);
    }
    appendNumber(out, g.moveCount);
    appendNumber(out, g.searchValue);
    appendNumber(out, g.level);
    appendNumber(out, g.canCastleShort);
    appendNumber(out, g.canCastleLong);
    appendNumber(out, g.hasCastled);
    appendNumber(out, g.ownKingColumn);
    appendNumber(out, static_cast<long long>(g.expectedLine.size()));
    for (const MoveRecord& m : g.expectedLine) appendMove(out, m);
    return out.substr(1);
}

namespace {

std::unique_ptr<GameState> parseSet(const Args& args) {
    if (args.count() < 136) throw Failure{"wrong number of arguments"};
    requireNumbers(args);
    auto game = std::make_unique<GameState>(4);
    for (std::size_t i = 0; i < 64; ++i) {
        const std::int32_t kind = args.number(2 * i), owner = args.number(2 * i + 1);
        if (!isValidSquare(kind, owner)) throw Failure{"square " + std::to_string(i) + " out of range"};
        game->board.squares[i] = {kind, owner};
    }
    game->moveCount = args.number(128);
    game->searchValue = args.number(129);
    game->level = args.inRange(130, 1, 9, "level");
    game->canCastleShort = static_cast<std::uint8_t>(args.inRange(131, 0, 1, "canCastleShort"));
    game->canCastleLong = static_cast<std::uint8_t>(args.inRange(132, 0, 1, "canCastleLong"));
    game->hasCastled = static_cast<std::uint8_t>(args.inRange(133, 0, 1, "hasCastled"));
    const std::int32_t kingColumn = args.inRange(134, 3, 4, "ownKingColumn");
    game->ownKingColumn = kingColumn;
    const std::int32_t n = args.inRange(135, 0, 64, "line length");
    if (args.count() != 136 + 4 * static_cast<std::size_t>(n)) throw Failure{"wrong number of arguments"};
    for (std::int32_t i = 0; i < n; ++i) game->expectedLine.append(moveRecordAt(args, 136 + 4 * static_cast<std::size_t>(i)));
    return game;
}

using GameHolder = std::unique_ptr<GameState>;

std::string newGame(GameHolder& game, const Args& args) {
    expectCount(args, 1);
    const std::int32_t k = args.inRange(0, 3, 4, "king column");
    game = std::make_unique<GameState>(k);
    return "ok";
}

std::string setGame(GameHolder& game, const Args& args) {
    game = parseSet(args);
    return "ok";
}

std::string getGame(GameHolder& game, const Args& args) {
    expectCount(args, 0);
    return "state " + stateNumbers(*game);
}

std::string setLevel(GameHolder& game, const Args& args) {
    expectCount(args, 1);
    game->level = args.inRange(0, 1, 9, "level");
    return "ok";
}

// "rules 0" this program's own, "rules 1 [row col]" standard chess with the
// square, if any, that the opponent's pawn just crossed with a double step.
std::string setRules(GameHolder& game, const Args& args) {
    if (args.count() != 1 && args.count() != 3) throw Failure{"wrong number of arguments"};
    requireNumbers(args);
    game->rules = args.inRange(0, 0, 1, "rules") == 1 ? RuleSet::Standard : RuleSet::Orbel;
    const bool square = args.count() == 3;
    game->enPassantRow = static_cast<std::int8_t>(square ? args.inRange(1, 0, 7, "row") : -1);
    game->enPassantCol = static_cast<std::int8_t>(square ? args.inRange(2, 0, 7, "column") : -1);
    return "ok";
}

std::string applyGivenMove(GameHolder& game, const Args& args) {
    expectCount(args, 4);
    requireNumbers(args);
    applyMove(moveRecordAt(args, 0), game->board);
    return "ok";
}

std::string flipGame(GameHolder& game, const Args& args) {
    expectCount(args, 0);
    flipBoard(game->board);
    return "ok";
}

std::string listCandidates(GameHolder& game, const Args& args) {
    expectCount(args, 0);
    MoveList moves;
    StatusList statuses;
    candidateMoves(*game, game->board, moves, statuses);
    std::string out = "moves";
    appendNumber(out, static_cast<long long>(moves.size()));
    for (const MoveRecord& m : moves) appendMove(out, m);
    return out;
}

std::string listStatuses(GameHolder& game, const Args& args) {
    expectCount(args, 0);
    MoveList moves;
    StatusList statuses;
    candidateMoves(*game, game->board, moves, statuses);
    std::string out = "statuses";
    appendNumber(out, static_cast<long long>(statuses.size()));
    for (const PieceStatus& e : statuses) {
        appendNumber(out, e.kind);
        appendNumber(out, e.owner);
        appendNumber(out, e.row);
        appendNumber(out, e.column);
        appendNumber(out, e.flags);
        appendCodes(out, e.attackedBy);
        appendCodes(out, e.captures);
        appendCodes(out, e.threats);
        appendCodes(out, e.defences);
    }
    return out;
}

std::string askAttacked(GameHolder& game, const Args& args) {
    expectCount(args, 0);
    return isOwnKingAttacked(game->board) ? "attacked 1" : "attacked 0";
}

std::string askMated(GameHolder& game, const Args& args) {
    expectCount(args, 0);
    return isCheckmated(*game) ? "mated 1" : "mated 0";
}

// The user's drag: the piece is lifted off its square while the move is
// judged, and put back afterwards.
std::string askLegal(GameHolder& game, const Args& args) {
    expectCount(args, 4);
    requireNumbers(args);
    const std::int32_t fr = args.number(0), fc = args.number(1);
    if (!onBoard(fr, fc)) throw Failure{"from-square out of range"};
    const Square piece = game->board.at(fr, fc);
    if (piece.owner == Empty) throw Failure{"no piece on the from-square"};
    const MoveRecord move = makeMoveRecord(fr, fc, args.number(2), args.number(3));
    game->board.at(fr, fc) = EmptySquare;
    const bool legal = isLegalUserMove(move, piece, *game);
    game->board.at(fr, fc) = piece;
    return legal ? "legal 1" : "legal 0";
}

std::string evaluate(GameHolder& game, const Args& args) {
    expectCount(args, 0);
    const Evaluation e = evaluationTerms(*game, game->board);
    std::string out = "eval";
    appendNumber(out, e.total);
    appendNumber(out, e.material);
    appendNumber(out, e.exchange);
    appendNumber(out, e.positional);
    return out;
}

// The user's last move, or all -2 when the computer opens as White.
std::string choose(GameHolder& game, const Args& args) {
    expectCount(args, 4);
    requireNumbers(args);
    const bool opening = args.number(0) == -2 && args.number(1) == -2 && args.number(2) == -2 && args.number(3) == -2;
    const MoveRecord last = opening ? makeMoveRecord(-2, -2, -2, -2) : moveRecordAt(args, 0);
    MoveRecord result = noMoveRecord();
    chooseComputerMove(*game, result, last);
    std::string out = "move";
    appendMove(out, result);
    appendNumber(out, result.isCapture);
    return out;
}

struct Command {
    std::string_view name;
    std::string (*run)(GameHolder& game, const Args& args);
};

constexpr Command commands[] = {
    {"new", newGame},
    {"set", setGame},
    {"get", getGame},
    {"level", setLevel},
    {"rules", setRules},
    {"apply", applyGivenMove},
    {"flip", flipGame},
    {"candidates", listCandidates},
    {"statuses", listStatuses},
    {"attacked", askAttacked},
    {"mated", askMated},
    {"legal", askLegal},
    {"evaluate", evaluate},
    {"choose", choose},
};

const Command* findCommand(std::string_view name) {
    for (const Command& c : commands)
        if (c.name == name) return &c;
    return nullptr;
}

}  // namespace

EngineSession::EngineSession() : game_(std::make_unique<GameState>(4)) {}

std::string EngineSession::handleLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::vector<std::string_view> tokens = tokenize(line);
    if (tokens.empty()) return "error empty line";
    const Command* command = findCommand(tokens[0]);
    if (!command) return "error unknown command";
    try {
        return command->run(game_, Args(tokens));
    } catch (const Failure& f) {
        return "error " + f.message;
    }
}

}  // namespace orbel::engine
