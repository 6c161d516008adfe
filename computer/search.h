// How the computer chooses its move: two opening rules, a shortcut that plays
// the planned answer when the user replied as expected, and otherwise a line
// search. For each root candidate it plays out one line of `level` plies in
// which each side makes the move its one-ply evaluation likes best, scores the
// line, and plays the root of the best line. Fully deterministic.
#pragma once

#include <cstdint>

#include "rules/board.h"

namespace orbel {

enum class ChoiceOutcome {
    Played,  // the result holds the move, which has been played on the game's board
    NoMove,  // no legal move: the result is all -1 (the computer resigns)
    Failed,  // something failed inside (e.g. out of memory): board restored, result all -1
};

// What one choice cost, for the benchmark's evaluations per second.
struct SearchCounts {
    std::uint64_t evaluations = 0;  // positions scored by evaluatePosition
};

// Chooses the computer's move for the game (the computer is Own), writes it to
// `result` and plays it on the game's board. `lastUserMove` is the user's move
// in the game board's coordinates, or all -2 when the computer opens as White.
// `counts` gains what the choice cost.
ChoiceOutcome chooseComputerMove(GameState& game, MoveRecord& result, const MoveRecord& lastUserMove);
ChoiceOutcome chooseComputerMove(GameState& game, MoveRecord& result, const MoveRecord& lastUserMove,
                                 SearchCounts& counts);

// The root candidates the search tries, in order: the generator's list, cut
// to the seven with the best static score at level 2 and above unless Own is
// in check (which it reports). `board` is restored before this returns.
void rootCandidates(const GameState& game, Board& board, MoveList& candidates, bool& inCheck);

// The line search on `board` (the game's board: changed while it works,
// restored on return). Stores the best line in expectedLine and its score in
// searchValue, and its first move in `result` (all -1 when there is none).
// Every evaluation is counted in `counts`, here and in bestReply.
void searchBestLine(GameState& game, MoveRecord& result, Board& board, SearchCounts& counts);

// The candidate that scores best for the side to move (Own on `board`) by a
// one-ply evaluation; a queen move gives way to a later move of another piece
// with the same score. Writes it to `reply` when a legal one exists and sets
// `found`. Returns the best score (-99999 when no candidate is legal).
int bestReply(const GameState& game, MoveRecord& reply, MoveList& candidates, Board& board, bool inCheck,
              SearchCounts& counts, bool* found = nullptr);

// Whether a move the computer planned earlier still belongs to the game's
// position: an ordinary move must be one of its candidate moves; a castling
// record needs king, rook and empty squares in place (whatever the rights
// say), and under standard rules a king that neither is, passes nor lands
// in check.
bool fitsPosition(const GameState& game, const MoveRecord& move);

// A draw offered to the computer on the user's move: it accepts when its own
// evaluation of the position (the one the search compares) says it stands
// worse by at least DrawOfferMargin, two pawns.
inline constexpr int DrawOfferMargin = 20;
bool acceptsDraw(const GameState& game);

// What the Brain pane shows, read safely while the computer's thread may be
// changing it. Returns false (and leaves the outputs alone) while the search
// marks the line busy.
bool readExpectedLine(const GameState& game, MoveList& line, int& value);

}  // namespace orbel
