// What every read of a saved-game file must leave behind, for the tests and the
// libFuzzer target; written apart from the library so as to check, not repeat, it.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "savegame/saved_game.h"

namespace orbel::savegame_checks {

inline bool validGame(const SavedGame& game) {
    for (const Square& s : game.displayBoard.squares) {
        const bool piece = (s.owner == Own || s.owner == Enemy) && s.kind >= Pawn && s.kind <= King;
        if (!piece && !(s == EmptySquare)) return false;
    }
    for (const MoveHistory* list : {&game.whiteHistory, &game.blackHistory}) {
        if (list->count < 0 || static_cast<std::size_t>(list->count) > list->lines.size()) return false;
        for (const std::string& line : list->lines) {
            if (line.size() > MaxMoveTextLength || line.find_first_of(" \t\n\v\f\r") != std::string::npos) return false;
        }
    }
    return game.level == 1 || game.level == 3 || game.level == 5;
}

// Whether reading that stopped at `stop` took `field`. A count goes with its
// list, so the lists stand for their counts.
inline bool taken(ReadStop stop, ReadStop field) { return stop == ReadStop::Complete || field < stop; }

// The same count and lines in use; `whole` compares the lines past the count too.
inline bool sameList(const MoveHistory& a, const MoveHistory& b, bool whole) {
    if (a.count != b.count) return false;
    if (whole) return a.lines == b.lines;
    return std::equal(a.lines.begin(), a.lines.begin() + a.count, b.lines.begin());
}

// Whether `a` and `b` hold the same value in every field `which` picks.
template <class Which>
bool agree(const SavedGame& a, const SavedGame& b, Which which, bool wholeLists = false) {
    using S = ReadStop;
    return (!which(S::Board) || a.displayBoard == b.displayBoard) &&
           (!which(S::HumanPlaysBlack) || a.humanPlaysBlack == b.humanPlaysBlack) &&
           (!which(S::CastleKingSide) || a.humanCastleKingSide == b.humanCastleKingSide) &&
           (!which(S::CastleQueenSide) || a.humanCastleQueenSide == b.humanCastleQueenSide) &&
           (!which(S::ComputerGivesCheck) || a.computerGivesCheck == b.computerGivesCheck) &&
           (!which(S::WhiteMoves) || sameList(a.whiteHistory, b.whiteHistory, wholeLists)) &&
           (!which(S::BlackMoves) || sameList(a.blackHistory, b.blackHistory, wholeLists)) &&
           (!which(S::Level) || a.level == b.level);
}

// The same game as far as the file can tell.
inline bool sameGame(const SavedGame& a, const SavedGame& b) {
    return agree(a, b, [](ReadStop) { return true; });
}

// Of a valid list: nothing past its count.
inline bool emptyPastCount(const MoveHistory& list) {
    return std::all_of(list.lines.begin() + list.count, list.lines.end(),
                       [](const std::string& line) { return line.empty(); });
}

// Every field not taken still holds its entry value, untouched, and a list
// taken holds nothing past its count.
inline bool keptFrom(ReadStop stop, const SavedGame& entry, const SavedGame& game) {
    return (!taken(stop, ReadStop::WhiteMoves) || emptyPastCount(game.whiteHistory)) &&
           (!taken(stop, ReadStop::BlackMoves) || emptyPastCount(game.blackHistory)) &&
           agree(game, entry, [stop](ReadStop field) { return !taken(stop, field); }, true);
}

// A game unlike the defaults in every field, with White's list grown past 120
// lines and lines in use past its count.
inline SavedGame unusualEntry() {
    SavedGame game;
    game.displayBoard = startingPosition(4);
    game.humanPlaysBlack = game.computerGivesCheck = true;
    game.humanCastleKingSide = game.humanCastleQueenSide = false;
    game.level = 1;
    for (int i = 0; i < 125; ++i) game.whiteHistory.setLine(i, "Kg1");
    game.whiteHistory.count = 123;
    game.blackHistory.setLine(0, "e5");
    game.blackHistory.count = 1;
    return game;
}

// What is wrong after reading `input` into a copy of `entry`, or nullptr: the
// game must be usable, keep what was not taken, and save and load again as the
// same game.
inline const char* readProblem(std::string_view input, const SavedGame& entry) {
    SavedGame game = entry;
    const ReadStop stop = readSavedGame(input, game);
    if (!validGame(game)) return "the game holds a value no file gives";
    if (!keptFrom(stop, entry, game)) return "a field not taken changed, or a taken list was not emptied";
    const std::string saved = writeSavedGame(game);
    SavedGame again;
    if (readSavedGame(saved, again) != ReadStop::Complete) return "the saved game does not load";
    if (!sameGame(again, game)) return "the saved game loads as another game";
    return nullptr;
}

}  // namespace orbel::savegame_checks
