#include "game/notation/spoken.h"

#include <cctype>
#include <vector>

#include "game/notation/san.h"
#include "rules/standard_moves.h"

namespace orbel {
namespace {

// The contexts of the translators' texts. Looked up by name, not by a
// literal: lupdate would take tr("orbel::...", ...) for a text of its own.
constexpr const char* SpokenContext = "orbel::Spoken";

// Every text here is heard, read out by a screen reader; the context tells
// the translators so. Squares ("e4") and numbers stay as they are.
std::string say(Translate tr, const char* english) { return tr(SpokenContext, english); }

// Table rows by kind: NoPiece and anything odd read as the first.
std::size_t row(PieceKind kind) { return kind >= Pawn && kind <= King ? static_cast<std::size_t>(kind) : 0; }

// The name of a kind, one piece: "knight f3".
constexpr const char* pieceNames[] = {
    ORBEL_WORD("orbel::Spoken", "piece"), ORBEL_WORD("orbel::Spoken", "pawn"),  ORBEL_WORD("orbel::Spoken", "knight"),
    ORBEL_WORD("orbel::Spoken", "bishop"), ORBEL_WORD("orbel::Spoken", "rook"), ORBEL_WORD("orbel::Spoken", "queen"),
    ORBEL_WORD("orbel::Spoken", "king"),
};

// Several pieces of a kind, before their squares: "rooks a1 and h1".
constexpr const char* pluralNames[] = {
    ORBEL_WORD("orbel::Spoken", "pieces"), ORBEL_WORD("orbel::Spoken", "pawns"), ORBEL_WORD("orbel::Spoken", "knights"),
    ORBEL_WORD("orbel::Spoken", "bishops"), ORBEL_WORD("orbel::Spoken", "rooks"),
    ORBEL_WORD("orbel::Spoken", "queens"), ORBEL_WORD("orbel::Spoken", "kings"),
};

// The piece a move takes, as the object of "takes": languages with cases
// decline it (German "Bauern", Polish "piona", Russian "пешку").
constexpr const char* takenNames[] = {
    ORBEL_WORD("orbel::SpokenTaken", "piece"), ORBEL_WORD("orbel::SpokenTaken", "pawn"),
    ORBEL_WORD("orbel::SpokenTaken", "knight"), ORBEL_WORD("orbel::SpokenTaken", "bishop"),
    ORBEL_WORD("orbel::SpokenTaken", "rook"), ORBEL_WORD("orbel::SpokenTaken", "queen"),
    ORBEL_WORD("orbel::SpokenTaken", "king"),
};
constexpr const char* TakenContext = "orbel::SpokenTaken";

// The kind a side has none of, after "has no": "has no knights" (Polish
// "nie mają skoczków", Russian "нет коней").
constexpr const char* missingNames[] = {
    ORBEL_WORD("orbel::SpokenMissing", "pieces"), ORBEL_WORD("orbel::SpokenMissing", "pawns"),
    ORBEL_WORD("orbel::SpokenMissing", "knights"), ORBEL_WORD("orbel::SpokenMissing", "bishops"),
    ORBEL_WORD("orbel::SpokenMissing", "rooks"), ORBEL_WORD("orbel::SpokenMissing", "queens"),
    ORBEL_WORD("orbel::SpokenMissing", "king"),
};
constexpr const char* MissingContext = "orbel::SpokenMissing";

// A piece with its colour, after its square: "e4, white pawn".
constexpr const char* colouredNames[2][7] = {
    {ORBEL_WORD("orbel::Spoken", "white piece"), ORBEL_WORD("orbel::Spoken", "white pawn"),
     ORBEL_WORD("orbel::Spoken", "white knight"), ORBEL_WORD("orbel::Spoken", "white bishop"),
     ORBEL_WORD("orbel::Spoken", "white rook"), ORBEL_WORD("orbel::Spoken", "white queen"),
     ORBEL_WORD("orbel::Spoken", "white king")},
    {ORBEL_WORD("orbel::Spoken", "black piece"), ORBEL_WORD("orbel::Spoken", "black pawn"),
     ORBEL_WORD("orbel::Spoken", "black knight"), ORBEL_WORD("orbel::Spoken", "black bishop"),
     ORBEL_WORD("orbel::Spoken", "black rook"), ORBEL_WORD("orbel::Spoken", "black queen"),
     ORBEL_WORD("orbel::Spoken", "black king")},
};

// What a pawn reaching the last rank turns into, after the move and a comma.
constexpr const char* promotions[] = {
    ORBEL_WORD("orbel::Spoken", "becomes a piece"), ORBEL_WORD("orbel::Spoken", "becomes a pawn"),
    ORBEL_WORD("orbel::Spoken", "becomes a knight"), ORBEL_WORD("orbel::Spoken", "becomes a bishop"),
    ORBEL_WORD("orbel::Spoken", "becomes a rook"), ORBEL_WORD("orbel::Spoken", "becomes a queen"),
    ORBEL_WORD("orbel::Spoken", "becomes a king"),
};

std::string named(PieceKind kind, Translate tr) { return say(tr, pieceNames[row(kind)]); }

std::string coloured(Piece piece, Translate tr) {
    return say(tr, colouredNames[piece.side == Side::White ? 0 : 1][row(piece.kind)]);
}

std::string promotion(PieceKind kind, Translate tr) { return ", " + say(tr, promotions[row(kind)]); }

// "a and b", "a, b and c".
std::string listed(const std::vector<std::string_view>& items, Translate tr) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i == 0) {
            out = items[i];
        } else if (i + 1 < items.size()) {
            (out += ", ") += items[i];
        } else {
            // The last two of a list of squares: "a1 and h1", "a2, b2 and c2".
            out = fill(say(tr, ORBEL_WORD("orbel::Spoken", "%1 and %2")), {out, items[i]});
        }
    }
    return out;
}

