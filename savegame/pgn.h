// PGN, the game format every chess program reads and writes, and the reading
// of a pasted or opened text that holds either a PGN game or a FEN position.
// Standard C++ only: the window moves the bytes to and from files and the
// clipboard.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/words.h"
#include "rules/standard_moves.h"

namespace orbel {

// The seven tags every PGN game carries, in their order. The caller fills in
// the values: Site the host name, Date "YYYY.MM.DD", White and Black the
// players ("Player", "Computer (Hard)", a nickname), Result "1-0", "0-1",
// "1/2-1/2" or "*" (anything else is written as "*"). Two more follow them
// when given: TimeControl (PGN's notation: "180+2", "40/5400:1800") and
// Termination ("time forfeit").
struct PgnTags {
    std::string event = "Orbel Chess game";
    std::string site;
    std::string date;
    std::string round = "-";
    std::string white;
    std::string black;
    std::string result = "*";
    std::string timeControl;
    std::string termination;
};

// Whether [SetUp "1"] and [FEN "..."] follow the seven tags: when the game
// does not begin from the usual starting position, or always.
enum class SetUpTags { WhenNeeded, Always };

struct PgnExport {
    std::string text;
    // Empty when the whole game is in `text`. Otherwise one sentence for the
    // user saying where the export stops and why: the game holds a move that
    // standard chess forbids (a castle across an attacked square), or its
    // start cannot be a standard position. In the language writePgn is given.
    std::string partialReason;
};

// The game as PGN: the tags (values with '"' and '\' escaped, control
// characters as spaces, at most 255 bytes), then the moves in SAN with move
// numbers, in lines of at most 80 characters, then the result (the winner's
// after checkmate, a draw after stalemate and, in a game by standard rules,
// after any draw that needs no claim, whatever `tags` says). A move that
// standard chess forbids ends the movetext before it with a comment saying
// why and giving the FEN reached, and the result becomes "*". `clocks` holds
// the mover's time left after each move, in ms; each move that has one is
// followed by it as a comment, "{[%clk 0:02:58]}" (whole seconds, rounded
// down). Only the partial reason is in the language of `tr` (the context
// "orbel::PgnWriter"); the file's text is English whatever `tr`.
PgnExport writePgn(const StandardPosition& start, const std::vector<StandardMove>& moves, const PgnTags& tags,
                   SetUpTags setUp = SetUpTags::WhenNeeded, const std::vector<std::int64_t>& clocks = {},
                   Translate tr = inEnglish);

// A game read from a PGN or a FEN: where it starts, its moves, and where they
// lead. The rules it is played by are its positions' `rules`.
struct ImportedGame {
    StandardPosition start;
    std::vector<StandardMove> moves;
    StandardPosition final;
    // The caller preferred this program's own rules, but the text can only be
    // played by standard chess (an en passant capture, a pawn becoming other
    // than a queen) or ends in a draw, which only standard chess knows: the
    // game is read under standard rules, and the user should be told.
    bool needsStandardRules = false;
};

// The longest game read, in half-moves: far beyond any real game, and short
// enough that replaying it never keeps the window waiting.
inline constexpr std::size_t MaxImportPlies = 10000;

// Reads a FEN (a text whose first word holds a '/') or else the first game
// of a PGN: tag pairs (a FEN tag gives the start), then the movetext, where
// comments ({...} and ; to the line's end), variations (nested), NAGs ($n),
// move numbers, "..." and annotation marks are skipped and every move is
// replayed. The game ends at its result, at the next game's tags or at the
// end of the text. It is read by the `preferred` rules first, then by the
// other ones when a move cannot be played by the first; a drawn game (its
// Result tag or its end "1/2-1/2") is read by standard chess when it can be.
// Returns "" and sets `game` when everything reads; otherwise one sentence for
// the user as this program's rules see it ("Move 12... exd3 cannot be
// played: no en passant in these rules.") and `game` is untouched. Safe on any
// bytes; work and memory grow only linearly with the text. The sentence is in
// the language of `tr`, under the context "orbel::PgnReader", the reasons
// the notation gives inside it too.
std::string readGameText(std::string_view text, ImportedGame& game, RuleSet preferred = RuleSet::Orbel,
                         Translate tr = inEnglish);

}  // namespace orbel
