// What two copies of this version say beyond the first protocol: the hello
// that tells one copy the other understands more, taking up a game again
// after the line went down, offers and their answers, the piece a pawn
// becomes, and the clocks of a timed game. Each is the text of one text message (protocol.h): built here as
// the exact text, and read back strictly, so that anything malformed reads
// as nothing. Standard C++ only.
//
// The texts ("\r" ends each message):
//   HELLO 1 [game=<id>] [port=<n>] [rules=orbel|standard] [clock=<control>]
//   BACK <id> <moves> <position>        take up game <id> again
//   WELCOME <moves> <position>          agreed; the side a move ahead sends it
//   NOGAME unknown|different            refused; the line then closes
//   OFFER draw | OFFER takeback <moves> | OFFER rematch <id>
//   REPLY draw|takeback|rematch yes|no [<moves>|<id>]
//   PROMOTE q|r|b|n                     the piece of the next MOVE
//   CLOCK <ms>                          the sender's own clock reading
//   FLAG white|black                    that side's time is up by my clock
// <id> is 32 lower-case hex digits; <moves> the plies played, 0 to 9999;
// <position> a FEN piece placement, a space and "w" or "b"; <control> a
// time control in PGN's TimeControl text (game/clock/time_control.h), at
// most MaxHelloClockLength bytes; <ms> milliseconds, 0 to MaxClockReadingMs,
// decimal digits only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/clock/time_control.h"
#include "rules/position.h"

namespace orbel {

inline constexpr int HelloVersion = 1;
inline constexpr int MaxResumeMoves = 9999;
// The longest time control a hello carries: the caller's hello rides behind
// its NICK, and the two must fit in one read of a first-protocol copy.
inline constexpr std::size_t MaxHelloClockLength = 64;
// The largest clock reading CLOCK carries: 100 hours, more than four
// periods of the longest control hold.
inline constexpr std::int64_t MaxClockReadingMs = 100LL * 3600 * 1000;

struct Hello {
    int version = HelloVersion;
    // The game the caller proposes (empty from the callee).
    std::string gameId;
    // Where the sender listens, for the other side's Call Again; 0 unsaid.
    std::uint16_t port = 0;
    RuleSet rules = RuleSet::Orbel;
    // The caller's: the time control it proposes. The callee's: the one it
    // adopted, the caller's again. No clock unsaid. A value that is not a
    // time control, or longer than MaxHelloClockLength, reads as no clock
    // (the hello itself stands), as an unknown port or rules read as unsaid.
    TimeControl clock{};
    bool operator==(const Hello&) const = default;
};

// Where a game stands: its id, the plies played and the position after them.
struct GamePoint {
    std::string gameId;
    int moves = 0;
    std::string position;
    bool operator==(const GamePoint&) const = default;
};

enum class ResumeRefusal { Unknown, Different };

// Where the game on this side's board stands, for taking it up again.
struct GameCheckpoint {
    int moves = 0;
    std::string position;
    // The position before the last move, and whether this side made it.
    std::string before;
    bool lastIsOwn = false;
};

// How the two sides' games meet: the same, one a move ahead (its last move
// to go again), or not the same game at all.
enum class Meeting { Same, AheadHere, AheadThere, Different };
Meeting meet(const GameCheckpoint& here, const GamePoint& there);

enum class OfferKind { Draw, Takeback, Rematch };

struct OfferMessage {
    OfferKind kind = OfferKind::Draw;
    // REPLY only.
    bool yes = false;
    // Takeback: the plies played when it was asked. Rematch: the new game's id.
    int moves = 0;
    std::string gameId;
    bool operator==(const OfferMessage&) const = default;
};

// A new game id: 32 hex digits from `entropy` (two 64-bit draws).
std::string gameIdFrom(std::uint64_t high, std::uint64_t low);
bool isGameId(std::string_view text);
// A position as GamePoint carries it: placement, a space, "w" or "b".
bool isPositionText(std::string_view text);
std::string positionText(const StandardPosition& position);

// Without clock= when the hello has no clock, or one whose text is longer
// than MaxHelloClockLength (helloClockFits).
std::string helloMessage(const Hello& hello);
bool helloClockFits(const TimeControl& clock);
std::optional<Hello> readHello(std::string_view text);

std::string backMessage(const GamePoint& point);
std::optional<GamePoint> readBack(std::string_view text);
// WELCOME carries no id: the connection it answers named it.
std::string welcomeMessage(int moves, std::string_view position);
std::optional<GamePoint> readWelcome(std::string_view text);
std::string noGameMessage(ResumeRefusal why);
std::optional<ResumeRefusal> readNoGame(std::string_view text);

std::string offerMessage(const OfferMessage& offer);
std::string replyMessage(const OfferMessage& reply);
std::optional<OfferMessage> readOffer(std::string_view text);
std::optional<OfferMessage> readReply(std::string_view text);

std::string promoteMessage(PieceKind piece);
std::optional<PieceKind> readPromote(std::string_view text);

// CLOCK: the sender's own clock in milliseconds. Empty for a reading below
// 0 or above MaxClockReadingMs. Read strictly: one to nine decimal digits
// and nothing else, at most MaxClockReadingMs; a sign, a space, a letter,
// an empty text or a larger number reads as nothing.
std::string clockMessage(std::int64_t ms);
std::optional<std::int64_t> readClock(std::string_view text);

// FLAG: "white" or "black", exactly.
std::string flagMessage(Side side);
std::optional<Side> readFlag(std::string_view text);

}  // namespace orbel
