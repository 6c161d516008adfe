// Applying moves to a board, castling for both sides, promotion (to a queen
// unless the record names another piece) and, for standard chess, en passant.
#pragma once

#include "rules/board.h"

namespace orbel {

// Plays the move on the board without any validity test of its own.
void applyMove(const MoveRecord& move, Board& board) noexcept;

// Up to two castling records for Own (short first) that the king, rook and
// empty squares allow, given the game's rights. Attacked squares are not looked at.
struct CastlingOffers {
    MoveRecord moves[2];
    int count = 0;
};
CastlingOffers ownCastlingMoves(const GameState& game, const Board& board) noexcept;

// Whether the king, rook and empty squares stand as a castling record needs,
// whatever the rights say.
bool castlingGeometryFits(const MoveRecord& castle, const Board& board) noexcept;

// Clears the computer's rights that the move, about to be applied to the
// game's board, gives up.
void updateOwnCastlingRights(GameState& game, const MoveRecord& move) noexcept;

// The user's castling rights (the side that is Enemy on the held board, home row 7).
struct UserCastlingRights {
    bool canCastleShort = true;
    bool canCastleLong = true;

    friend bool operator==(const UserCastlingRights&, const UserCastlingRights&) = default;
};

enum class CastleVerdict { NotAnAttempt, Rejected, Accepted };
struct CastleRecognition {
    CastleVerdict verdict = CastleVerdict::NotAnAttempt;
    MoveRecord castle;  // the castling record when accepted
};

// Judges a dragged user piece released on (dropRow, dropCol) as a castling
// attempt. `homeColumn` is the kings' home column (the game's ownKingColumn).
// The board is the one the king was lifted from.
CastleRecognition recogniseUserCastle(Square piece, int fromRow, int fromCol, int dropRow, int dropCol,
                                      const UserCastlingRights& rights, bool userInCheck, const Board& board,
                                      int homeColumn) noexcept;

// After the user's move has been applied: the rights that move gives up.
void updateUserCastlingRights(UserCastlingRights& rights, const MoveRecord& move, const Board& board,
                              int homeColumn) noexcept;

}  // namespace orbel
