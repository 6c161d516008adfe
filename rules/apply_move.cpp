#include "rules/apply_move.h"

namespace orbel {
namespace {

struct CastleGeometry {
    int kingFromCol, kingToCol, rookFromCol, rookToCol;
};

// Own's home row is 0, Enemy's 7; the columns are the same for both.
constexpr CastleGeometry shortWithKingOn4{4, 6, 7, 5};
constexpr CastleGeometry shortWithKingOn3{3, 1, 0, 2};
constexpr CastleGeometry longWithKingOn4{4, 2, 0, 3};
constexpr CastleGeometry longWithKingOn3{3, 5, 7, 4};

bool holds(const Board& board, int row, int col, PieceKind kind, Owner owner) noexcept {
    const Square& s = board.at(row, col);
    return s.kind == kind && s.owner == owner;
}

bool isFree(const Board& board, int row, int col) noexcept { return board.at(row, col).owner == Empty; }

bool shortGeometryFits(const Board& b) noexcept {
    return (holds(b, 0, 3, King, Own) && holds(b, 0, 0, Rook, Own) && isFree(b, 0, 1) && isFree(b, 0, 2)) ||
           (holds(b, 0, 4, King, Own) && holds(b, 0, 7, Rook, Own) && isFree(b, 0, 5) && isFree(b, 0, 6));
}

bool longGeometryFits(const Board& b) noexcept {
    return (holds(b, 0, 3, King, Own) && holds(b, 0, 7, Rook, Own) && isFree(b, 0, 4) && isFree(b, 0, 5) &&
            isFree(b, 0, 6)) ||
           (holds(b, 0, 4, King, Own) && holds(b, 0, 0, Rook, Own) && isFree(b, 0, 1) && isFree(b, 0, 2) &&
            isFree(b, 0, 3));
}

}  // namespace

void applyMove(const MoveRecord& move, Board& board) noexcept {
    if (move.isCastling()) {
        int row;
        if (move.fromCol == move.fromRow) {
            row = 0;
        } else if (move.fromCol == CastleByEnemy) {
            row = 7;
        } else {
            return;  // not a castling code this board knows
        }
        const bool isShort = move.fromRow == CastleShort;
        const CastleGeometry* g = nullptr;
        if (board.at(row, 4).kind == King) {
            g = isShort ? &shortWithKingOn4 : &longWithKingOn4;
        } else if (board.at(row, 3).kind == King) {
            g = isShort ? &shortWithKingOn3 : &longWithKingOn3;
        } else {
            return;
        }
        board.at(row, g->kingToCol) = board.at(row, g->kingFromCol);
        board.at(row, g->rookToCol) = board.at(row, g->rookFromCol);
        board.at(row, g->kingFromCol) = EmptySquare;
        board.at(row, g->rookFromCol) = EmptySquare;
        return;
    }
    // The caller vouches for the move; a record that does not name two squares
    // of the board is ignored rather than allowed to write outside it.
    if (!onBoard(move.fromRow, move.fromCol) || !onBoard(move.toRow, move.toCol)) return;
    const Square from = board.at(move.fromRow, move.fromCol);
    const bool promotes = from.kind == Pawn && ((move.toRow == 7 && from.owner == Own) ||
                                                (move.toRow == 0 && from.owner == Enemy));
    if (promotes) {
        const bool chosen = move.promotion >= Knight && move.promotion <= Queen;
        board.at(move.toRow, move.toCol) = {chosen ? PieceKind{move.promotion} : Queen, from.owner};
    } else {
        board.at(move.toRow, move.toCol) = from;
    }
    if (move.enPassant) board.at(move.fromRow, move.toCol) = EmptySquare;
    board.at(move.fromRow, move.fromCol) = EmptySquare;
}

CastlingOffers ownCastlingMoves(const GameState& game, const Board& board) noexcept {
    CastlingOffers offers;
    if (game.canCastleShort && shortGeometryFits(board)) {
        offers.moves[offers.count++] = makeMoveRecord(CastleShort, CastleShort, CastleShort, CastleShort);
    }
    if (game.canCastleLong && longGeometryFits(board)) {
        offers.moves[offers.count++] = makeMoveRecord(CastleLong, CastleLong, CastleShort, CastleShort);
    }
    return offers;
}

bool castlingGeometryFits(const MoveRecord& castle, const Board& board) noexcept {
    if (castle.fromCol != castle.fromRow) return false;
    if (castle.fromRow == CastleShort) return shortGeometryFits(board);
    if (castle.fromRow == CastleLong) return longGeometryFits(board);
    return false;
}

void updateOwnCastlingRights(GameState& game, const MoveRecord& move) noexcept {
    const Board& b = game.board;
    if (!move.isCastling() && onBoard(move.fromRow, move.fromCol) &&
        holds(b, move.fromRow, move.fromCol, King, Own)) {
        game.canCastleShort = 0;
        game.canCastleLong = 0;
    }
    const bool from07 = move.fromRow == 0 && move.fromCol == 7;
    const bool from00 = move.fromRow == 0 && move.fromCol == 0;
    if (b.at(0, 4).kind == King) {
        if (from07) game.canCastleShort = 0;
        if (from00) game.canCastleLong = 0;
    }
    if (b.at(0, 3).kind == King) {
        if (from00) game.canCastleShort = 0;
        if (from07) game.canCastleLong = 0;
    }
}

CastleRecognition recogniseUserCastle(Square piece, int fromRow, int fromCol, int dropRow, int dropCol,
                                      const UserCastlingRights& rights, bool userInCheck, const Board& board,
                                      int homeColumn) noexcept {
    CastleRecognition result;
    if (piece.kind != King || fromRow != 7 || fromCol != homeColumn || dropRow != 7) return result;
    const int shortCol = homeColumn == 4 ? 6 : 1;
    const int longCol = homeColumn == 4 ? 2 : 5;
    bool isShort;
    if (dropCol == shortCol) {
        isShort = true;
    } else if (dropCol == longCol) {
        isShort = false;
    } else {
        return result;
    }
    const CastleGeometry& g = homeColumn == 4 ? (isShort ? shortWithKingOn4 : longWithKingOn4)
                                              : (isShort ? shortWithKingOn3 : longWithKingOn3);
    bool ok = (isShort ? rights.canCastleShort : rights.canCastleLong) && !userInCheck &&
              holds(board, 7, g.rookFromCol, Rook, Enemy);
    const int lo = g.kingFromCol < g.rookFromCol ? g.kingFromCol : g.rookFromCol;
    const int hi = g.kingFromCol < g.rookFromCol ? g.rookFromCol : g.kingFromCol;
    for (int c = lo + 1; ok && c < hi; ++c) ok = isFree(board, 7, c);
    result.verdict = ok ? CastleVerdict::Accepted : CastleVerdict::Rejected;
    if (ok) result.castle = makeMoveRecord(isShort ? CastleShort : CastleLong, CastleByEnemy, 7, dropCol);
    return result;
}

void updateUserCastlingRights(UserCastlingRights& rights, const MoveRecord& move, const Board& board,
                              int homeColumn) noexcept {
    const bool from77 = move.fromRow == 7 && move.fromCol == 7;
    const bool from70 = move.fromRow == 7 && move.fromCol == 0;
    if (homeColumn == 4) {
        if (from77) rights.canCastleShort = false;
        if (from70) rights.canCastleLong = false;
    } else {
        if (from70) rights.canCastleShort = false;
        if (from77) rights.canCastleLong = false;
    }
    if (move.fromRow != CastleShort && onBoard(move.toRow, move.toCol) && board.at(move.toRow, move.toCol).kind == King) {
        rights.canCastleShort = false;
        rights.canCastleLong = false;
    }
}

}  // namespace orbel
