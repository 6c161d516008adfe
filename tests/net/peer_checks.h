// What must hold whatever a peer sends, shared by the fuzz test and the
// libFuzzer target (tools/fuzz/peer_stream_fuzz.cpp). Header only, no test
// framework, so the fuzz build needs nothing of the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "net/peer_move.h"
#include "net/protocol.h"
#include "rules/apply_move.h"
#include "rules/attack_scan.h"
#include "rules/check.h"

namespace orbel::peer_checks {

// Every square empty or a piece of Own or Enemy, and no pawn on the row it
// would have been queened on.
inline bool validPosition(const Board& board) {
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const Square s = board.at(r, c);
            if (s == EmptySquare) continue;
            if (s.kind < Pawn || s.kind > King || (s.owner != Own && s.owner != Enemy)) return false;
            if (s.kind == Pawn && ((s.owner == Own && r == 7) || (s.owner == Enemy && r == 0))) return false;
        }
    }
    return true;
}

// The moves the side that is Own may make, found the plain way rather than
// through the user's move rules: each piece's squares by the rules of chess
// without en passant, kept when the mover's king is not attacked afterwards;
// castles from the game's rights, the king and rook on their home squares
// (king on column 3 or 4 of row 0), the squares between empty and the king
// not attacked now.
inline void legalOwnMoves(const GameState& game, std::vector<MoveRecord>& out, bool withCastles = true) {
    out.clear();
    const Board& b = game.board;
    auto owner = [&](int r, int c) { return onBoard(r, c) ? b.at(r, c).owner : -1; };
    int kingRow = -1, kingCol = -1;  // a legal game has one Own king at most
    for (int i = 0; i < 64; ++i) {
        if (b.at(i / 8, i % 8) == Square{King, Own}) kingRow = i / 8, kingCol = i % 8;
    }
    auto add = [&](int fr, int fc, int tr, int tc) {
        Board after = b;
        applyMove(makeMoveRecord(fr, fc, tr, tc), after);
        const bool kingMoves = fr == kingRow && fc == kingCol;
        if (kingRow < 0 || !isSquareAttacked(after, kingMoves ? tr : kingRow, kingMoves ? tc : kingCol)) {
            out.push_back(makeMoveRecord(fr, fc, tr, tc));
        }
    };
    static constexpr int knight[8][2] = {{2, 1}, {1, 2}, {-1, 2}, {-2, 1}, {-2, -1}, {-1, -2}, {1, -2}, {2, -1}};
    static constexpr int around[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const Square s = b.at(r, c);
            if (s.owner != Own) continue;
            if (s.kind == Pawn) {
                if (owner(r + 1, c) == Empty) {
                    add(r, c, r + 1, c);
                    if (r == 1 && owner(3, c) == Empty) add(r, c, 3, c);
                }
                for (const int dc : {-1, 1}) {
                    if (owner(r + 1, c + dc) == Enemy) add(r, c, r + 1, c + dc);
                }
            } else if (s.kind == Knight || s.kind == King) {
                for (const auto& d : s.kind == Knight ? knight : around) {
                    const int o = owner(r + d[0], c + d[1]);
                    if (o == Empty || o == Enemy) add(r, c, r + d[0], c + d[1]);
                }
            } else {
                for (int i = 0; i < 8; ++i) {
                    const bool straight = around[i][0] == 0 || around[i][1] == 0;
                    if ((s.kind == Rook && !straight) || (s.kind == Bishop && straight)) continue;
                    for (int tr = r + around[i][0], tc = c + around[i][1]; onBoard(tr, tc);
                         tr += around[i][0], tc += around[i][1]) {
                        const int o = owner(tr, tc);
                        if (o == Own) break;
                        add(r, c, tr, tc);
                        if (o == Enemy) break;
                    }
                }
            }
        }
    }
    if (!withCastles || isOwnKingAttacked(b)) return;
    auto holds = [&](int c, PieceKind kind) { return b.at(0, c) == Square{kind, Own}; };
    auto emptyBetween = [&](int from, int to) {
        for (int c = (from < to ? from : to) + 1; c < (from < to ? to : from); ++c) {
            if (b.at(0, c).owner != Empty) return false;
        }
        return true;
    };
    auto castle = [&](int kingAt, int rookAt) {
        return holds(kingAt, King) && holds(rookAt, Rook) && emptyBetween(kingAt, rookAt);
    };
    // Short castling goes towards the nearer corner: column 7 with the king on
    // column 4, column 0 with the king on column 3.
    if (game.canCastleShort && (castle(4, 7) || castle(3, 0))) out.push_back(makeMoveRecord(99, 99, 99, 99));
    if (game.canCastleLong && (castle(4, 0) || castle(3, 7))) out.push_back(makeMoveRecord(100, 100, 99, 99));
}

