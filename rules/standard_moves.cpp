#include "rules/standard_moves.h"

#include <algorithm>

#include "rules/words.h"
#include "rules/attack_scan.h"
#include "rules/check.h"
#include "rules/held_frame.h"

namespace orbel {
namespace {

// The position as the window holds it for a drop of the side to move: the
// mover's pieces Enemy, at home on row 7.
struct MoverFrame {
    Side ownSide;
    GameState game;
    UserCastlingRights rights;
    bool inCheck;

    explicit MoverFrame(const StandardPosition& p)
        : ownSide(other(p.toMove)), game(kingColumnFor(ownSide)), rights(p.rightsOf(p.toMove)) {
        game.board = heldBoard(p, ownSide);
        Board turned = game.board;
        flipBoard(turned);
        inCheck = isOwnKingAttacked(turned);
    }
};

bool isLastRank(int square) noexcept { return rankOf(square) == 0 || rankOf(square) == 7; }

StandardMove makeMove(int from, int to, Castle castle, bool promotes) {
    return {static_cast<std::int8_t>(from), static_cast<std::int8_t>(to), castle, promotes};
}

// The king on its home square dragged two columns either way: what
// recogniseUserCastle accepts. The king is lifted off `frame`'s board.
void addCastles(const MoverFrame& frame, Square king, HeldSquare home, MoveFilter filter,
                std::vector<StandardMove>& out) {
    if (home.row != 7 || home.col != frame.game.ownKingColumn) return;
    for (const int dropCol : {home.col - 2, home.col + 2}) {
        const CastleRecognition c = recogniseUserCastle(king, 7, home.col, 7, dropCol, frame.rights, frame.inCheck,
                                                        frame.game.board, home.col);
        const int to = standardSquare(7, dropCol, frame.ownSide);
        if (c.verdict != CastleVerdict::Accepted || (filter.to >= 0 && filter.to != to)) continue;
        const Castle side = c.castle.fromRow == CastleShort ? Castle::Short : Castle::Long;
        out.push_back(makeMove(standardSquare(7, home.col, frame.ownSide), to, side, false));
    }
}

void addMovesOf(MoverFrame& frame, int from, Piece piece, MoveFilter filter, std::vector<Destination>& reach,
                std::vector<StandardMove>& out) {
    const HeldSquare h = heldSquare(from, frame.ownSide);
    Square& square = frame.game.board.at(h.row, h.col);
    const Square held = square;
    square = EmptySquare;  // in the hand, as during a drag
    if (piece.kind == King) addCastles(frame, held, h, filter, out);
    userDestinations(reach, piece.kind, h.row, h.col, frame.game.board);
    for (const Destination& d : reach) {
        const int to = standardSquare(d.row, d.col, frame.ownSide);
        if (filter.to >= 0 && filter.to != to) continue;
        if (isLegalUserMove(makeMoveRecord(h.row, h.col, d.row, d.col), held, frame.game)) {
            out.push_back(makeMove(from, to, Castle::None, piece.kind == Pawn && isLastRank(to)));
        }
    }
    square = held;
}

// Is `side`'s king attacked on these squares?
bool kingAttacked(const StandardPosition& p, Side side) { return isOwnKingAttacked(heldBoard(p, side)); }

// The en passant captures of the side to move: the pawn that just stepped
// two squares taken by a pawn beside it, leaving the king safe.
void enPassantCaptures(const StandardPosition& p, MoveFilter filter, std::vector<StandardMove>& out) {
    const int target = p.enPassantTarget;
    if (!isSquare(target) || !p.at(target).empty()) return;
    if ((filter.kind != NoPiece && filter.kind != Pawn) || (filter.to >= 0 && filter.to != target)) return;
    const int victim = target + (p.toMove == Side::White ? -8 : 8);
    if (!isSquare(victim) || p.at(victim) != Piece{Pawn, other(p.toMove)}) return;
    for (const int df : {-1, 1}) {
        const int file = fileOf(victim) + df;
        if (file < 0 || file > 7) continue;
        const int from = squareAt(file, rankOf(victim));
        if (p.at(from) != Piece{Pawn, p.toMove}) continue;
        StandardPosition trial = p;
        trial.put(target, trial.at(from));
        trial.put(from, {});
        trial.put(victim, {});
        if (!kingAttacked(trial, p.toMove)) out.push_back(makeMove(from, target, Castle::None, false));
    }
}

bool hasEnPassantCapture(const StandardPosition& p) {
    std::vector<StandardMove> captures;
    enPassantCaptures(p, {}, captures);
    return !captures.empty();
}

// Standard chess's test of a castle the board's pieces allow: the king may
// not leave, cross or land on an attacked square.
Refusal castleDanger(const StandardPosition& position, const StandardMove& move) {
    const Side mover = position.toMove;
    const Board board = heldBoard(position, mover);
    const auto attacked = [&](int square) {
        const HeldSquare h = heldSquare(square, mover);
        return isSquareAttacked(board, h.row, h.col);
    };
    if (attacked(move.from)) return Refusal::InCheck;
    if (attacked((move.from + move.to) / 2)) return Refusal::CastleThroughAttack;
    if (attacked(move.to)) return Refusal::CastleIntoCheck;
    return Refusal::None;
}

// What standard chess adds to and takes from the list this program's rules
// give: castles through attacked squares go, every promotion may choose its
// piece, and en passant captures come last.
void addStandardMoves(const StandardPosition& position, MoveFilter filter, std::vector<StandardMove>& out) {
    std::erase_if(out, [&](const StandardMove& m) {
        return m.castle != Castle::None && castleDanger(position, m) != Refusal::None;
    });
    const std::size_t plain = out.size();
    for (std::size_t i = 0; i < plain; ++i) {
        if (!out[i].promotes) continue;
        for (const PieceKind kind : {Rook, Bishop, Knight}) {
            StandardMove under = out[i];
            under.promotion = kind;
            out.push_back(under);
        }
    }
    enPassantCaptures(position, filter, out);
}

// The record the rules apply for the move, an en passant capture marked.
MoveRecord heldRecordIn(const StandardPosition& position, const StandardMove& move, Side heldSide) {
    MoveRecord record = heldMoveRecord(move, heldSide);
    record.enPassant = isEnPassant(position, move) ? 1 : 0;
    return record;
}

void dropRightsAtCorner(StandardPosition& p, int square) {
    switch (square) {
    case 0: p.rightsOf(Side::White).canCastleLong = false; break;   // a1
    case 7: p.rightsOf(Side::White).canCastleShort = false; break;  // h1
    case 56: p.rightsOf(Side::Black).canCastleLong = false; break;  // a8
    case 63: p.rightsOf(Side::Black).canCastleShort = false; break;  // h8
    default: break;
    }
}

}  // namespace

void legalMoves(const StandardPosition& position, std::vector<StandardMove>& out, MoveFilter filter) {
    out.clear();
    MoverFrame frame(position);
    std::vector<Destination> reach;
    reach.reserve(32);
    for (int from = 0; from < 64; ++from) {
        const Piece piece = position.at(from);
        if (piece.empty() || piece.side != position.toMove) continue;
        if (filter.kind != NoPiece && piece.kind != filter.kind) continue;
        addMovesOf(frame, from, piece, filter, reach, out);
    }
    if (position.rules == RuleSet::Standard) addStandardMoves(position, filter, out);
    // The rules list destinations in their own order; squares give one order
    // whichever way the board is held. A promotion offers the queen first.
    std::sort(out.begin(), out.end(), [](const StandardMove& a, const StandardMove& b) {
        if (a.from != b.from) return a.from < b.from;
        return a.to != b.to ? a.to < b.to : a.promotion > b.promotion;
    });
}

bool isLegalMove(const StandardPosition& position, const StandardMove& move) {
    if (move.from < 0 || move.from > 63 || move.to < 0 || move.to > 63) return false;
    std::vector<StandardMove> moves;
    legalMoves(position, moves, {position.at(move.from).kind, move.to});
    return std::find(moves.begin(), moves.end(), move) != moves.end();
}

StandardPosition afterMove(const StandardPosition& position, const StandardMove& move) {
    const Side mover = position.toMove;
    // Played by the rules' own applyMove, on a board held from the mover's side.
    Board board = heldBoard(position, mover);
    applyMove(heldRecordIn(position, move, mover), board);
    StandardPosition next = standardPosition(board, mover, other(mover), position.rightsOf(mover),
                                             position.rightsOf(other(mover)), position.fullMove);
    next.rules = position.rules;
    const Piece piece = position.at(move.from);
    next.halfMoveClock = piece.kind == Pawn || isCapture(position, move) ? 0 : position.halfMoveClock + 1;
    if (piece.kind == King) next.rightsOf(mover) = {false, false};
    dropRightsAtCorner(next, move.from);
    dropRightsAtCorner(next, move.to);
    const bool doubleStep = piece.kind == Pawn && (move.to - move.from == 16 || move.from - move.to == 16);
    next.enPassantTarget = doubleStep ? (move.from + move.to) / 2 : -1;
    if (mover == Side::Black) ++next.fullMove;
    return next;
}

StandardPosition afterPlay(const StandardPosition& position, const StandardMove& move) {
    if (position.rules == RuleSet::Standard) return afterMove(position, move);
    const Side mover = position.toMove;
    // As a drop of the mover's on the board held from the other side.
    const Side held = other(mover);
    Board board = heldBoard(position, held);
    const MoveRecord record = heldMoveRecord(move, held);
    applyMove(record, board);
    CastlingRights rights = position.rightsOf(mover);
    updateUserCastlingRights(rights, record, board, kingColumnFor(held));
    StandardPosition next = standardPosition(board, held, held, position.rightsOf(held), rights, position.fullMove);
    next.rules = position.rules;
    if (mover == Side::Black) ++next.fullMove;
    return next;
}

bool isEnPassant(const StandardPosition& position, const StandardMove& move) {
    return move.castle == Castle::None && isSquare(move.from) && move.to == position.enPassantTarget &&
           isSquare(move.to) && position.at(move.from).kind == Pawn && fileOf(move.from) != fileOf(move.to) &&
           position.at(move.to).empty();
}

bool isCapture(const StandardPosition& position, const StandardMove& move) {
    return move.castle == Castle::None && isSquare(move.to) && (!position.at(move.to).empty() || isEnPassant(position, move));
}

bool isInCheck(const StandardPosition& position) { return kingAttacked(position, position.toMove); }

namespace {

// Every standard move but en passant and promotion to another piece is legal
// here too. A standard castle is never a side's only move: the king could
// step onto the square it crosses.
bool hasStandardMove(const StandardPosition& position) {
    std::vector<StandardMove> moves;
    legalMoves(position, moves);
    return !moves.empty() || hasEnPassantCapture(position);
}

}  // namespace

bool isCheckmate(const StandardPosition& position) { return isInCheck(position) && !hasStandardMove(position); }

bool isStalemate(const StandardPosition& position) { return !isInCheck(position) && !hasStandardMove(position); }

const char* standardChessRefusal(const StandardPosition& position, const StandardMove& move) {
    const Side mover = position.toMove;
    if (move.castle != Castle::None && isSquare(move.from) && position.at(move.from) == Piece{King, mover}) {
        // Asked before the rules' own test, which refuses some of these too
        // and would give no reason.
        const UserCastlingRights& rights = position.rightsOf(mover);
        if (!(move.castle == Castle::Short ? rights.canCastleShort : rights.canCastleLong)) {
            return ORBEL_WORD("orbel::Rules", "the king or that rook has moved, or the rook was taken");
        }
        if (isInCheck(position)) return ORBEL_WORD("orbel::Rules", "the king is in check");
    }
    if (!isLegalMove(position, move)) return ORBEL_WORD("orbel::Rules", "it is not a legal move");
    if (move.castle == Castle::None) return nullptr;
    switch (castleDanger(position, move)) {
    case Refusal::CastleThroughAttack: return ORBEL_WORD("orbel::Rules", "the king passes through an attacked square");
    case Refusal::CastleIntoCheck: return ORBEL_WORD("orbel::Rules", "the king lands on an attacked square");
    default: return nullptr;
    }
}

namespace {

// Does a piece of this kind move from `from` to `to` on an empty board? A
// king's two-column step is asked about as a castle.
bool movesSo(PieceKind kind, Side side, int from, int to) {
    const int df = fileOf(to) - fileOf(from), dr = rankOf(to) - rankOf(from);
    const int af = df < 0 ? -df : df, ar = dr < 0 ? -dr : dr;
    const int forward = side == Side::White ? 1 : -1;
    switch (kind) {
    case Pawn: {
        const int home = side == Side::White ? 1 : 6;
        return (af <= 1 && dr == forward) || (df == 0 && dr == 2 * forward && rankOf(from) == home);
    }
    case Knight: return (af == 1 && ar == 2) || (af == 2 && ar == 1);
    case Bishop: return af == ar;
    case Rook: return df == 0 || dr == 0;
    case Queen: return af == ar || df == 0 || dr == 0;
    case King: return af <= 1 && ar <= 1;
    default: return false;
    }
}

// A piece on a square between `from` and `to`, along a line.
bool wayBlocked(const StandardPosition& p, int from, int to) {
    const int df = fileOf(to) - fileOf(from), dr = rankOf(to) - rankOf(from);
    if (df != 0 && dr != 0 && df != dr && df != -dr) return false;
    const int step = (dr > 0) - (dr < 0), fileStep = (df > 0) - (df < 0);
    for (int s = from + step * 8 + fileStep; s != to; s += step * 8 + fileStep)
        if (!p.at(s).empty()) return true;
    return false;
}

Refusal castleRefusal(const StandardPosition& p, int from, int to) {
    const bool toH = fileOf(to) > fileOf(from);
    const CastlingRights& rights = p.rightsOf(p.toMove);
    const int corner = squareAt(toH ? 7 : 0, rankOf(from));
    if (!(toH ? rights.canCastleShort : rights.canCastleLong) || p.at(corner) != Piece{Rook, p.toMove})
        return Refusal::CastlingGone;
    if (isInCheck(p)) return Refusal::InCheck;
    if (wayBlocked(p, from, corner)) return Refusal::WayBlocked;
    if (p.rules == RuleSet::Standard) {
        const StandardMove castle = makeMove(from, to, toH ? Castle::Short : Castle::Long, false);
        if (const Refusal danger = castleDanger(p, castle); danger != Refusal::None) return danger;
    }
    return Refusal::CastlingGone;
}

}  // namespace

Refusal refusalOf(const StandardPosition& position, const StandardMove& asked) {
    const int from = asked.from, to = asked.to;
    if (from < 0 || from > 63 || to < 0 || to > 63 || from == to) return Refusal::NotAMove;
    if (isLegalMove(position, asked)) return Refusal::None;
    const Piece piece = position.at(from);
    if (piece.empty()) return Refusal::NothingThere;
    if (piece.side != position.toMove) return Refusal::NotYourPiece;
    const int homeRank = piece.side == Side::White ? 0 : 7;
    const bool castle = piece.kind == King && rankOf(from) == homeRank && fileOf(from) == 4 &&
                        rankOf(to) == homeRank && (fileOf(to) == 2 || fileOf(to) == 6);
    // The squares are a legal move, the rest of the value is not.
    StandardMove move{asked.from, asked.to, Castle::None, piece.kind == Pawn && isLastRank(to), Queen};
    if (castle) move.castle = fileOf(to) == 6 ? Castle::Short : Castle::Long;
    if (isLegalMove(position, move)) return Refusal::NotAMove;
    if (castle) return castleRefusal(position, from, to);
    const Piece there = position.at(to);
    if (!there.empty() && there.side == piece.side) return Refusal::OwnPieceThere;
    if (!movesSo(piece.kind, piece.side, from, to)) return Refusal::NotThatWay;
    if (wayBlocked(position, from, to)) return Refusal::WayBlocked;
    if (piece.kind == Pawn) {
        const bool straight = fileOf(from) == fileOf(to);
        if (straight && !there.empty()) return Refusal::WayBlocked;
        const bool standard = position.rules == RuleSet::Standard;
        if (!straight && there.empty() && !(standard && to == position.enPassantTarget)) {
            const int beside = to + (piece.side == Side::White ? -8 : 8);
            const bool passed = position.at(beside) == Piece{Pawn, other(piece.side)} &&
                                rankOf(to) == (piece.side == Side::White ? 5 : 2);
            if (!passed) return Refusal::NothingToTake;
            return standard ? Refusal::EnPassantGone : Refusal::NoEnPassant;
        }
    }
    if (piece.kind == King) return Refusal::KingAttacked;
    return isInCheck(position) ? Refusal::InCheck : Refusal::Pinned;
}

const char* positionProblem(const StandardPosition& position) {
    int kings[2] = {}, pawns[2] = {}, pieces[2] = {};
    for (int s = 0; s < 64; ++s) {
        const Piece p = position.at(s);
        if (p.empty()) continue;
        const auto side = static_cast<std::size_t>(p.side);
        ++pieces[side];
        if (p.kind == King) ++kings[side];
        if (p.kind == Pawn) {
            ++pawns[side];
            if (isLastRank(s)) return ORBEL_WORD("orbel::Rules", "a pawn stands on the first or last rank");
        }
    }
    for (int side = 0; side < 2; ++side) {
        if (kings[side] != 1) return side == 0 ? ORBEL_WORD("orbel::Rules", "White needs exactly one king")
                                             : ORBEL_WORD("orbel::Rules", "Black needs exactly one king");
        if (pawns[side] > 8) return ORBEL_WORD("orbel::Rules", "a side has more than 8 pawns");
        if (pieces[side] > 16) return ORBEL_WORD("orbel::Rules", "a side has more than 16 pieces");
    }
    if (kingAttacked(position, other(position.toMove)))
        return ORBEL_WORD("orbel::Rules", "the side not to move is in check");
    return nullptr;
}

}  // namespace orbel
