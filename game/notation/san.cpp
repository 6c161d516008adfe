#include "game/notation/san.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "rules/words.h"

namespace orbel {
namespace {

constexpr const char* pieceLetters[] = {"", "", "N", "B", "R", "Q", "K"};
// Looked up by name: lupdate would take tr("orbel::...", ...) for a text of its own.
constexpr const char* Context = "orbel::MoveText";
constexpr const char* RefusalContext = "orbel::Refusal";
// "which knight": the question when a text names moves of several pieces.
constexpr const char* whichPiece[] = {
    ORBEL_WORD("orbel::MoveText", "which piece"),  ORBEL_WORD("orbel::MoveText", "which pawn"),
    ORBEL_WORD("orbel::MoveText", "which knight"), ORBEL_WORD("orbel::MoveText", "which bishop"),
    ORBEL_WORD("orbel::MoveText", "which rook"),   ORBEL_WORD("orbel::MoveText", "which queen"),
    ORBEL_WORD("orbel::MoveText", "which king")};
// "Which knight? Nbd2 or Nfd2": the same question in the status bar, with the moves it may mean.
constexpr const char* whichPieceOf[] = {
    ORBEL_WORD("orbel::MoveText", "Which piece? %1"),  ORBEL_WORD("orbel::MoveText", "Which pawn? %1"),
    ORBEL_WORD("orbel::MoveText", "Which knight? %1"), ORBEL_WORD("orbel::MoveText", "Which bishop? %1"),
    ORBEL_WORD("orbel::MoveText", "Which rook? %1"),   ORBEL_WORD("orbel::MoveText", "Which queen? %1"),
    ORBEL_WORD("orbel::MoveText", "Which king? %1")};
constexpr const char* NotAMove = ORBEL_WORD("orbel::MoveText", "not a move");
constexpr const char* NoSuchMove = ORBEL_WORD("orbel::MoveText", "no such move");

// "Nbd2" needs "b": what tells this move from the others of its kind to `to`.
std::string disambiguation(const StandardPosition& before, const StandardMove& move, PieceKind kind) {
    std::vector<StandardMove> rivals;
    legalMoves(before, rivals, {kind, move.to});
    bool rival = false, sameFile = false, sameRank = false;
    for (const StandardMove& r : rivals) {
        if (r.from == move.from) continue;
        rival = true;
        sameFile = sameFile || fileOf(r.from) == fileOf(move.from);
        sameRank = sameRank || rankOf(r.from) == rankOf(move.from);
    }
    if (!rival) return {};
    if (!sameFile) return std::string(1, squareName(move.from)[0]);
    if (!sameRank) return std::string(1, squareName(move.from)[1]);
    return std::string(squareName(move.from));
}

// What a move text asks for. kind NoPiece means any piece (coordinates).
struct Pattern {
    Castle castle = Castle::None;
    PieceKind kind = NoPiece;
    int fromFile = -1;
    int fromRank = -1;
    int to = -1;
    bool capture = false;
    PieceKind promoteTo = NoPiece;  // "=Q", "=N" ... or a trailing "Q", "N" ...
    bool pawnAsQueen = false;     // a "Q" move may be a pawn becoming a queen
};

int fileOfLetter(char c) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower >= 'a' && lower <= 'h' ? lower - 'a' : -1;
}
int rankOfDigit(char c) { return c >= '1' && c <= '8' ? c - '1' : -1; }

std::string_view trimmed(std::string_view text) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

bool readCastle(std::string_view t, Pattern& p) {
    std::string u;
    for (const char c : t) u += c == '0' || c == 'o' ? 'O' : c;
    if (u == "O-O") p.castle = Castle::Short;
    if (u == "O-O-O") p.castle = Castle::Long;
    if (p.castle == Castle::None) return false;
    p.kind = King;
    return true;
}

// A trailing "=Q", "Q" or "q" after the destination's rank, or another piece.
void readPromotion(std::string_view& t, Pattern& p) {
    if (t.size() < 3 || pieceOfLetter(t.back()) == NoPiece) return;
    const bool withEquals = t[t.size() - 2] == '=';
    const std::size_t rankAt = t.size() - (withEquals ? 3 : 2);
    if (rankAt == 0 || rankOfDigit(t[rankAt]) < 0) return;
    p.promoteTo = pieceOfLetter(t.back());
    t.remove_suffix(withEquals ? 2 : 1);
}

// The text after any annotation: [piece][file][rank][x|-|:]square[promotion].
// `bishopFirst` reads a leading lower-case "b" as the bishop.
bool readPattern(std::string_view t, bool bishopFirst, Pattern& p) {
    while (!t.empty() && (t.back() == '+' || t.back() == '#' || t.back() == '!' || t.back() == '?')) t.remove_suffix(1);
    if (readCastle(t, p)) return true;
    readPromotion(t, p);
    if (t.size() < 2 || fileOfLetter(t[t.size() - 2]) < 0 || rankOfDigit(t.back()) < 0) return false;
    p.to = squareAt(fileOfLetter(t[t.size() - 2]), rankOfDigit(t.back()));
    t.remove_suffix(2);
    if (!t.empty() && (t.back() == 'x' || t.back() == 'X' || t.back() == ':' || t.back() == '-')) {
        p.capture = t.back() != '-';
        t.remove_suffix(1);
    }
    const bool letter = !t.empty() && pieceOfLetter(t.front()) != NoPiece && (t.front() != 'b' || bishopFirst);
    if (letter) {
        p.kind = pieceOfLetter(t.front());
        t.remove_prefix(1);
    }
    if (!t.empty() && fileOfLetter(t.front()) >= 0) {
        p.fromFile = fileOfLetter(t.front());
        t.remove_prefix(1);
    }
    if (!t.empty() && rankOfDigit(t.front()) >= 0) {
        p.fromRank = rankOfDigit(t.front());
        t.remove_prefix(1);
    }
    if (!letter && (p.fromFile < 0 || p.fromRank < 0)) p.kind = Pawn;  // a full origin alone: any piece
    return t.empty();
}

bool matches(const Pattern& p, const StandardMove& m, const StandardPosition& position) {
    if (p.castle != Castle::None) return m.castle == p.castle;
    const Piece mover = position.at(m.from);
    const bool fullOrigin = p.fromFile >= 0 && p.fromRank >= 0;
    const bool kindFits = p.kind == NoPiece || p.kind == mover.kind || (p.pawnAsQueen && m.promotes);
    // A promotion that names no piece is read as a queen's.
    const bool promotionFits = !m.promotes ? p.promoteTo == NoPiece
                                           : m.promotion == (p.promoteTo == NoPiece ? Queen : p.promoteTo);
    return m.to == p.to && kindFits && (m.castle == Castle::None || fullOrigin) &&
           (p.fromFile < 0 || p.fromFile == fileOf(m.from)) && (p.fromRank < 0 || p.fromRank == rankOf(m.from)) &&
           (!p.capture || isCapture(position, m)) && promotionFits;
}

void addMatches(const StandardPosition& position, const Pattern& p, std::vector<StandardMove>& found) {
    std::vector<StandardMove> moves;
    const bool anyKind = p.kind == NoPiece || p.pawnAsQueen;
    legalMoves(position, moves, {anyKind ? NoPiece : p.kind, p.castle == Castle::None ? p.to : -1});
    for (const StandardMove& m : moves) {
        if (matches(p, m, position) && std::find(found.begin(), found.end(), m) == found.end()) found.push_back(m);
    }
}

// Why a readable text names no move, in a few words.
// Why a piece the text may mean cannot make the move, when the reason is one
// a player can act on (a blocked way, a pin, a check), else "".
std::string refusalFor(const StandardPosition& position, const Pattern& p, Translate tr) {
    const int homeRank = position.toMove == Side::White ? 0 : 7;
    int to = p.to;
    if (p.castle != Castle::None) to = squareAt(p.castle == Castle::Short ? 6 : 2, homeRank);
    if (to < 0 || to > 63) return {};
    const PieceKind kind = p.castle != Castle::None ? King : p.kind;
    for (int from = 0; from < 64; ++from) {
        const Piece piece = position.at(from);
        if (piece.empty() || piece.side != position.toMove || (kind != NoPiece && piece.kind != kind)) continue;
        if ((p.fromFile >= 0 && fileOf(from) != p.fromFile) || (p.fromRank >= 0 && rankOf(from) != p.fromRank)) continue;
        const Refusal r = refusalOf(position, StandardMove{static_cast<std::int8_t>(from), static_cast<std::int8_t>(to),
                                                           Castle::None, false});
        if (r == Refusal::None || r == Refusal::NotThatWay || r == Refusal::NotAMove) continue;
        std::string text = tr(RefusalContext, refusalText(r));
        // Inside a sentence; the letter is ASCII in every language shipped, and other bytes stay.
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
        return text;
    }
    return {};
}

std::string noMoveReason(const StandardPosition& position, const std::vector<Pattern>& patterns, Translate tr) {
    // What only this program's own rules refuse; standard chess's refusals are refusalFor's.
    const bool orbel = position.rules == RuleSet::Orbel;
    for (const Pattern& p : patterns) {
        if (orbel && p.promoteTo != NoPiece && p.promoteTo != Queen)
            return tr(Context, ORBEL_WORD("orbel::MoveText", "pawns always become queens"));
        const bool pawnCapture = p.kind == Pawn && (p.capture || (p.fromFile >= 0 && p.fromFile != fileOf(p.to)));
        if (orbel && pawnCapture && p.to == position.enPassantTarget)
            return tr(Context, ORBEL_WORD("orbel::MoveText", "no en passant in these rules"));
    }
    for (const Pattern& p : patterns)
        if (std::string reason = refusalFor(position, p, tr); !reason.empty()) return reason;
    return {};
}

std::string choiceList(const StandardPosition& position, const std::vector<StandardMove>& found, Translate tr) {
    std::string list;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (i > 0) list += i + 1 == found.size() ? tr(Context, ORBEL_WORD("orbel::MoveText", " or ")) : ", ";
        list += sanText(position, found[i], false);
    }
    return list;
}