// Whether `move` is one of `moves`; a castle matches on its code alone.
inline bool listed(const std::vector<MoveRecord>& moves, const MoveRecord& move) {
    for (const MoveRecord& m : moves) {
        if (move.isCastling() ? m.fromRow == move.fromRow && m.fromCol == move.fromCol : sameMove(m, move)) {
            return true;
        }
    }
    return false;
}

// The messages again as a peer would send them.
inline std::string rebuild(const std::vector<PeerMessage>& messages) {
    std::string out;
    for (const PeerMessage& m : messages) {
        out += peerCommandWord(m.command);
        switch (m.command) {
        case PeerCommand::Move:
            for (const std::int32_t n : {m.move.fromRow, m.move.fromCol, m.move.toRow, m.move.toCol}) {
                out += ' ' + std::to_string(n);
            }
            break;
        case PeerCommand::Nick: out += ' ' + std::to_string(m.colorCode) + ' ' + m.text + '\r'; break;
        case PeerCommand::Ack:
        case PeerCommand::Kib: out += ' ' + m.text + '\r'; break;
        default: break;
        }
    }
    return out;
}

inline bool sameMessages(const std::vector<PeerMessage>& a, const std::vector<PeerMessage>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].command != b[i].command || !sameMove(a[i].move, b[i].move) || a[i].colorCode != b[i].colorCode ||
            a[i].text != b[i].text) {
            return false;
        }
    }
    return true;
}

// What a peer's stream must never do to us: each read is parsed, each message
// checked, and each MOVE played in `game` when isLegalPeerMove accepts it,
// with a reply of the local side after it. Every check returns the first
// broken rule, or null.
class StreamWatch {
public:
    explicit StreamWatch(int localColorCode) : game(localColorCode) { restart(localColorCode); }

    // A new game; the lists keep their storage.
    void restart(int localColorCode) {
        startGame(localColorCode);
        movesPlayed = 0;
    }

    const char* read(PeerStream& stream, std::string_view bytes, std::vector<PeerMessage>& messages) {
        while (std::optional<PeerMessage> m = stream.next(bytes)) {
            if (const char* broken = check(*m)) return broken;
            messages.push_back(std::move(*m));
        }
        if (!bytes.empty()) return "bytes left over after the last message of a read";
        if (stream.heldBytes() > PeerStream::MaxHeldBytes) return "the stream holds more than its bound";
        return nullptr;
    }

    GameState game;
    int movesPlayed = 0;

private:
    // The local side plays White: its e-pawn opens before the opponent answers.
    void startGame(int localColorCode) {
        game = GameState(localColorCode);
        opponentMovesListed_ = false;
        if (localColorCode == WhiteColorCode) applyMove(makeMoveRecord(6, 3, 4, 3), game.board);
    }

    const char* check(const PeerMessage& m) {
        if (m.text.size() > MaxPeerTextLength) return "a text longer than its bound";
        if (m.command == PeerCommand::Nick && m.colorCode != WhiteColorCode && m.colorCode != BlackColorCode) {
            return "a NICK with a colour other than 3 or 4";
        }
        if (m.command != PeerCommand::Move) return m.move.isMove() ? "a move in a message other than MOVE" : nullptr;
        // Most moves a fuzzer sends are refused, so the opponent's moves are
        // listed once for each position.
        if (!opponentMovesListed_) legalOwnMoves(game, opponentMoves_);
        opponentMovesListed_ = true;
        MoveRecord move = m.move;
        const bool legal = isLegalPeerMove(game, move);
        if (legal != listed(opponentMoves_, move)) return legal ? "an impossible move accepted" : "a possible move refused";
        if (!legal) return nullptr;
        applyPeerMove(game, move);
        if (!validPosition(game.board)) return "a move left an invalid position";
        ++movesPlayed;
        replyOrRestart();
        opponentMovesListed_ = false;
        return nullptr;
    }

    // The local side answers with one of its moves (no castles: it keeps no
    // rights of its own here), picked by the number of moves so far; a new
    // game, of the other colour, begins when it has none.
    void replyOrRestart() {
        flipBoard(game.board);
        legalOwnMoves(game, localMoves_, false);
        if (localMoves_.empty()) {
            startGame(game.ownKingColumn == BlackColorCode ? WhiteColorCode : BlackColorCode);
            return;
        }
        applyMove(localMoves_[static_cast<std::size_t>(movesPlayed) * 7 % localMoves_.size()], game.board);
        flipBoard(game.board);
    }

    std::vector<MoveRecord> opponentMoves_;
    bool opponentMovesListed_ = false;
    std::vector<MoveRecord> localMoves_;
};

}  // namespace orbel::peer_checks
