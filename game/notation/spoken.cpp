#include "game/notation/spoken.h"

#include <vector>

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

// "king e1, rooks a1 and h1": one side's pieces, or "no pieces".
std::string sidePieces(const StandardPosition& position, Side side) {
    constexpr PieceKind order[] = {King, Queen, Rook, Bishop, Knight, Pawn};
    std::vector<std::string> kinds;
    for (const PieceKind kind : order) {
        std::vector<std::string_view> squares;
        for (int s = 0; s < 64; ++s)
            if (position.at(s) == Piece{kind, side}) squares.push_back(squareName(s));
        if (squares.empty()) continue;
        std::string name = pieceName(kind);
        if (squares.size() > 1) name += 's';
        kinds.push_back(name + ' ' + listed(squares));
    }
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
    const Piece taken = before.at(move.to);
    if (taken.empty()) {
        out += " to ";
    } else {
        out += " takes ";
        out += pieceName(taken.kind);
        out += ' ';
    }
    out += squareName(move.to);
    if (move.promotes) out += ", becomes a queen";
    return out;
}

std::string spokenPosition(const StandardPosition& position) {
    std::string out;
    for (const Side side : {Side::White, Side::Black}) {
        out += SideName(side);
        out += ": " + sidePieces(position, side) + ". ";
    }
    out += SideName(position.toMove);
    out += " to move";
    if (isInCheck(position)) out += ", check";
    return out + '.';
}

}  // namespace orbel