PieceKind commonKind(const StandardPosition& position, const std::vector<StandardMove>& found) {
    const PieceKind kind = position.at(found.front().from).kind;
    for (const StandardMove& m : found)
        if (position.at(m.from).kind != kind) return NoPiece;
    return kind;
}

// The legal moves the text may name, by from-square, and the readings of it
// that were tried (none when it reads as no move at all).
std::vector<StandardMove> namedMoves(const StandardPosition& position, std::string_view t, bool typed,
                                     std::vector<Pattern>& patterns) {
    std::vector<StandardMove> found;
    Pattern p;
    if (readPattern(t, false, p)) {
        p.pawnAsQueen = typed && p.kind == Queen;
        patterns.push_back(p);
        addMatches(position, p, found);
    }
    // "bb4" and "bxc4" may mean the bishop as well as the b-pawn (with an
    // origin after the "b", as in "b2b4", it can only be a file). Typed, both
    // readings count; in a PGN the bishop only when no pawn move fits.
    Pattern bishop;
    if (t.starts_with('b') && readPattern(t, true, bishop) && bishop.kind == Bishop && bishop.fromFile < 0 &&
        bishop.fromRank < 0 && (typed || found.empty())) {
        patterns.push_back(bishop);
        addMatches(position, bishop, found);
    }
    std::sort(found.begin(), found.end(), [](const StandardMove& a, const StandardMove& b) { return a.from < b.from; });
    return found;
}

}  // namespace