// "rooks a1 and h1", or "" when the side has none of the kind.
std::string kindSquares(const StandardPosition& position, Side side, PieceKind kind, Translate tr) {
    std::vector<std::string_view> squares;
    for (int s = 0; s < 64; ++s)
        if (position.at(s) == Piece{kind, side}) squares.push_back(squareName(s));
    if (squares.empty()) return {};
    const std::string name = say(tr, (squares.size() > 1 ? pluralNames : pieceNames)[row(kind)]);
    return name + ' ' + listed(squares, tr);
}

// "king e1, rooks a1 and h1": one side's pieces, or "no pieces".
std::string sidePieces(const StandardPosition& position, Side side, Translate tr) {
    constexpr PieceKind order[] = {King, Queen, Rook, Bishop, Knight, Pawn};
    std::vector<std::string> kinds;
    for (const PieceKind kind : order)
        if (std::string k = kindSquares(position, side, kind, tr); !k.empty()) kinds.push_back(std::move(k));
    // After "White has" or "Black has".
    if (kinds.empty()) return say(tr, ORBEL_WORD("orbel::Spoken", "no pieces"));
    std::string out = kinds.front();
    for (std::size_t i = 1; i < kinds.size(); ++i) out += ", " + kinds[i];
    return out;
}

// ", check" or ", checkmate" after a move, or "".
std::string checkWord(char mark, Translate tr) {
    if (mark == '+') return ", " + say(tr, ORBEL_WORD("orbel::Spoken", "check"));
    if (mark == '#') return ", " + say(tr, ORBEL_WORD("orbel::Spoken", "checkmate"));
    return {};
}

std::string castles(Castle castle, Translate tr) {
    return castle == Castle::Short ? say(tr, ORBEL_WORD("orbel::Spoken", "castles short"))
                                   : say(tr, ORBEL_WORD("orbel::Spoken", "castles long"));
}

}  // namespace

const char* pieceName(PieceKind kind) noexcept { return pieceNames[row(kind)]; }

std::string spokenSquare(const StandardPosition& position, int square, Translate tr) {
    const std::string name(squareName(square));
    const Piece piece = position.at(square);
    // A square with nothing on it.
    if (piece.empty()) return fill(say(tr, ORBEL_WORD("orbel::Spoken", "%1, empty")), {name});
    return name + ", " + coloured(piece, tr);
}

