// The saved-game file ("*.KRV"): one line of space-separated decimal numbers
// and move texts, with no header, no version and no line end. Standard C++
// only: the window runs the file dialogs and moves the bytes to and from disk.
//
// Layout, in order: the 64 squares of the drawn board (row 0 first, column 0
// first within a row), each as "owner kind "; then " humanPlaysBlack",
// " humanCastleKingSide", " humanCastleQueenSide", " computerGivesCheck",
// " whiteCount", " blackCount"; then " text " for each of White's lines and
// each of Black's; then " level".
#pragma once

#include <string>
#include <string_view>

#include "game/notation/move_text.h"
#include "rules/position.h"
#include "rules/board.h"

namespace orbel {

// Everything a saved game holds.
struct SavedGame {
    Board displayBoard;
    bool humanPlaysBlack = false;
    bool humanCastleKingSide = true;
    bool humanCastleQueenSide = true;
    bool computerGivesCheck = false;
    MoveHistory whiteHistory;
    MoveHistory blackHistory;
    int level = 5;
};

// The longest move text a history line holds.
inline constexpr std::size_t MaxMoveTextLength = 15;

// The file's bytes for a game, byte for byte as the layout above: every number
// in decimal (a sign only when negative), each flag as 0 or 1, no line end.
// Counts past a list's standard 120 lines are written as they stand. The file
// reads back as the same game when the game is one a file can hold: every
// square empty or an Own or Enemy piece of kind 1..6, counts from 0 to their
// list's size, every line in use 1 to MaxMoveTextLength characters without
// white space, and level 1, 3 or 5. Anything else is written as it stands too
// (a line past the list's end as an empty text), and reading that file stops
// part way or reads other values.
std::string writeSavedGame(const SavedGame& game);

// How far a read got: Complete when every field was read, otherwise the
// field at which reading stopped.
enum class ReadStop {
    Complete,
    Board,
    HumanPlaysBlack,
    CastleKingSide,
    CastleQueenSide,
    ComputerGivesCheck,
    WhiteCount,
    BlackCount,
    WhiteMoves,
    BlackMoves,
    Level,
};

// Reads the file's fields in order into `game`, which holds beforehand the
// values each field keeps when it cannot be read. The bytes are split into
// words at runs of white space (space, \t, \n, \v, \f, \r). The first field
// that cannot be read stops the reading: it and every later field keep their
// values, and the result names it. Words after the level are ignored.
//
// A field cannot be read when its word is missing; when a number's word is
// not wholly decimal (an optional '-' or '+', then digits only) or lies outside
// 32-bit int; or when its value is out of range:
// - a square: owner 100, 101 or 102 and kind 1..6 or 102, where owner 102 goes
//   with kind 102 only and kind 102 with owner 102 only;
// - a flag: 0 or 1;
// - White's count: 0 up to the number of words after it less one (the black
//   count must follow it, then its lines);
// - Black's count: 0 up to the number of words after it less White's count;
// - a move text: at most MaxMoveTextLength characters;
// - the level: 1, 3 or 5.
// So a count is never believed before its words are there, and nothing is
// reserved for what the file announces.
//
// The board and each move list change only as a whole. The board is taken
// when all 64 squares read (else ReadStop::Board). A count is taken only with
// its list's lines: when all of a list's texts read, the list is emptied as by
// MoveHistory::clear(), its lines 0..count-1 are set and the count is set;
// otherwise the list keeps its lines and count (ReadStop::WhiteMoves or
// ReadStop::BlackMoves). Stopping at a count leaves both lists as they were.
//
// To load as Load Game does, pass in the current board
// and flags, both lists cleared and level 5.
ReadStop readSavedGame(std::string_view bytes, SavedGame& game);

// What a save of the game on the board writes: its position with `user`'s
// side at the bottom, the user's castling rights, the check mark the
// opponent's last move still carries, both lists and the level.
SavedGame savedGameOf(const StandardPosition& position, Side user, bool opponentGaveCheck, const MoveHistory& white,
                      const MoveHistory& black, int level);

// The saved position as other chess programs name it: the user to move (a
// game is saved on the user's turn), the user's castling rights from the
// file and the computer's as a game loaded from it has them (both), and the
// move number one more than the user's written moves.
StandardPosition standardPositionOf(const SavedGame& game);

}  // namespace orbel