PieceKind pieceOfLetter(char c) {
    switch (std::toupper(static_cast<unsigned char>(c))) {
    case 'N': return Knight;
    case 'B': return Bishop;
    case 'R': return Rook;
    case 'Q': return Queen;
    case 'K': return King;
    default: return NoPiece;
    }
}

std::string sanText(const StandardPosition& before, const StandardMove& move, bool withCheckMark) {
    std::string text;
    if (move.castle != Castle::None) {
        text = move.castle == Castle::Short ? "O-O" : "O-O-O";
    } else {
        const PieceKind kind = before.at(move.from).kind;
        const bool capture = isCapture(before, move);
        if (kind == Pawn) {
            if (capture) text += squareName(move.from)[0];
        } else {
            text += pieceLetters[kind >= Pawn && kind <= King ? kind : 0];
            text += disambiguation(before, move, kind);
        }
        if (capture) text += 'x';
        text += squareName(move.to);
        if (move.promotes) text += std::string("=") + pieceLetters[move.promotion >= Knight && move.promotion <= Queen ? move.promotion : Queen];
    }
    if (withCheckMark) {
        const StandardPosition next = afterMove(before, move);
        if (isInCheck(next)) text += isCheckmate(next) ? '#' : '+';
    }
    return text;
}

namespace {

// `searched` read as a move; `shown` is what the messages quote, the text
// as the user typed it.
MoveTextReading readAs(const StandardPosition& position, std::string_view shown, std::string_view searched,
                       MoveTextRules rules, Translate tr) {
    std::vector<Pattern> patterns;
    const std::vector<StandardMove> found = namedMoves(position, searched, rules == MoveTextRules::Typed, patterns);
    MoveTextReading reading;
    if (found.size() == 1) {
        reading.outcome = MoveTextReading::Outcome::One;
        reading.move = found.front();
        reading.promotionUnnamed = reading.move.promotes && std::none_of(patterns.begin(), patterns.end(), [](const Pattern& p) {
            return p.promoteTo != NoPiece || p.pawnAsQueen;
        });
    } else if (found.empty() && patterns.empty()) {
        reading.why = MoveTextReading::Why::NotAMove;
        reading.reason = tr(Context, NotAMove);
        reading.message = fill(tr(Context, ORBEL_WORD("orbel::MoveText", "Not a move: %1")), {quotedText(shown)});
    } else if (found.empty()) {
        const std::string why = noMoveReason(position, patterns, tr);
        reading.why = why.empty() ? MoveTextReading::Why::NoSuchMove : MoveTextReading::Why::Refused;
        reading.reason = why.empty() ? tr(Context, NoSuchMove) : why;
        reading.message = fill(tr(Context, ORBEL_WORD("orbel::MoveText", "No such move: %1")), {quotedText(shown)});
        if (!why.empty()) reading.message += " (" + why + ")";
    } else {
        reading.outcome = MoveTextReading::Outcome::Several;
        const PieceKind kind = commonKind(position, found);
        const int k = kind >= Pawn && kind <= King ? kind : 0;
        reading.reason = tr(Context, whichPiece[k]);
        reading.message = fill(tr(Context, whichPieceOf[k]), {choiceList(position, found, tr)});
    }
    return reading;
}

}  // namespace

