// One game of a strength match: the built-in computer at a level against a
// UCI engine, under standard rules, from a short well-known opening. The
// game ends by the rules (checkmate, stalemate, a draw by repetition, by the
// fifty-move rule or for too little material to mate), by a fault of either
// side (which loses), or as a draw at a cap on its length.
#pragma once

#include <string>
#include <vector>

#include "rules/position.h"
#include "tools/strength/uci_opponent.h"

namespace orbel::strength {

struct Opening {
    const char* name;
    const char* moves;  // as UCI writes them, from the starting position
};
// A dozen balanced openings of four to six plies, each roughly equal.
const std::vector<Opening>& openings();
// The moves of an opening, checked against the rules; "" or why they fail.
std::string openingMoves(const Opening& opening, std::vector<StandardMove>& moves);

struct GameSetup {
    int level = 5;
    Side computerSide = Side::White;
    std::vector<StandardMove> opening;
    int maxPlies = 200;  // the game's plies, the opening's included
};

struct GameOutcome {
    double computerScore = 0.5;  // 1, 0.5 or 0
    std::string reason;          // "checkmate", "threefold repetition", "the engine's move e2e5 is illegal" ...
    bool engineFault = false;    // the engine timed out, died or named an illegal move
    bool computerFault = false;  // the computer's choice failed, or it chose an illegal move
    // The computer resigned, as the game lets it, because its candidate
    // moves held none it would play, while standard chess had legal moves.
    bool computerResigned = false;
    std::vector<StandardMove> moves;
};

GameOutcome playGame(UciOpponent& engine, const GameSetup& setup);

// "1-0", "1/2-1/2", "0-1" for the game's result in White's terms.
std::string resultText(const GameOutcome& outcome, Side computerSide);

}  // namespace orbel::strength
