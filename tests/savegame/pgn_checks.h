// What every reading of a stranger's text must leave behind, for the mutation
// test and the libFuzzer target: a PGN or FEN either reads as a game this
// program can play and that exports and reads back the same, or is refused
// with a short printable sentence and nothing changed; a typed move is one
// legal move or a short message.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "game/notation/san.h"
#include "game/notation/fen.h"
#include "savegame/pgn.h"

namespace orbel::pgn_checks {

// Printable ASCII, and with `cyrillic` whole Cyrillic letters (two bytes, lead 0xD0 to 0xD3), which a
// Russian player's typed move is quoted with.
inline bool printable(const std::string& text, std::size_t limit, bool cyrillic = false) {
    if (text.size() > limit) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool letter = cyrillic && c >= 0xD0 && c <= 0xD3 && i + 1 < text.size() &&
                            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
        if (letter) ++i;
        else if (c < ' ' || c > '~') return false;
    }
    return true;
}

inline const char* refusalProblem(const std::string& error, const ImportedGame& game, const ImportedGame& before) {
    if (!printable(error, 200, true)) return "a refusal is too long or holds unprintable bytes";
    if (writeFen(game.start) != writeFen(before.start) || game.moves != before.moves) {
        return "a refused text changed the game";
    }
    return nullptr;
}

inline const char* gameProblem(const ImportedGame& game, RuleSet preferred) {
    if (positionProblem(game.start) != nullptr) return "a game starts where standard chess cannot";
    const bool standard = game.start.rules == RuleSet::Standard;
    if (game.needsStandardRules != (standard && preferred == RuleSet::Orbel)) return "a change of rules is misreported";
    if (game.moves.size() > MaxImportPlies) return "a game is longer than the limit";
    StandardPosition p = game.start;
    for (const StandardMove& m : game.moves) {
        if (!isLegalMove(p, m)) return "a move these rules refuse was read";
        p = afterMove(p, m);
    }
    if (!(p == game.final)) return "the moves do not lead to the final position";
    const PgnExport out = writePgn(game.start, game.moves, {});
    ImportedGame back;
    if (!readGameText(out.text, back, game.start.rules).empty()) return "an export does not read back";
    const bool prefix = back.moves.size() <= game.moves.size() &&
                        std::equal(back.moves.begin(), back.moves.end(), game.moves.begin());
    // A stalemate by these rules exports as a draw, which reads back by standard chess.
    StandardPosition backStart = back.start;
    backStart.rules = game.start.rules;
    if (writeFen(backStart) != writeFen(game.start) || !prefix) return "an export reads back as another game";
    if ((back.moves.size() < game.moves.size()) != !out.partialReason.empty()) return "a cut export is not reported";
    return nullptr;
}

// The text as a PGN or FEN by either rules first, and as a move typed in a
// few positions.
inline const char* readingProblem(std::string_view input) {
    bool read[2] = {};
    for (const RuleSet preferred : {RuleSet::Orbel, RuleSet::Standard}) {
        ImportedGame game, before;
        before.start.fullMove = game.start.fullMove = 77;  // a game the reader must leave alone
        const std::string error = readGameText(input, game, preferred);
        const char* problem = error.empty() ? gameProblem(game, preferred) : refusalProblem(error, game, before);
        if (problem != nullptr) return problem;
        read[static_cast<int>(preferred)] = error.empty();
    }
    if (read[0] != read[1]) return "a text reads by one rules' preference only";

    static const char* const positions[] = {
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "r3k2r/8/b7/8/2p5/1P6/4B3/R3K2R w KQkq - 0 1",
        "8/4P3/7k/8/Q7/8/8/4K3 w - - 0 1", "4k3/8/8/3pP3/8/5N2/8/1N2K3 w - d6 0 1"};
    const std::string_view typed = input.substr(0, 64);
    for (const char* fen : positions) {
        StandardPosition p;
        readFen(fen, p);
        // In English, and with a Russian player's letters (two bytes each, the king's two letters).
        for (const char* letters : {"", "\u041a\u0440 \u0424 \u041b \u0421 \u041a"}) {
            const MoveTextReading r = readMoveText(p, typed, MoveTextRules::Typed, letters);
            const bool one = r.outcome == MoveTextReading::Outcome::One;
            if (one && !isLegalMove(p, r.move)) return "a typed move is not legal";
            if (!one && (r.message.empty() || !printable(r.message, 200, true))) {
                return "a typed move's message is empty, too long or unprintable";
            }
        }
    }
    return nullptr;
}

}  // namespace orbel::pgn_checks
