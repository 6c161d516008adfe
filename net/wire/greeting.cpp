#include "net/wire/greeting.h"

#include <array>
#include <charconv>
#include <utility>
#include <vector>

#include "net/wire/protocol.h"

namespace orbel {
namespace {

// The text's words, split at single spaces; nothing when it has an empty
// word (two spaces, a space at either end) or more than `most` words.
std::optional<std::vector<std::string_view>> wordsOf(std::string_view text, std::size_t most) {
    std::vector<std::string_view> words;
    while (true) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        if (word.empty() || words.size() == most) return std::nullopt;
        words.push_back(word);
        if (space == std::string_view::npos) return words;
        text.remove_prefix(space + 1);
    }
}

// A decimal number from `least` to `most`, digits only.
std::optional<int> numberOf(std::string_view word, int least, int most) {
    int value = 0;
    if (word.empty() || word.size() > 5 || word.front() == '+' || word.front() == '-') return std::nullopt;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < least || value > most) return std::nullopt;
    return value;
}

constexpr std::array<std::string_view, 3> OfferWords = {"draw", "takeback", "rematch"};
constexpr std::string_view PromoteLetters = "nbrq";

std::string withWord(PeerCommand command, const std::string& text) { return textMessage(command, text); }

// OFFER and REPLY share their shape: the kind, REPLY's answer, the argument.
std::string offerText(const OfferMessage& m, bool reply) {
    std::string text(OfferWords[static_cast<std::size_t>(m.kind)]);
    if (reply) text += m.yes ? " yes" : " no";
    if (m.kind == OfferKind::Takeback) text += ' ' + std::to_string(m.moves);
    if (m.kind == OfferKind::Rematch) text += ' ' + m.gameId;
    return text;
}

std::optional<OfferMessage> readOfferText(std::string_view text, bool reply) {
    const auto words = wordsOf(text, 3);
    if (!words) return std::nullopt;
    OfferMessage m;
    std::size_t at = 0;
    std::size_t kind = 0;
    while (kind < OfferWords.size() && OfferWords[kind] != (*words)[at]) ++kind;
    if (kind == OfferWords.size()) return std::nullopt;
    m.kind = static_cast<OfferKind>(kind);
    ++at;
    if (reply) {
        if (at == words->size() || ((*words)[at] != "yes" && (*words)[at] != "no")) return std::nullopt;
        m.yes = (*words)[at++] == "yes";
    }
    const bool argued = m.kind != OfferKind::Draw;
    if (words->size() != at + (argued ? 1 : 0)) return std::nullopt;
    if (m.kind == OfferKind::Takeback) {
        const std::optional<int> moves = numberOf((*words)[at], 1, MaxResumeMoves);
        if (!moves) return std::nullopt;
        m.moves = *moves;
    } else if (m.kind == OfferKind::Rematch) {
        if (!isGameId((*words)[at])) return std::nullopt;
        m.gameId = std::string((*words)[at]);
    }
    return m;
}

}  // namespace

std::string gameIdFrom(std::uint64_t high, std::uint64_t low) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string id(32, '0');
    for (int i = 0; i < 16; ++i) {
        id[static_cast<std::size_t>(15 - i)] = hex[(high >> (4 * i)) & 15];
        id[static_cast<std::size_t>(31 - i)] = hex[(low >> (4 * i)) & 15];
    }
    return id;
}

