// Standard algebraic notation (SAN): writing a move, and reading a move typed
// by the user or found in a PGN file. Standard C++ only.
//
// The history panes keep the program's own notation (moveText); SAN is
// what other chess programs read and write.
#pragma once

#include <string>
#include <string_view>

#include "rules/words.h"
#include "rules/standard_moves.h"

namespace orbel {

// The SAN of a move legal in `before`: the piece letter (none for a pawn),
// the origin's file, rank or both when another piece of the kind could go to
// the same square (file first, then rank), "x" for a capture (a pawn's with
// its file, en passant too), the destination, "=Q" (or the piece chosen) for a promotion, "O-O" / "O-O-O" for
// castling, and "+" or "#" when asked for.
std::string sanText(const StandardPosition& before, const StandardMove& move, bool withCheckMark = true);

// The piece of a SAN letter, N B R Q K in either case; NoPiece for others.
PieceKind pieceOfLetter(char c);

// How much a reader forgives. Both take SAN ("e4", "Nf3", "exd5", "O-O",
// "e8=Q"), castling with zeros ("0-0"), coordinates ("e2e4", "e2-e4",
// "e7e8q", "e1g1" for castling), the history panes' notation ("xd5" for a
// pawn's capture, a promotion written as the queen it became: "Qxe8"), piece
// letters and files in either case, a missing "x" and trailing "+", "#", "!"
// and "?". They differ in two readings:
// - Typed: a lower-case "b" before the destination alone ("bb4", "bxc4")
//   reads as a bishop and as a b-file pawn; a "Q" move also reads as a pawn
//   becoming a queen on that square, as the panes write it. When both name
//   a move, the reader asks which.
// - Pgn: SAN's letters as SAN means them: a lower-case "b" is a file (the
//   bishop only when no pawn move fits) and "Q" always a queen.
enum class MoveTextRules { Typed, Pgn };

struct MoveTextReading {
    enum class Outcome { One, None, Several };
    Outcome outcome = Outcome::None;
    StandardMove move;  // the move, when there is exactly one
    // A promotion the text did not name a piece for ("e8"): read as a queen,
    // though a player could still be asked.
    bool promotionUnnamed = false;
    // None: why, in a few words ("no such move", "the way is blocked", "no en passant in these rules",
    // "pawns always become queens", "not a move"). Several: the question
    // ("which knight", "which piece" when the kinds differ).
    std::string reason;
    // None: whether the text names no move at all, no such move, or one the
    // rules refuse for the reason given.
    enum class Why { NotAMove, NoSuchMove, Refused };
    Why why = Why::NoSuchMove;
    // A status-bar text for the user: "No such move: Nf5",
    // "Which knight? Nbd2 or Nfd2". Empty for One.
    std::string message;
};

//
// `ownLetters` are the user's language's letters for the king, queen, rook,
// bishop and knight, apart by spaces ("K D T L S" in German, "Кр Ф Л С К" in
// Russian); upper case only, since a lower-case letter may be a file. A text
// is read with them as well as with the English letters, and their reading
// wins unless only the English one names a move: a French "Re2" is the
// king's move when the king can go there, else the rook's. The reason and
// the message come through `tr`, and quote the text as typed.
MoveTextReading readMoveText(const StandardPosition& position, std::string_view text,
                             MoveTextRules rules = MoveTextRules::Typed, std::string_view ownLetters = {},
                             Translate tr = inEnglish);

// `text` with the user's own piece letters (as readMoveText takes them)
// written as English ones; `text` itself when `ownLetters` are not five.
std::string withEnglishLetters(std::string_view text, std::string_view ownLetters);

// Why the rules refuse a move, as a sentence without its full stop: "The way
// is blocked".
const char* refusalText(Refusal refusal) noexcept;

// Up to `limit` bytes of a stranger's text, fit to quote in a message:
// anything but printable ASCII and Cyrillic letters shown as "?".
std::string quotedText(std::string_view text, std::size_t limit = 20);

}  // namespace orbel
