// The Universal Chess Interface as text: what this program says to a chess
// engine, and what it reads of the engine's lines. An engine is another
// program, of any quality: a line is read strictly, a field that does not
// read is dropped, and a move is believed only when the rules allow it.
// Standard C++ only.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/words.h"
#include "rules/standard_moves.h"

namespace orbel::uci {

// "e2e4", "e7e8q"; a castle as the king's step, "e1g1".
std::string moveText(const StandardMove& move);
// The legal move of `position` that `text` names, or nothing.
std::optional<StandardMove> readMove(const StandardPosition& position, std::string_view text);

// "position fen FEN moves e2e4 e7e5": the game's first position and the
// moves since, so that an engine knows what repeated.
std::string positionCommand(const StandardPosition& start, const std::vector<StandardMove>& moves);

// How long a "go" may run: a fixed time, or the clocks; never infinite.
struct GoLimits {
    int moveTimeMs = 1000;
    // With clocks: each side's time left and increment, in milliseconds,
    // and the moves to the next time control (0: none).
    bool clocks = false;
    long long whiteMs = 0, blackMs = 0, whiteIncrementMs = 0, blackIncrementMs = 0;
    int movesToGo = 0;
};
std::string goCommand(const GoLimits& limits);
// The longest a "go" with `limits` may take the side to move before the
// engine is given up on: its time, and a margin for a slow machine.
int goDeadlineMs(const GoLimits& limits, Side toMove);

struct Option {
    std::string name;
    std::string type;  // "spin", "check", "combo", "button", "string"
    int min = 0, max = 0, standard = 0;  // a spin's
};

struct Info {
    int depth = 0;
    std::optional<int> centipawns;  // from the engine's side
    std::optional<int> mateIn;      // moves; negative when the engine is mated
    std::vector<std::string> pv;    // as the engine wrote them; read against the position later
};

struct Line {
    enum class Kind { Other, IdName, IdAuthor, Option, UciOk, ReadyOk, Info, BestMove };
    Kind kind = Kind::Other;
    std::string text;  // IdName, IdAuthor: the rest of the line; BestMove: the move
    Option option;
    Info info;
};
// One line of an engine's output, without its line end. Anything not of the
// protocol, or not of the part of it this program reads, is Other.
Line readLine(std::string_view line);

// The commands that set an engine to play at about `elo` (none: its full
// strength), given the options it offered: UCI_LimitStrength and UCI_Elo
// where it has them (an Elo under its lowest asks for its Skill Level 0),
// else Skill Level; an engine with neither plays at full strength, its time
// made shorter by strengthMoveTimeMs instead.
std::vector<std::string> strengthCommands(const std::vector<Option>& options, std::optional<int> elo);
// The time a move gets at `elo` when the engine has no other way to play
// weaker: 50 ms at 1000 and below, up to 2 s at 2500 and above.
int strengthMoveTimeMs(const std::vector<Option>& options, std::optional<int> elo);

// The Brain pane's text for an engine's line in `position`: "Brain:", the
// moves it expects in SAN, numbered as the game numbers them, as far as they
// are legal and at most BrainPlies of them (what the pane holds with the
// value beneath), then "Value: +0.34, depth 12" from the engine's side (or
// "mate in 3", "mated in 2").
inline constexpr std::size_t BrainPlies = 8;
// The words come through `tr` (context "orbel::Brain").
std::string brainText(const StandardPosition& position, const Info& info, Translate tr = inEnglish);

// The longest line read whole; a longer one is dropped unread.
inline constexpr std::size_t MaxLineLength = 16 * 1024;
// The most moves of a principal variation kept.
inline constexpr std::size_t MaxPvMoves = 64;

}  // namespace orbel::uci
