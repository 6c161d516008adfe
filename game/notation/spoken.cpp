#include "game/notation/spoken.h"

#include <cctype>
#include <vector>

#include "game/notation/san.h"
#include "rules/standard_moves.h"

namespace orbel {
namespace {

const char* sideName(Side side) { return side == Side::White ? "white" : "black"; }
const char* SideName(Side side) { return side == Side::White ? "White" : "Black"; }

// "a and b", "a, b and c".
std::string listed(const std::vector<std::string_view>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += i + 1 == items.size() ? " and " : ", ";
        out += items[i];
    }
    return out;
}

// "rooks a1 and h1", or "" when the side has none of the kind.
std::string kindSquares(const StandardPosition& position, Side side, PieceKind kind) {
    std::vector<std::string_view> squares;
    for (int s = 0; s < 64; ++s)
        if (position.at(s) == Piece{kind, side}) squares.push_back(squareName(s));
    if (squares.empty()) return {};
    std::string name = pieceName(kind);
    if (squares.size() > 1) name += 's';
    return name + ' ' + listed(squares);
}

// "king e1, rooks a1 and h1": one side's pieces, or "no pieces".
std::string sidePieces(const StandardPosition& position, Side side) {
    constexpr PieceKind order[] = {King, Queen, Rook, Bishop, Knight, Pawn};
    std::vector<std::string> kinds;
    for (const PieceKind kind : order)
        if (std::string k = kindSquares(position, side, kind); !k.empty()) kinds.push_back(std::move(k));
    if (kinds.empty()) return "no pieces";
    std::string out = kinds.front();
    for (std::size_t i = 1; i < kinds.size(); ++i) out += ", " + kinds[i];
    return out;
}

}  // namespace

const char* pieceName(PieceKind kind) noexcept {
    switch (kind) {
    case Pawn: return "pawn";
    case Knight: return "knight";
    case Bishop: return "bishop";
    case Rook: return "rook";
    case Queen: return "queen";
    case King: return "king";
    default: return "piece";
    }
}

std::string spokenSquare(const StandardPosition& position, int square) {
    std::string out(squareName(square));
    const Piece piece = position.at(square);
    if (piece.empty()) return out + ", empty";
    return out + ", " + sideName(piece.side) + ' ' + pieceName(piece.kind);
}

std::string spokenMove(const StandardPosition& before, const StandardMove& move) {
    if (move.castle == Castle::Short) return "castles short";
    if (move.castle == Castle::Long) return "castles long";
    std::string out = pieceName(before.at(move.from).kind);
    out += ' ';
    out += squareName(move.from);
    const bool enPassant = isEnPassant(before, move);
    const Piece taken = before.at(move.to);
    if (taken.empty() && !enPassant) {
        out += " to ";
    } else {
        out += " takes ";
        out += pieceName(enPassant ? Pawn : taken.kind);
        out += ' ';
    }
    out += squareName(move.to);
    if (enPassant) out += " en passant";
    if (move.promotes) out += std::string(", becomes a ") + pieceName(move.promotion);
    return out;
}

std::string spokenSan(std::string_view san) {
    std::string out;
    std::string_view rest = san;
    std::string_view ending;
    while (!rest.empty() && (rest.back() == '+' || rest.back() == '#' || rest.back() == '!' || rest.back() == '?')) {
        if (ending.empty() && rest.back() != '!' && rest.back() != '?') ending = rest.back() == '#' ? ", checkmate" : ", check";
        rest.remove_suffix(1);
    }
    if (rest == "O-O-O" || rest == "0-0-0") return "castles long" + std::string(ending);
    if (rest == "O-O" || rest == "0-0") return "castles short" + std::string(ending);
    std::string promotion;
    if (const std::size_t eq = rest.find('='); eq != std::string_view::npos) {
        const PieceKind kind = rest.size() > eq + 1 ? pieceOfLetter(rest[eq + 1]) : Queen;
        promotion = std::string(", becomes a ") + pieceName(kind == NoPiece ? Queen : kind);
        rest = rest.substr(0, eq);
    }
    // Upper case only: a lower-case "b" is a file.
    if (!rest.empty() && std::isupper(static_cast<unsigned char>(rest.front())) && pieceOfLetter(rest.front()) != NoPiece) {
        out = pieceName(pieceOfLetter(rest.front()));
        rest.remove_prefix(1);
    }
    // What is left: an origin (file, rank or both), "x", the destination.
    const std::string_view to = rest.size() >= 2 ? rest.substr(rest.size() - 2) : rest;
    std::string_view origin = rest.substr(0, rest.size() - to.size());
    const bool takes = !origin.empty() && origin.back() == 'x';
    if (takes) origin.remove_suffix(1);
    for (const std::string_view part : {origin, takes ? std::string_view("takes") : std::string_view(), to}) {
        if (part.empty()) continue;
        if (!out.empty()) out += ' ';
        out += part;
    }
    return out + promotion + std::string(ending);
}

std::string spokenSide(const StandardPosition& position, Side side) {
    return std::string(SideName(side)) + " has " + sidePieces(position, side) + '.';
}

std::string spokenPosition(const StandardPosition& position) {
    std::string out;
    for (const Side side : {Side::White, Side::Black}) out += spokenSide(position, side) + ' ';
    out += SideName(position.toMove);
    out += " to move";
    if (isInCheck(position)) out += ", check";
    // The rules are named only when they are not the ones a game has by default.
    return out + (position.rules == RuleSet::Standard ? ". Standard chess rules." : ".");
}

}  // namespace orbel

namespace orbel {
namespace {

std::string spokenSquares(const StandardPosition& position, const std::string& title, int first, int step) {
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
        out += separator;
        out += squareName(square);
        out += ' ';
        out += sideName(piece.side);
        out += ' ';
        out += pieceName(piece.kind);
        separator = ", ";
    }
    if (empty == 8) return out + " All empty.";
    if (empty > 0) return (out += ". ") + std::to_string(empty) + " empty.";
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

}  // namespace

std::string spokenRank(const StandardPosition& position, int rank) {
    return spokenSquares(position, "Rank " + std::to_string(rank + 1), squareAt(0, rank), 1);
}

std::string spokenFile(const StandardPosition& position, int file) {
    return spokenSquares(position, std::string("File ") + static_cast<char>('a' + file), squareAt(file, 0), 8);
}

std::string spokenKind(const StandardPosition& position, PieceKind kind) {
    std::string out;
    for (const Side side : {Side::White, Side::Black}) {
        if (!out.empty()) out += ' ';
        const std::string squares = kindSquares(position, side, kind);
        out += SideName(side);
        out += squares.empty() ? std::string(" has no ") + pieceName(kind) + (kind == King ? "" : "s") : ' ' + squares;
        out += '.';
    }
    return out;
}

std::string spokenMaterial(const StandardPosition& position) {
    const int white = material(position, Side::White), black = material(position, Side::Black);
    std::string out = "White " + std::to_string(white) + ", Black " + std::to_string(black) + ". ";
    if (white == black) return out + "Even.";
    return out + (white > black ? "White" : "Black") + " is " + std::to_string(white > black ? white - black : black - white) +
           " ahead.";
}


}  // namespace orbel
