#include "rules/held_frame.h"

namespace orbel {
namespace {

bool isPieceKind(PieceKind kind) noexcept { return kind >= Pawn && kind <= King; }

std::int8_t square8(int square) noexcept { return static_cast<std::int8_t>(square); }

// The king's step of a castle of `mover`: e1-g1 / e1-c1, on the eighth rank for Black.
StandardMove castleOf(Side mover, bool isShort) {
    const int rank = mover == Side::White ? 0 : 7;
    StandardMove move;
    move.castle = isShort ? Castle::Short : Castle::Long;
    move.from = square8(squareAt(4, rank));
    move.to = square8(squareAt(isShort ? 6 : 2, rank));
    return move;
}

}  // namespace

HeldSquare heldSquare(int square, Side heldSide) noexcept {
    if (heldSide == Side::White) return {rankOf(square), fileOf(square)};
    return {7 - rankOf(square), 7 - fileOf(square)};
}

int standardSquare(int row, int col, Side heldSide) noexcept {
    return heldSide == Side::White ? squareAt(col, row) : squareAt(7 - col, 7 - row);
}

StandardPosition standardPosition(const Board& board, Side heldSide, Side toMove, const CastlingRights& heldRights,
                                  const CastlingRights& otherRights, int fullMove) {
    StandardPosition p;
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 8; ++col) {
            const Square& s = board.at(row, col);
            if (!isPieceKind(s.kind) || (s.owner != Own && s.owner != Enemy)) continue;
            const Side side = s.owner == Own ? heldSide : other(heldSide);
            p.put(standardSquare(row, col, heldSide), {s.kind, side});
        }
    }
    p.toMove = toMove;
    p.rightsOf(heldSide) = heldRights;
    p.rightsOf(other(heldSide)) = otherRights;
    p.fullMove = fullMove;
    return p;
}

Board heldBoard(const StandardPosition& position, Side heldSide) {
    Board board;
    for (int s = 0; s < 64; ++s) {
        const Piece piece = position.at(s);
        if (piece.empty()) continue;
        const HeldSquare h = heldSquare(s, heldSide);
        board.at(h.row, h.col) = {piece.kind, piece.side == heldSide ? Own : Enemy};
    }
    return board;
}

StandardMove standardMove(const MoveRecord& record, const StandardPosition& before, Side heldSide) {
    if (record.isCastling()) return castleOf(before.toMove, record.fromRow == CastleShort);
    StandardMove move;
    if (!onBoard(record.fromRow, record.fromCol) || !onBoard(record.toRow, record.toCol)) return move;
    move.from = square8(standardSquare(record.fromRow, record.fromCol, heldSide));
    move.to = square8(standardSquare(record.toRow, record.toCol, heldSide));
    const Piece mover = before.at(move.from);
    move.promotes = mover.kind == Pawn && (rankOf(move.to) == 0 || rankOf(move.to) == 7);
    if (move.promotes && record.promotion >= Knight && record.promotion <= Rook) move.promotion = record.promotion;
    return move;
}

MoveRecord heldMoveRecord(const StandardMove& move, Side heldSide) {
    if (move.from < 0 || move.to < 0) return noMoveRecord();
    const HeldSquare from = heldSquare(move.from, heldSide);
    const HeldSquare to = heldSquare(move.to, heldSide);
    if (move.castle == Castle::None) {
        MoveRecord record = makeMoveRecord(from.row, from.col, to.row, to.col);
        if (move.promotes && move.promotion != Queen) record.promotion = static_cast<std::uint8_t>(move.promotion);
        return record;
    }
    const int code = move.castle == Castle::Short ? CastleShort : CastleLong;
    // The king's home row tells whose castle it is: row 0 is the held side's.
    if (from.row == 0) return makeMoveRecord(code, code, CastleShort, CastleShort);
    return makeMoveRecord(code, CastleByEnemy, to.row, to.col);
}

MoveRecord moveForPeer(const StandardMove& move, Side mover) {
    // As the mover's own window holds it, then turned to the receiver's side.
    MoveRecord record = heldMoveRecord(move, other(mover));
    flipMove(record);
    return record;
}

std::optional<StandardMove> moveFromPeer(const MoveRecord& received, const StandardPosition& before, Side mover) {
    if (received.isCastling()) {
        if (received.fromCol != received.fromRow) return std::nullopt;
        return castleOf(mover, received.fromRow == CastleShort);
    }
    if (!onBoard(received.fromRow, received.fromCol) || !onBoard(received.toRow, received.toCol)) return std::nullopt;
    StandardPosition seen = before;
    seen.toMove = mover;
    return standardMove(received, seen, mover);
}

}  // namespace orbel
