// What every read of a saved-game file must leave behind, and when two games
// are the same as far as the file can tell. Shared by the saved-game tests and
// the libFuzzer target (tools/fuzz/saved_game_fuzz.cpp), and written apart
// from the library so that they check it rather than repeat it.
#pragma once

#include <string>

#include "savegame/saved_game.h"

namespace orbel::savegame_checks {

inline bool validSquare(const Square& square) {
    if (square == EmptySquare) return true;
    return (square.owner == Own || square.owner == Enemy) && square.kind >= Pawn && square.kind <= King;
}

// A line a list may hold: at most MaxMoveTextLength characters, no white space.
inline bool validLine(const std::string& line) {
    return line.size() <= MaxMoveTextLength && line.find_first_of(" \t\n\v\f\r") == std::string::npos;
}

inline bool validHistory(const MoveHistory& list) {
    if (list.count < 0 || static_cast<std::size_t>(list.count) > list.lines.size()) return false;
    for (const std::string& line : list.lines) {
        if (!validLine(line)) return false;
    }
    return true;
}

// The invariants after any read into a game that held them beforehand.
inline bool validGame(const SavedGame& game) {
    for (const Square& square : game.displayBoard.squares) {
        if (!validSquare(square)) return false;
    }
    return validHistory(game.whiteHistory) && validHistory(game.blackHistory) &&
           (game.level == 1 || game.level == 3 || game.level == 5);
}

// The same count and the same lines in use.
inline bool sameHistory(const MoveHistory& a, const MoveHistory& b) {
    if (a.count != b.count) return false;
    for (int i = 0; i < a.count; ++i) {
        if (a.lines[static_cast<std::size_t>(i)] != b.lines[static_cast<std::size_t>(i)]) return false;
    }
    return true;
}

// Untouched: the same count and every line the same.
inline bool identicalHistory(const MoveHistory& a, const MoveHistory& b) {
    return a.count == b.count && a.lines == b.lines;
}

// The same game as far as the file can tell: board, flags, counts, the lines
// in use and level.
inline bool sameGame(const SavedGame& a, const SavedGame& b) {
    return a.displayBoard == b.displayBoard && a.humanPlaysBlack == b.humanPlaysBlack &&
           a.humanCastleKingSide == b.humanCastleKingSide && a.humanCastleQueenSide == b.humanCastleQueenSide &&
           a.computerGivesCheck == b.computerGivesCheck && sameHistory(a.whiteHistory, b.whiteHistory) &&
           sameHistory(a.blackHistory, b.blackHistory) && a.level == b.level;
}

// Whether reading that stopped at `stop` has taken `field` (every field before
// the one it stopped at). A list is one field with its count: the counts are
// taken with the lists, so White's list counts as WhiteMoves, Black's as
// BlackMoves.
inline bool taken(ReadStop stop, ReadStop field) { return stop == ReadStop::Complete || field < stop; }

// The field reading stopped at and every later one still hold the entry values.
inline bool keptFrom(ReadStop stop, const SavedGame& entry, const SavedGame& game) {
    using S = ReadStop;
    return (taken(stop, S::Board) || game.displayBoard == entry.displayBoard) &&
           (taken(stop, S::HumanPlaysBlack) || game.humanPlaysBlack == entry.humanPlaysBlack) &&
           (taken(stop, S::CastleKingSide) || game.humanCastleKingSide == entry.humanCastleKingSide) &&
           (taken(stop, S::CastleQueenSide) || game.humanCastleQueenSide == entry.humanCastleQueenSide) &&
           (taken(stop, S::ComputerGivesCheck) || game.computerGivesCheck == entry.computerGivesCheck) &&
           (taken(stop, S::WhiteMoves) || identicalHistory(game.whiteHistory, entry.whiteHistory)) &&
           (taken(stop, S::BlackMoves) || identicalHistory(game.blackHistory, entry.blackHistory)) &&
           (taken(stop, S::Level) || game.level == entry.level);
}

}  // namespace orbel::savegame_checks
