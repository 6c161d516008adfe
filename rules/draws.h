// The draws of standard chess: the ones that end a game by themselves
// (stalemate, too little material to mate, a fivefold repetition, 75 moves
// without a capture or pawn move) and the ones a player may claim (a
// threefold repetition, 50 such moves). This program's own rules know no
// draw; nothing here is asked of a game played by them. Standard C++ only.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rules/position.h"

namespace orbel {

enum class DrawReason : std::uint8_t {
    None,
    Stalemate,
    InsufficientMaterial,
    ThreefoldRepetition,
    FiftyMoves,
    FivefoldRepetition,
    SeventyFiveMoves,
    Agreement,
    // A flag fell, and the side with time left could never mate.
    Timeout,
};

// K v K, K+B v K, K+N v K, and K+B v K+B with bishops on squares of one colour.
bool insufficientMaterial(const StandardPosition& position);

// What makes two positions the same one again: the pieces, the side to move,
// the castling rights, and the en passant square only while a capture there
// is legal.
struct RepetitionKey {
    std::array<Piece, 64> squares{};
    Side toMove = Side::White;
    std::array<CastlingRights, 2> castling{};
    int enPassant = -1;
    friend bool operator==(const RepetitionKey&, const RepetitionKey&) = default;
};
// Whether `side` keeps enough to mate with: anything beyond a lone king or
// a king with one knight or one bishop. When its opponent's flag falls, a
// side without it cannot win, and the game is drawn.
bool canMate(const StandardPosition& position, Side side);

RepetitionKey repetitionKey(const StandardPosition& position);

// The positions of a game, its start and then after each move: the last
// is the position on the board.
std::vector<RepetitionKey> repetitionHistory(const StandardPosition& start, const std::vector<StandardMove>& moves);

// How often the last position of the history stands in it.
int repetitions(const std::vector<RepetitionKey>& history);

// The draw that ends the game in `now` (the history's last position) by
// itself, in the order above; None when the side to move is checkmated.
DrawReason automaticDraw(const StandardPosition& now, const std::vector<RepetitionKey>& history);
// The draw the side to move may claim in `now`: threefold repetition first.
DrawReason claimableDraw(const StandardPosition& now, const std::vector<RepetitionKey>& history);

// "stalemate", "insufficient material", "threefold repetition", ...: English,
// marked for the translators; a caller that shows it to a person translates
// it with the context "orbel::DrawReason".
const char* drawReasonText(DrawReason reason) noexcept;

}  // namespace orbel