std::string withEnglishLetters(std::string_view text, std::string_view ownLetters) {
    std::array<std::string_view, 5> own{};
    std::size_t count = 0;
    for (std::size_t at = 0; at < ownLetters.size() && count <= own.size();) {
        const std::size_t end = std::min(ownLetters.find(' ', at), ownLetters.size());
        if (end > at) {
            if (count == own.size()) return std::string(text);
            own[count++] = ownLetters.substr(at, end - at);
        }
        at = end + 1;
    }
    if (count != own.size()) return std::string(text);
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        // The longest letter that fits: Russian's king "Кр" before its knight "К".
        std::size_t best = own.size(), length = 0;
        for (std::size_t k = 0; k < own.size(); ++k)
            if (own[k].size() > length && text.substr(i, own[k].size()) == own[k]) best = k, length = own[k].size();
        if (best < own.size()) {
            out += "KQRBN"[best];
            i += length;
        } else {
            out += text[i++];
        }
    }
    return out;
}

MoveTextReading readMoveText(const StandardPosition& position, std::string_view text, MoveTextRules rules,
                             std::string_view ownLetters, Translate tr) {
    const std::string_view t = trimmed(text);
    MoveTextReading english = readAs(position, t, t, rules, tr);
    const std::string searched = withEnglishLetters(t, ownLetters);
    if (searched == t) return english;
    // The user's own letters first: in French "R" is the king, the rook in English.
    MoveTextReading own = readAs(position, t, searched, rules, tr);
    return own.outcome == MoveTextReading::Outcome::One || english.outcome != MoveTextReading::Outcome::One ? own
                                                                                                            : english;
}

const char* refusalText(Refusal refusal) noexcept {
    switch (refusal) {
    case Refusal::None: return "";
    case Refusal::NotAMove: return ORBEL_WORD("orbel::Refusal", "That is no move");
    case Refusal::NothingThere: return ORBEL_WORD("orbel::Refusal", "There is no piece there");
    case Refusal::NotYourPiece: return ORBEL_WORD("orbel::Refusal", "That is not your piece");
    case Refusal::OwnPieceThere: return ORBEL_WORD("orbel::Refusal", "Your own piece stands there");
    case Refusal::NotThatWay: return ORBEL_WORD("orbel::Refusal", "That piece does not move so");
    case Refusal::WayBlocked: return ORBEL_WORD("orbel::Refusal", "The way is blocked");
    case Refusal::NothingToTake: return ORBEL_WORD("orbel::Refusal", "There is nothing to take there");
    case Refusal::NoEnPassant: return ORBEL_WORD("orbel::Refusal", "No en passant in these rules");
    case Refusal::EnPassantGone: return ORBEL_WORD("orbel::Refusal", "En passant only right after the double step");
    case Refusal::CastleThroughAttack:
        return ORBEL_WORD("orbel::Refusal", "The king may not castle through an attacked square");
    case Refusal::CastleIntoCheck: return ORBEL_WORD("orbel::Refusal", "The king may not castle into check");
    case Refusal::CastlingGone:
        return ORBEL_WORD("orbel::Refusal", "The king or that rook has moved, or the rook is gone");
    case Refusal::InCheck: return ORBEL_WORD("orbel::Refusal", "Your king is in check");
    case Refusal::Pinned: return ORBEL_WORD("orbel::Refusal", "That piece is pinned to its king");
    case Refusal::KingAttacked: return ORBEL_WORD("orbel::Refusal", "That square is attacked");
    }
    return "";
}

std::string quotedText(std::string_view text, std::size_t limit) {
    std::string out;
    const std::string_view shown = text.substr(0, limit);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto c = static_cast<unsigned char>(shown[i]);
        // A Cyrillic letter (U+0400 to U+04FF, two bytes) stays: a Russian
        // player types the pieces so. Nothing else outside ASCII can steer
        // the line it is shown in.
        const bool cyrillic = (c == 0xD0 || c == 0xD1 || c == 0xD2 || c == 0xD3) && i + 1 < shown.size() &&
                              (static_cast<unsigned char>(shown[i + 1]) & 0xC0) == 0x80;
        if (cyrillic) {
            out += shown.substr(i++, 2);
        } else {
            out += c >= ' ' && c <= '~' ? static_cast<char>(c) : '?';
        }
    }
    if (text.size() > limit) out += "...";
    return out;
}

}  // namespace orbel