std::string spokenMove(const StandardPosition& before, const StandardMove& move, Translate tr) {
    if (move.castle != Castle::None) return castles(move.castle, tr);
    const std::string piece = named(before.at(move.from).kind, tr);
    const std::string from(squareName(move.from)), to(squareName(move.to));
    const bool enPassant = isEnPassant(before, move);
    const Piece taken = before.at(move.to);
    std::string out;
    if (enPassant) {
        // The moving pawn, its square, the pawn it takes, the square it lands on.
        out = fill(say(tr, ORBEL_WORD("orbel::Spoken", "%1 %2 takes %3 %4 en passant")),
                   {piece, from, tr(TakenContext, takenNames[row(Pawn)]), to});
    } else if (taken.empty()) {
        // The moving piece, its square, where it goes: "pawn e2 to e4".
        out = fill(say(tr, ORBEL_WORD("orbel::Spoken", "%1 %2 to %3")), {piece, from, to});
    } else {
        // The moving piece, its square, the piece it takes, that one's square.
        const std::string takenName = tr(TakenContext, takenNames[row(taken.kind)]);
        out = fill(say(tr, ORBEL_WORD("orbel::Spoken", "%1 %2 takes %3 %4")), {piece, from, takenName, to});
    }
    if (move.promotes) out += promotion(move.promotion, tr);
    return out;
}

std::string spokenSan(std::string_view san, Translate tr) {
    std::string_view rest = san;
    char mark = 0;
    while (!rest.empty() && (rest.back() == '+' || rest.back() == '#' || rest.back() == '!' || rest.back() == '?')) {
        if (mark == 0 && rest.back() != '!' && rest.back() != '?') mark = rest.back();
        rest.remove_suffix(1);
    }
    const std::string ending = checkWord(mark, tr);
    if (rest == "O-O-O" || rest == "0-0-0") return castles(Castle::Long, tr) + ending;
    if (rest == "O-O" || rest == "0-0") return castles(Castle::Short, tr) + ending;
    std::string becomes;
    if (const std::size_t eq = rest.find('='); eq != std::string_view::npos) {
        const PieceKind kind = rest.size() > eq + 1 ? pieceOfLetter(rest[eq + 1]) : Queen;
        becomes = promotion(kind == NoPiece ? Queen : kind, tr);
        rest = rest.substr(0, eq);
    }
    // Who moves, as far as the notation says: the piece, then the origin
    // (file, rank or both). Upper case only: a lower-case "b" is a file.
    std::string who;
    const bool lettered = !rest.empty() && std::isupper(static_cast<unsigned char>(rest.front()));
    if (lettered && pieceOfLetter(rest.front()) != NoPiece) {
        who = named(pieceOfLetter(rest.front()), tr);
        rest.remove_prefix(1);
    }
    const std::string_view to = rest.size() >= 2 ? rest.substr(rest.size() - 2) : rest;
    std::string_view origin = rest.substr(0, rest.size() - to.size());
    const bool takes = !origin.empty() && origin.back() == 'x';
    if (takes) origin.remove_suffix(1);
    if (!origin.empty()) (who += who.empty() ? "" : " ") += origin;
    std::string out;
    if (takes && who.empty()) {
        // A capture whose mover the notation leaves out: "takes d5".
        out = fill(say(tr, ORBEL_WORD("orbel::Spoken", "takes %1")), {to});
    } else if (takes) {
        // The mover as the notation names it ("e", "knight", "knight b"), then the square: "e takes d5".
        out = fill(say(tr, ORBEL_WORD("orbel::Spoken", "%1 takes %2")), {who, to});
    } else {
        out = who.empty() || to.empty() ? who + std::string(to) : who + ' ' + std::string(to);
    }
    return out + becomes + ending;
}

std::string spokenSide(const StandardPosition& position, Side side, Translate tr) {
    // The side's pieces: "White has king e1, rooks a1 and h1."
    return fill(side == Side::White ? say(tr, ORBEL_WORD("orbel::Spoken", "White has %1."))
                                    : say(tr, ORBEL_WORD("orbel::Spoken", "Black has %1.")),
                {sidePieces(position, side, tr)});
}

std::string spokenPosition(const StandardPosition& position, Translate tr) {
    std::string out;
    for (const Side side : {Side::White, Side::Black}) out += spokenSide(position, side, tr) + ' ';
    const bool white = position.toMove == Side::White;
    if (isInCheck(position)) {
        out += white ? say(tr, ORBEL_WORD("orbel::Spoken", "White to move, check"))
                     : say(tr, ORBEL_WORD("orbel::Spoken", "Black to move, check"));
    } else {
        out += white ? say(tr, ORBEL_WORD("orbel::Spoken", "White to move"))
                     : say(tr, ORBEL_WORD("orbel::Spoken", "Black to move"));
    }
    // The rules are named only when they are not the ones a game has by default.
    if (position.rules != RuleSet::Standard) return out + '.';
    return out + ". " + say(tr, ORBEL_WORD("orbel::Spoken", "Standard chess rules."));
}

}  // namespace orbel