bool isGameId(std::string_view text) {
    if (text.size() != 32) return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

bool isPositionText(std::string_view text) {
    if (text.size() < 3 || (text.substr(text.size() - 2) != " w" && text.substr(text.size() - 2) != " b")) return false;
    int rank = 0, file = 0;
    for (const char c : text.substr(0, text.size() - 2)) {
        if (c == '/') {
            if (file != 8 || ++rank > 7) return false;
            file = 0;
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
        } else if (std::string_view("pnbrqkPNBRQK").find(c) != std::string_view::npos) {
            ++file;
        } else {
            return false;
        }
        if (file > 8) return false;
    }
    return rank == 7 && file == 8;
}

std::string positionText(const StandardPosition& position) {
    static constexpr std::string_view letters = "pnbrqk";
    std::string text;
    for (int rank = 7; rank >= 0; --rank) {
        int gap = 0;
        for (int file = 0; file < 8; ++file) {
            const Piece piece = position.at(rank * 8 + file);
            if (piece.kind < Pawn || piece.kind > King) {
                ++gap;
                continue;
            }
            if (gap > 0) text += static_cast<char>('0' + std::exchange(gap, 0));
            const char letter = letters[static_cast<std::size_t>(piece.kind - Pawn)];
            text += piece.side == Side::White ? static_cast<char>(letter - 'a' + 'A') : letter;
        }
        if (gap > 0) text += static_cast<char>('0' + gap);
        if (rank > 0) text += '/';
    }
    return text + (position.toMove == Side::White ? " w" : " b");
}

Meeting meet(const GameCheckpoint& here, const GamePoint& there) {
    if (there.moves == here.moves && there.position == here.position) return Meeting::Same;
    if (there.moves + 1 == here.moves && here.lastIsOwn && there.position == here.before) return Meeting::AheadHere;
    // The other side's last move will be checked as any move is.
    if (there.moves == here.moves + 1) return Meeting::AheadThere;
    return Meeting::Different;
}

std::string helloMessage(const Hello& hello) {
    std::string text = std::to_string(hello.version);
    if (!hello.gameId.empty()) text += " game=" + hello.gameId;
    if (hello.port != 0) text += " port=" + std::to_string(hello.port);
    text += hello.rules == RuleSet::Standard ? " rules=standard" : " rules=orbel";
    if (!hello.clock.none() && helloClockFits(hello.clock)) text += " clock=" + timeControlText(hello.clock);
    return withWord(PeerCommand::Hello, text);
}

bool helloClockFits(const TimeControl& clock) { return timeControlText(clock).size() <= MaxHelloClockLength; }

std::optional<Hello> readHello(std::string_view text) {
    const auto words = wordsOf(text, 16);
    if (!words) return std::nullopt;
    Hello hello;
    // A later version reads as this one: what it adds, this copy passes over.
    const std::optional<int> version = numberOf(words->front(), 1, 99999);
    if (!version) return std::nullopt;
    hello.version = *version;
    for (std::size_t i = 1; i < words->size(); ++i) {
        const std::string_view word = (*words)[i];
        const std::size_t equals = word.find('=');
        const std::string_view key = word.substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? std::string_view() : word.substr(equals + 1);
        if (key == "game" && isGameId(value)) {
            hello.gameId = std::string(value);
        } else if (key == "port") {
            if (const std::optional<int> port = numberOf(value, 1, 65535)) hello.port = static_cast<std::uint16_t>(*port);
        } else if (key == "rules" && (value == "standard" || value == "orbel")) {
            hello.rules = value == "standard" ? RuleSet::Standard : RuleSet::Orbel;
        } else if (key == "clock" && value.size() <= MaxHelloClockLength) {
            hello.clock = readTimeControl(value).value_or(TimeControl{});
        }
    }
    return hello;
}

std::string backMessage(const GamePoint& point) {
    return withWord(PeerCommand::Back, point.gameId + ' ' + std::to_string(point.moves) + ' ' + point.position);
}

std::optional<GamePoint> readBack(std::string_view text) {
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos || !isGameId(text.substr(0, space))) return std::nullopt;
    std::optional<GamePoint> point = readWelcome(text.substr(space + 1));
    if (point) point->gameId = std::string(text.substr(0, space));
    return point;
}

std::string welcomeMessage(int moves, std::string_view position) {
    return withWord(PeerCommand::Welcome, std::to_string(moves) + ' ' + std::string(position));
}

std::optional<GamePoint> readWelcome(std::string_view text) {
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const std::optional<int> moves = numberOf(text.substr(0, space), 0, MaxResumeMoves);
    const std::string_view position = text.substr(space + 1);
    if (!moves || !isPositionText(position)) return std::nullopt;
    return GamePoint{{}, *moves, std::string(position)};
}

std::string noGameMessage(ResumeRefusal why) {
    return withWord(PeerCommand::NoGame, why == ResumeRefusal::Unknown ? "unknown" : "different");
}

std::optional<ResumeRefusal> readNoGame(std::string_view text) {
    if (text == "unknown") return ResumeRefusal::Unknown;
    if (text == "different") return ResumeRefusal::Different;
    return std::nullopt;
}

std::string offerMessage(const OfferMessage& offer) { return withWord(PeerCommand::Offer, offerText(offer, false)); }

std::string replyMessage(const OfferMessage& reply) { return withWord(PeerCommand::Reply, offerText(reply, true)); }

std::optional<OfferMessage> readOffer(std::string_view text) { return readOfferText(text, false); }

std::optional<OfferMessage> readReply(std::string_view text) { return readOfferText(text, true); }

std::string promoteMessage(PieceKind piece) {
    if (piece < Knight || piece > Queen) return {};
    return withWord(PeerCommand::Promote, std::string(1, PromoteLetters[static_cast<std::size_t>(piece - Knight)]));
}

std::optional<PieceKind> readPromote(std::string_view text) {
    const std::size_t at = text.size() == 1 ? PromoteLetters.find(text.front()) : std::string_view::npos;
    if (at == std::string_view::npos) return std::nullopt;
    return static_cast<PieceKind>(Knight + static_cast<int>(at));
}

std::string clockMessage(std::int64_t ms) {
    if (ms < 0 || ms > MaxClockReadingMs) return {};
    return withWord(PeerCommand::Clock, std::to_string(ms));
}

std::optional<std::int64_t> readClock(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    std::int64_t ms = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        ms = ms * 10 + (c - '0');
    }
    if (ms > MaxClockReadingMs) return std::nullopt;
    return ms;
}

std::string flagMessage(Side side) { return withWord(PeerCommand::Flag, side == Side::White ? "white" : "black"); }

std::optional<Side> readFlag(std::string_view text) {
    if (text == "white") return Side::White;
    if (text == "black") return Side::Black;
    return std::nullopt;
}

}  // namespace orbel
