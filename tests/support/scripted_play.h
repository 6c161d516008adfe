// Games through the logic alone: the computer against a scripted user, and
// the computer against itself. Used by the transcript tests, the search suite
// and the screenshot tool.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "rules/board.h"

namespace orbel::testing {

// The user's first legal move, trying from-squares and then destinations in
// row-major order (row 0 first); noMoveRecord when there is none. Castling
// is not tried.
MoveRecord firstLegalUserMove(const GameState& game);

// Every legal user move, in the same order.
std::vector<MoveRecord> legalUserMoves(const GameState& game);

// Plays the user's move on the game's board (the piece is lifted and judged
// as a drag would be) and returns whether the computer is now checkmated.
bool playUserMove(GameState& game, const MoveRecord& move);

struct PlyRecord {
    bool byComputer;
    MoveRecord move;
    int searchValue;
    int moveCount;
};

struct GameRecord {
    std::vector<PlyRecord> plies;
    std::string result;  // how it ended
};

using UserPolicy = std::function<MoveRecord(const GameState&)>;
// Called before every computer move with the game and the last user move.
using BeforeComputerMove = std::function<void(GameState&, const MoveRecord&)>;

// The computer at `level` against the user policy, from the start, until a
// mate, a resignation, a side without a move, or `maxPlies` plies.
GameRecord playScriptedGame(int level, bool userPlaysWhite, const UserPolicy& user, int maxPlies,
                            const BeforeComputerMove& before = {});

// The transcript format committed under tests/golden/games.
std::string transcript(const GameRecord& record);

}  // namespace orbel::testing