namespace orbel {
namespace {

std::string spokenSquares(const StandardPosition& position, const std::string& title, int first, int step,
                          Translate tr) {
    std::string out = title + '.';
    int empty = 0;
    const char* separator = " ";
    for (int i = 0; i < 8; ++i) {
        const int square = first + i * step;
        const Piece piece = position.at(square);
        if (piece.empty()) {
            ++empty;
            continue;
        }
        ((out += separator) += squareName(square)) += ' ' + coloured(piece, tr);
        separator = ", ";
    }
    // After a rank's or a file's pieces: how many of its 8 squares are empty.
    if (empty == 8) return out + ' ' + say(tr, ORBEL_WORD("orbel::Spoken", "All empty."));
    if (empty == 1) return out + ". " + say(tr, ORBEL_WORD("orbel::Spoken", "1 empty."));
    if (empty > 0) return out + ". " + fill(say(tr, ORBEL_WORD("orbel::Spoken", "%1 empty.")), {std::to_string(empty)});
    return out + '.';
}

int material(const StandardPosition& position, Side side) {
    constexpr int worth[] = {0, 1, 3, 3, 5, 9, 0};
    int sum = 0;
    for (int s = 0; s < 64; ++s) {
        const Piece p = position.at(s);
        if (!p.empty() && p.side == side && p.kind >= Pawn && p.kind <= King) sum += worth[p.kind];
    }
    return sum;
}

// "White has no knights." or "Black has no king.": the kind's plural name,
// or "king" for the king.
std::string noneOf(Side side, PieceKind kind, Translate tr) {
    const std::string none = tr(MissingContext, missingNames[row(kind)]);
    return fill(side == Side::White ? say(tr, ORBEL_WORD("orbel::Spoken", "White has no %1."))
                                    : say(tr, ORBEL_WORD("orbel::Spoken", "Black has no %1.")),
                {none});
}

}  // namespace

std::string spokenRank(const StandardPosition& position, int rank, Translate tr) {
    // A row of the board by its number, 1 to 8.
    const std::string title = fill(say(tr, ORBEL_WORD("orbel::Spoken", "Rank %1")), {std::to_string(rank + 1)});
    return spokenSquares(position, title, squareAt(0, rank), 1, tr);
}

std::string spokenFile(const StandardPosition& position, int file, Translate tr) {
    // A column of the board by its letter, a to h.
    const std::string letter(1, static_cast<char>('a' + file));
    const std::string title = fill(say(tr, ORBEL_WORD("orbel::Spoken", "File %1")), {letter});
    return spokenSquares(position, title, squareAt(file, 0), 8, tr);
}

std::string spokenKind(const StandardPosition& position, PieceKind kind, Translate tr) {
    std::string out;
    for (const Side side : {Side::White, Side::Black}) {
        if (!out.empty()) out += ' ';
        const std::string squares = kindSquares(position, side, kind, tr);
        if (squares.empty()) {
            out += noneOf(side, kind, tr);
        } else {
            // A side's pieces of one kind and their squares: "White knights b1 and g1."
            out += fill(side == Side::White ? say(tr, ORBEL_WORD("orbel::Spoken", "White %1."))
                                            : say(tr, ORBEL_WORD("orbel::Spoken", "Black %1.")),
                        {squares});
        }
    }
    return out;
}

std::string spokenMaterial(const StandardPosition& position, Translate tr) {
    const int white = material(position, Side::White), black = material(position, Side::Black);
    // Both sides' material in points: "White 39, Black 36."
    const std::string out = fill(say(tr, ORBEL_WORD("orbel::Spoken", "White %1, Black %2.")),
                                 {std::to_string(white), std::to_string(black)}) + ' ';
    if (white == black) return out + say(tr, ORBEL_WORD("orbel::Spoken", "Even."));
    // By how many points the side is ahead.
    if (white > black)
        return out + fill(say(tr, ORBEL_WORD("orbel::Spoken", "White is %1 ahead.")), {std::to_string(white - black)});
    return out + fill(say(tr, ORBEL_WORD("orbel::Spoken", "Black is %1 ahead.")), {std::to_string(black - white)});
}

}  // namespace orbel
