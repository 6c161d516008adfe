// The values a game's moves and ends travel as, from the game to everything
// that listens to it.
#pragma once

#include <QMetaType>
#include <optional>
#include <string>

#include "rules/words.h"
#include "rules/draws.h"
#include "rules/position.h"
#include "rules/standard_moves.h"

namespace orbel {

// Who sits at a side of the board.
enum class PlayerKind {
    User,      // the local user against the computer or across the network
    Computer,  // the computer opponent
    Remote,    // the user of the other copy in a network game
    AtBoard,   // one of two users at one board
};

struct PlayedMove {
    StandardMove move;
    Side mover = Side::White;
    PlayerKind by = PlayerKind::User;
    // The position the move was played in (its mover to move).
    StandardPosition before;
    // Standard notation, check mark included, as PGN writes it.
    std::string san;
    bool capture = false;
    bool check = false;
    // The move mates: the game ends with it.
    bool mate = false;
    // Standard rules: the move ends the game in this draw.
    DrawReason draw = DrawReason::None;
    // Made as the game was set up (the computer's opening move as White):
    // written and spoken, without a sound or the last-move frame.
    bool quiet = false;
};

// The move in words, as the live text speaks it: who, then the move as short
// as its notation, with ", check", or ", checkmate." and who has won ("You
// e4", "Computer knight f3", "Computer queen h4, checkmate. The computer
// wins."), or the draw that ends the game ("White e7, stalemate. Draw.").
// In full, for a player who asks again: "Computer, knight g1 to f3". In the
// language of `tr`: its own words under the context "orbel::PlayedMove", the
// move's under "orbel::Spoken", the draw's under "orbel::DrawReason".
std::string spokenPlay(const PlayedMove& move, bool inFull = false, Translate tr = inEnglish);

// How a game was begun.
enum class GameStart {
    New,       // from the usual start
    Loaded,    // from a saved game, its move lists read from the file
    Replayed,  // from a game or position read from a text
};

// How a game ended.
enum class EndReason {
    Checkmate,
    UserResigned,      // Game > Resign, against the computer or at one board
    ComputerResigned,  // the computer found no move it could play
    OpponentResigned,  // the network opponent sent RESIGN
    OpponentLeft,      // the network opponent ended the game or its connection went
    OpponentCheated,   // the network opponent sent a move the rules refuse
    Drawn,             // standard rules: Game::drawReason() says why
    NetworkResigned,   // Network Play > Resign
    Killed,            // Network Play > Kill Game
    TimeForfeit,       // a side's time ran out (Game::lostOnTime says whose)
};

// A move played, or refused and why.
struct PlayOutcome {
    enum class Kind { Played, Refused };
    Kind kind = Kind::Refused;
    // Refused: why, in a few words ("The way is blocked", "not your move"):
    // English, translated under the context "orbel::Refusal".
    std::string reason;
    // Refused by the rules: which of their reasons.
    Refusal refusal = Refusal::None;
    bool played() const { return kind == Kind::Played; }
};

}  // namespace orbel

Q_DECLARE_METATYPE(orbel::PlayedMove)
