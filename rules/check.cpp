#include "rules/check.h"

#include <exception>

#include "rules/apply_move.h"
#include "rules/attack_scan.h"
#include "rules/candidates.h"

namespace orbel {

bool isOwnKingAttacked(const Board& board) {
    // The scan notes Attacked for an Own king exactly when isSquareAttacked
    // holds for its square, so the status list need not be built.
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const Square& s = board.at(r, c);
            if (s.owner == Own && s.kind == King && isSquareAttacked(board, r, c)) return true;
        }
    }
    return false;
}

bool castlesThroughAttack(const MoveRecord& castle, const Board& board) {
    if (!castle.isCastling() || castle.fromCol != castle.fromRow) return false;
    const bool kingOn4 = board.at(0, 4).kind == King && board.at(0, 4).owner == Own;
    const bool isShort = castle.fromRow == CastleShort;
    // The square between the king's home and its destination.
    const int crossed = kingOn4 ? (isShort ? 5 : 3) : (isShort ? 2 : 4);
    return isSquareAttacked(board, 0, crossed);
}

namespace {

struct Offset {
    int dr, dc;
};

// The orders the user's pieces list their squares in.
constexpr Offset knightJumps[] = {{2, 1}, {1, 2}, {2, -1}, {1, -2}, {-2, 1}, {-1, 2}, {-2, -1}, {-1, -2}};
constexpr Offset kingSteps[] = {{1, 0}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}, {-1, 0}, {0, 1}, {0, -1}};
constexpr Offset straightLines[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
constexpr Offset diagonalLines[] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

// The squares a user's piece (Enemy on the board) reaches from (row, col).
struct UserReach {
    std::vector<Destination>& out;
    const Board& board;
    int row, col;

    Owner ownerAt(int r, int c) const { return onBoard(r, c) ? board.at(r, c).owner : -1; }

    // Along each line up to the first piece: onto a computer's piece, short of the user's own.
    template <std::size_t N>
    void rays(const Offset (&lines)[N]) const {
        for (const Offset& d : lines) {
            for (int r = row + d.dr, c = col + d.dc; onBoard(r, c); r += d.dr, c += d.dc) {
                const Owner o = board.at(r, c).owner;
                if (o == Enemy) break;
                out.push_back({r, c});
                if (o == Own) break;
            }
        }
    }
    template <std::size_t N>
    void steps(const Offset (&offsets)[N]) const {
        for (const Offset& d : offsets) {
            const int r = row + d.dr, c = col + d.dc;
            if (onBoard(r, c) && board.at(r, c).owner != Enemy) out.push_back({r, c});
        }
    }
    // Down one or, from row 6, two empty squares; diagonally down onto a computer's piece.
    void pawnMoves() const {
        if (ownerAt(row - 1, col) == Empty) out.push_back({row - 1, col});
        if (row == 6 && ownerAt(5, col) == Empty && ownerAt(4, col) == Empty) out.push_back({4, col});
        if (ownerAt(row - 1, col + 1) == Own) out.push_back({row - 1, col + 1});
        if (ownerAt(row - 1, col - 1) == Own) out.push_back({row - 1, col - 1});
    }
};

}  // namespace

void userDestinations(std::vector<Destination>& out, PieceKind kind, int fromRow, int fromCol, const Board& board) {
    out.clear();
    const UserReach reach{out, board, fromRow, fromCol};
    switch (kind) {
    case Pawn: reach.pawnMoves(); break;
    case Knight: reach.steps(knightJumps); break;
    case Rook: reach.rays(straightLines); break;
    case Queen:
        reach.rays(straightLines);
        reach.rays(diagonalLines);
        break;
    case Bishop: reach.rays(diagonalLines); break;
    case King: reach.steps(kingSteps); break;
    default: break;
    }
}

bool isLegalUserMove(const MoveRecord& move, Square piece, const GameState& game) {
    if (!onBoard(move.toRow, move.toCol)) return false;
    // The piece is put back on its square below, so that square must exist.
    if (!onBoard(move.fromRow, move.fromCol)) return false;
    Board trial = game.board;
    trial.at(move.fromRow, move.fromCol) = piece;
    applyMove(move, trial);
    flipBoard(trial);
    if (isOwnKingAttacked(trial)) return false;
    std::vector<Destination> destinations;
    destinations.reserve(32);
    userDestinations(destinations, piece.kind, move.fromRow, move.fromCol, game.board);
    for (const Destination& d : destinations) {
        if (d.row == move.toRow && d.col == move.toCol) return true;
    }
    return false;
}

bool isCheckmated(GameState& game) {
    const Board saved = game.board;
    try {
        flipBoard(game.board);
        if (!isOwnKingAttacked(game.board)) {
            game.board = saved;
            return false;
        }
        const Board flipped = game.board;
        MoveList moves;
        StatusList statuses;
        generateCandidates(game, moves, statuses, game.board);
        buildMoveList(game, moves, statuses, game.board);
        for (const MoveRecord& m : moves) {
            applyMove(m, game.board);
            const bool escapes = !isOwnKingAttacked(game.board);
            game.board = flipped;
            if (escapes) {
                game.board = saved;
                return false;
            }
        }
    } catch (const std::exception&) {
        // Out of memory while generating: the game goes on.
        game.board = saved;
        return false;
    }
    game.board = saved;
    return true;
}

}  // namespace orbel
