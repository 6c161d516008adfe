#include "game/standard_position.h"

namespace orbel {
namespace {

constexpr PieceKind backRank[8] = {Rook, Knight, Bishop, Queen, King, Bishop, Knight, Rook};

struct SquareNames {
    char text[64][3] = {};
    constexpr SquareNames() {
        for (int s = 0; s < 64; ++s) {
            text[s][0] = static_cast<char>('a' + fileOf(s));
            text[s][1] = static_cast<char>('1' + rankOf(s));
        }
    }
};
constexpr SquareNames names;

bool isPieceKind(PieceKind kind) noexcept { return kind >= Pawn && kind <= King; }

}  // namespace

StandardPosition initialPosition() {
    StandardPosition p;
    for (int file = 0; file < 8; ++file) {
        p.squares[static_cast<std::size_t>(squareAt(file, 0))] = {backRank[file], Side::White};
        p.squares[static_cast<std::size_t>(squareAt(file, 1))] = {Pawn, Side::White};
        p.squares[static_cast<std::size_t>(squareAt(file, 6))] = {Pawn, Side::Black};
        p.squares[static_cast<std::size_t>(squareAt(file, 7))] = {backRank[file], Side::Black};
    }
    return p;
}

HeldSquare heldSquare(int square, Side ownSide) noexcept {
    if (ownSide == Side::White) return {rankOf(square), fileOf(square)};
    return {7 - rankOf(square), 7 - fileOf(square)};
}

int standardSquare(int row, int col, Side ownSide) noexcept {
    return ownSide == Side::White ? squareAt(col, row) : squareAt(7 - col, 7 - row);
}

StandardPosition standardPosition(const Board& board, Side ownSide, Side toMove,
                                  const UserCastlingRights& ownRights, const UserCastlingRights& enemyRights,
                                  int fullMove) {
    StandardPosition p;
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 8; ++col) {
            const Square& s = board.at(row, col);
            if (!isPieceKind(s.kind) || (s.owner != Own && s.owner != Enemy)) continue;
            const Side side = s.owner == Own ? ownSide : other(ownSide);
            p.squares[static_cast<std::size_t>(standardSquare(row, col, ownSide))] = {s.kind, side};
        }
    }
    p.toMove = toMove;
    p.rightsOf(ownSide) = ownRights;
    p.rightsOf(other(ownSide)) = enemyRights;
    p.fullMove = fullMove;
    return p;
}

Board heldBoard(const StandardPosition& position, Side ownSide) {
    Board board;
    for (int s = 0; s < 64; ++s) {
        const Piece piece = position.at(s);
        if (piece.empty()) continue;
        const HeldSquare h = heldSquare(s, ownSide);
        board.at(h.row, h.col) = {piece.kind, piece.side == ownSide ? Own : Enemy};
    }
    return board;
}

StandardMove standardMove(const MoveRecord& record, const StandardPosition& before, Side ownSide) {
    StandardMove move;
    if (record.isCastling()) {
        // The king's step: e1-g1 / e1-c1, and on the eighth rank for Black.
        const int rank = before.toMove == Side::White ? 0 : 7;
        move.castle = record.fromRow == CastleShort ? Castle::Short : Castle::Long;
        move.from = static_cast<std::int8_t>(squareAt(4, rank));
        move.to = static_cast<std::int8_t>(squareAt(move.castle == Castle::Short ? 6 : 2, rank));
        return move;
    }
    if (!onBoard(record.fromRow, record.fromCol) || !onBoard(record.toRow, record.toCol)) return move;
    move.from = static_cast<std::int8_t>(standardSquare(record.fromRow, record.fromCol, ownSide));
    move.to = static_cast<std::int8_t>(standardSquare(record.toRow, record.toCol, ownSide));
    const Piece mover = before.at(move.from);
    move.promotes = mover.kind == Pawn && (rankOf(move.to) == 0 || rankOf(move.to) == 7);
    return move;
}

MoveRecord heldMoveRecord(const StandardMove& move, Side ownSide) {
    if (move.from < 0 || move.to < 0) return noMoveRecord();
    const HeldSquare from = heldSquare(move.from, ownSide);
    const HeldSquare to = heldSquare(move.to, ownSide);
    if (move.castle == Castle::None) return makeMoveRecord(from.row, from.col, to.row, to.col);
    const int code = move.castle == Castle::Short ? CastleShort : CastleLong;
    // The king's home row tells whose castle it is: row 0 is Own's.
    if (from.row == 0) return makeMoveRecord(code, code, CastleShort, CastleShort);
    return makeMoveRecord(code, CastleByEnemy, to.row, to.col);
}

std::string_view squareName(int square) noexcept {
    if (square < 0 || square > 63) return {};
    return {names.text[square], 2};
}

}  // namespace orbel
