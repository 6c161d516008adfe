// Games in and out for other chess programs: File > Export Game (PGN), Copy
// Game as PGN, Copy Position as FEN, Open PGN or FEN and Paste Position or
// Game, and the command line's --pgn. The formats are savegame/'s (pgn.h,
// fen.h); this moves their text to and from files and the clipboard.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "savegame/pgn.h"

namespace orbel {

class ModalRunner;
class Table;
struct WindowState;

// Larger files and pasted texts are refused unread: far beyond any game.
inline constexpr qsizetype MaxGameTextBytes = 1 << 20;

// What a timed game adds to its export: its time control in PGN's notation
// ("180+2"; empty for none), how it ended where the result alone does not say
// ("time forfeit"; empty for nothing), and the mover's time left after each
// move in ms, parallel to the game's moves (shorter: the later moves have
// none). The window fills it from its clocks; empty, the export is untimed.
struct ExportClocks {
    std::string timeControl;
    std::string termination;
    std::vector<std::int64_t> remainingMs;
};

// The game on the board as PGN tells it: the moves since it began, was
// loaded or opened, the players as the game was begun ("Player", "Computer
// (Hard)", or the two nicknames of a network game), the result and the clocks.
PgnExport exportedGame(const Table& table, const QString& localNickname, const ExportClocks& clocks = {});

// The game on the board as PGN, into a file the user chooses or onto the
// clipboard; the position reached as FEN onto the clipboard. An export that
// stops before a move standard chess forbids says so in a box.
void runExportGameCommand(const ModalRunner& modal, WindowState& state, const Table& table,
                          const QString& localNickname, const ExportClocks& clocks = {});
void copyGameAsPgn(const ModalRunner& modal, const Table& table, const QString& localNickname,
                   const ExportClocks& clocks = {});
void copyPositionAsFen(const ModalRunner& modal, const Table& table);

// A game to play from a PGN's first game or a FEN, read from a file the user
// chooses, a file named, or the clipboard. Text that holds none this program
// can play is refused with a box naming why, and nothing is returned. Each
// reads by the rules the user has chosen for new games (state.standardRules,
// `standardRules`); a text only standard chess can play opens under its
// rules, and a box says so.
std::optional<ImportedGame> choosePgnOrFenFile(const ModalRunner& modal, WindowState& state);
std::optional<ImportedGame> readGameFile(const ModalRunner& modal, const QString& path, bool standardRules);
std::optional<ImportedGame> readClipboardGame(const ModalRunner& modal, bool standardRules);

// `orbel-chess --pgn saved-game.KRV`: the saved position as FEN, a blank
// line, then a PGN header with SetUp and FEN and no moves, on standard
// output. Returns the exit status: 0, or 1 with the reason on standard error
// when the file cannot be read or holds no saved game.
int printSavedGameAsPgn(const QString& path);

}  // namespace orbel
