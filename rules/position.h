// Positions and moves in the board's absolute terms, as every other chess
// program names them: White and Black pieces on a1..h8, the side to move,
// the four castling rights and the full-move number. Everything outside the
// rules and the computer speaks these terms; rules/held_frame.h converts them
// to and from the rules' own frame. Standard C++ only.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "rules/apply_move.h"
#include "rules/board.h"

namespace orbel {

enum class Side : std::uint8_t { White, Black };
constexpr Side other(Side side) noexcept { return side == Side::White ? Side::Black : Side::White; }

struct Piece {
    PieceKind kind = NoPiece;
    Side side = Side::White;

    bool empty() const noexcept { return kind == NoPiece; }
    friend bool operator==(const Piece&, const Piece&) = default;
};

// Squares are numbered a1 = 0, b1 = 1, ..., h8 = 63; -1 is no square.
constexpr int squareAt(int file, int rank) noexcept { return rank * 8 + file; }
constexpr int fileOf(int square) noexcept { return square % 8; }
constexpr int rankOf(int square) noexcept { return square / 8; }
constexpr bool isSquare(int square) noexcept { return square >= 0 && square < 64; }

// One side's castling rights: short (king side) and long (queen side).
using CastlingRights = UserCastlingRights;

struct StandardPosition {
    std::array<Piece, 64> squares{};
    Side toMove = Side::White;
    // Each side's rights, indexed by Side.
    std::array<CastlingRights, 2> castling{};
    int fullMove = 1;
    // The square a pawn's double step just crossed, or -1. Under standard
    // rules a pawn may capture there; under this program's own rules none
    // ever does, but a standard checkmate test must know.
    int enPassantTarget = -1;
    // Plies since the last capture or pawn move (kept under standard rules).
    int halfMoveClock = 0;
    RuleSet rules = RuleSet::Orbel;

    Piece at(int square) const noexcept { return squares[static_cast<std::size_t>(square)]; }
    void put(int square, Piece piece) noexcept { squares[static_cast<std::size_t>(square)] = piece; }
    CastlingRights& rightsOf(Side side) noexcept { return castling[static_cast<std::size_t>(side)]; }
    const CastlingRights& rightsOf(Side side) const noexcept { return castling[static_cast<std::size_t>(side)]; }
    friend bool operator==(const StandardPosition&, const StandardPosition&) = default;
};

// The usual starting position, White to move, every right, move 1.
StandardPosition initialPosition();

// A move in absolute terms. A castle is written as the king's step (e1 to g1,
// e8 to c8 ...) with `castle` saying which. A pawn reaching the last rank
// `promotes`: to a queen under this program's rules, to `promotion` under
// standard rules. An en passant capture is a pawn's diagonal step onto the
// position's en passant square.
enum class Castle : std::uint8_t { None, Short, Long };
struct StandardMove {
    std::int8_t from = -1;
    std::int8_t to = -1;
    Castle castle = Castle::None;
    bool promotes = false;
    PieceKind promotion = Queen;

    friend bool operator==(const StandardMove&, const StandardMove&) = default;
};

// "e4", or "" for a number that is no square.
std::string_view squareName(int square) noexcept;

}  // namespace orbel
