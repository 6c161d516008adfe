// The steps every way of playing shares (one player, two players, network,
// and a move typed at the keyboard): writing a move down, writing the result
// of a mate, and starting a new game. Each mode calls these rather than
// doing the steps itself, so the history, the status text and the panes
// behave the same whoever moved.
#pragma once

#include "game/game_window.h"

namespace orbel {

// A history pane shows this many lines; a list that grows past them scrolls
// one line with each new move, keeping the newest in view.
inline constexpr int HistoryLinesShown = 13;

// A move that stands, already on displayBoard: kept in the game's standard
// move list, its line in the mover's list, the side to move in the status bar
// (left as it is when the move gives check, which was announced already) and
// the list scrolled to show it.
void recordMove(GameWindow& window, bool moverIsWhite, const MoveRecord& move, bool check);

// A move that stands, in the live text a screen reader speaks: "<who>:
// <move>", with ", check", or ", checkmate." and the `result` of a mate
// ("You win."). `before` is the drawn board before the move and `move` the
// record in its coordinates, as the mover's mode keeps them.
void announceMove(GameWindow& window, const char* who, bool moverIsWhite, const Board& before,
                  const MoveRecord& move, bool check, const char* result = nullptr);

// A mate by the computer or the remote player, already on displayBoard: the
// mating move kept in the standard move list, and "1-0" or "0-1" as the
// winner's next line in its place.
void recordResult(GameWindow& window, bool winnerIsWhite, const MoveRecord& matingMove);

// What every new game begins with: empty lists, no last move, a new game
// object for the user's colour with every castling right (both sides' in
// two-player play, White to move), the standard move list at the usual
// start, Undo Move greyed, the new-game sound, both panes at their top and
// everything redrawn.
void resetForNewGame(GameWindow& window, bool userPlaysBlack, PlayMode mode);

// Repaints what a piece leaving or landing on (row, col) may have covered.
void invalidateSquare(GameWindow& window, int row, int col);

// The game is over: the status bar and the box say so, and New 1 Player
// Game follows.
void announceGameOver(GameWindow& window, const char* why);

}  // namespace orbel
