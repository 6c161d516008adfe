#include "rules/board.h"

namespace orbel {

void flipBoard(Board& board) noexcept {
    Board flipped;
    for (int i = 0; i < 64; ++i) {
        const Square& s = board.squares[static_cast<std::size_t>(i)];
        Square& t = flipped.squares[static_cast<std::size_t>(63 - i)];
        if (s.owner == Own) {
            t = {s.kind, Enemy};
        } else if (s.owner == Enemy) {
            t = {s.kind, Own};
        }
    }
    board = flipped;
}

void flipMove(MoveRecord& move) noexcept {
    if (move.isCastling()) {
        if (move.fromCol == move.fromRow) {
            move.fromCol = CastleByEnemy;
        } else if (move.fromCol == CastleByEnemy) {
            move.fromCol = move.fromRow;
        }
        return;
    }
    move.fromRow = 7 - move.fromRow;
    move.fromCol = 7 - move.fromCol;
    move.toRow = 7 - move.toRow;
    move.toCol = 7 - move.toCol;
}

MoveRecord makeMoveRecord(int fromRow, int fromCol, int toRow, int toCol) noexcept {
    MoveRecord m;
    m.fromRow = fromRow;
    m.fromCol = fromCol;
    m.toRow = toRow;
    m.toCol = toCol;
    return m;
}

MoveRecord noMoveRecord() noexcept { return makeMoveRecord(-1, -1, -1, -1); }

bool sameMove(const MoveRecord& a, const MoveRecord& b) noexcept {
    return a.fromRow == b.fromRow && a.fromCol == b.fromCol && a.toRow == b.toRow && a.toCol == b.toCol;
}

void MoveList::addUnique(const MoveRecord& move) {
    for (const MoveRecord& m : moves_) {
        if (sameMove(m, move)) return;
    }
    moves_.push_back(move);
}

PieceStatus* StatusList::find(int row, int column) noexcept {
    for (std::size_t i = 0; i < count_; ++i) {
        if (entries_[i].row == row && entries_[i].column == column) return &entries_[i];
    }
    return nullptr;
}

PieceStatus& StatusList::appendEntry(const Square& piece, int row, int column, std::int32_t flags) {
    if (count_ == entries_.size()) entries_.emplace_back();
    PieceStatus& e = entries_[count_++];
    e.kind = piece.kind;
    e.owner = piece.owner;
    e.row = row;
    e.column = column;
    e.flags = flags;
    e.attackedBy.clear();
    e.captures.clear();
    e.threats.clear();
    e.defences.clear();
    return e;
}

void PieceStatus::addCode(std::int32_t flag, LineCode code) {
    if (code == 0) return;
    switch (flag) {
    case Attacked: attackedBy.push_back(code); break;
    case CanCapture: captures.push_back(code); break;
    case CanThreaten: threats.push_back(code); break;
    case CanDefend: defences.push_back(code); break;
    default: break;
    }
}

void noteStatus(StatusList& list, const Square& piece, int row, int column, std::int32_t flag, LineCode code) {
    PieceStatus* entry = list.find(row, column);
    if (entry) {
        entry->flags |= flag;
    } else {
        entry = &list.appendEntry(piece, row, column, flag);
    }
    entry->addCode(flag, code);
}

Board startingPosition(std::int32_t ownKingColumn) {
    Board b;
    const PieceKind x = ownKingColumn == 3 ? King : Queen;
    const PieceKind y = ownKingColumn == 3 ? Queen : King;
    const PieceKind back[8] = {Rook, Knight, Bishop, x, y, Bishop, Knight, Rook};
    for (int c = 0; c < 8; ++c) {
        b.at(0, c) = {back[c], Own};
        b.at(1, c) = {Pawn, Own};
        b.at(6, c) = {Pawn, Enemy};
        b.at(7, c) = {back[c], Enemy};
    }
    return b;
}

GameState::GameState(std::int32_t ownKingColumnArg)
    : board(startingPosition(ownKingColumnArg)), ownKingColumn(ownKingColumnArg) {}

}  // namespace orbel
