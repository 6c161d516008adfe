// What must hold whatever a peer sends, shared by the fuzz test and the
// libFuzzer target (tools/fuzz/peer_stream_fuzz.cpp). Header only, no test
// framework, so the fuzz build needs nothing of the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "net/wire/greeting.h"
#include "net/wire/protocol.h"
#include "rules/apply_move.h"
#include "rules/attack_scan.h"
#include "rules/check.h"
#include "rules/held_frame.h"
#include "rules/standard_moves.h"

namespace orbel::peer_checks {

// A game held in the receiver's frame (the opponent Own, at home on row 0)
// as the window holds it: the opponent to move, with the game's castling
// rights for it.
inline StandardPosition positionOf(const GameState& game) {
    const Side opponent = game.ownKingColumn == 4 ? Side::White : Side::Black;
    return standardPosition(game.board, opponent, opponent, {game.canCastleShort != 0, game.canCastleLong != 0},
                            {false, false}, 1);
}

// How the window takes the peer's MOVE: read into a move, then judged by the
// rules for the opponent.
inline bool isLegalPeerMove(const GameState& game, const MoveRecord& move) {
    const StandardPosition before = positionOf(game);
    const std::optional<StandardMove> m = moveFromPeer(move, before, before.toMove);
    return m && isLegalMove(before, *m);
}

// And plays one it accepted; the opponent's castling fields follow it as the
// computer's own do.
inline void applyPeerMove(GameState& game, const MoveRecord& move) {
    const StandardPosition before = positionOf(game);
    updateOwnCastlingRights(game, move);
    game.board = heldBoard(afterPlay(before, *moveFromPeer(move, before, before.toMove)), before.toMove);
}

// Every square empty or a piece of Own or Enemy, and no pawn on the row it
// would have been queened on.
inline bool validPosition(const Board& board) {
    for (int i = 0; i < 64; ++i) {
        const Square s = board.at(i / 8, i % 8);
        if (s == EmptySquare) continue;
        if (s.kind < Pawn || s.kind > King || (s.owner != Own && s.owner != Enemy)) return false;
        if (s.kind == Pawn && i / 8 == (s.owner == Own ? 7 : 0)) return false;
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
    // Straight lines, then diagonals, then the knight's jumps.
    static constexpr int steps[16][2] = {{1, 0},  {0, 1},  {-1, 0}, {0, -1}, {1, 1},   {-1, 1},  {-1, -1}, {1, -1},
                                         {2, 1},  {1, 2},  {-1, 2}, {-2, 1}, {-2, -1}, {-1, -2}, {1, -2},  {2, -1}};
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const PieceKind kind = b.at(r, c).kind;
            if (b.at(r, c).owner != Own) continue;
            if (kind == Pawn) {
                if (owner(r + 1, c) == Empty) add(r, c, r + 1, c);
                if (r == 1 && owner(2, c) == Empty && owner(3, c) == Empty) add(r, c, 3, c);
                for (const int dc : {-1, 1}) {
                    if (owner(r + 1, c + dc) == Enemy) add(r, c, r + 1, c + dc);
                }
                continue;
            }
            const bool slides = kind == Rook || kind == Bishop || kind == Queen;
            const int first = kind == Knight ? 8 : kind == Bishop ? 4 : 0;
            const int last = kind == Knight ? 16 : kind == Rook ? 4 : 8;
            for (int i = first; i < last; ++i) {
                const int dr = steps[i][0], dc = steps[i][1];
                for (int tr = r + dr, tc = c + dc; owner(tr, tc) == Empty || owner(tr, tc) == Enemy; tr += dr, tc += dc) {
                    add(r, c, tr, tc);
                    if (!slides || owner(tr, tc) == Enemy) break;
                }
            }
        }
    }
    if (!withCastles || isOwnKingAttacked(b)) return;
    auto castle = [&](int kingAt, int rookAt) {
        if (b.at(0, kingAt) != Square{King, Own} || b.at(0, rookAt) != Square{Rook, Own}) return false;
        for (int c = (kingAt < rookAt ? kingAt : rookAt) + 1; c < (kingAt < rookAt ? rookAt : kingAt); ++c) {
            if (b.at(0, c).owner != Empty) return false;
        }
        return true;
    };
    // Short castling goes towards the nearer corner: column 7 with the king on
    // column 4, column 0 with the king on column 3.
    if (game.canCastleShort && (castle(4, 7) || castle(3, 0))) out.push_back(makeMoveRecord(CastleShort, CastleShort, 99, 99));
    if (game.canCastleLong && (castle(4, 0) || castle(3, 7))) out.push_back(makeMoveRecord(CastleLong, CastleLong, 99, 99));
}

// The messages again as a peer would send them. No two lists of messages the
// parser can give are sent as the same bytes, so comparing these compares
// the messages.
inline std::string rebuild(const std::vector<PeerMessage>& messages) {
    std::string out;
    for (const PeerMessage& m : messages) {
        out += peerCommandWord(m.command);
        if (m.command == PeerCommand::Move) {
            for (const std::int32_t n : {m.move.fromRow, m.move.fromCol, m.move.toRow, m.move.toCol}) {
                out += ' ' + std::to_string(n);
            }
        }
        if (m.command == PeerCommand::Nick) out += ' ' + std::to_string(m.colorCode);
        if (m.command == PeerCommand::Nick || m.command == PeerCommand::Ack || m.command == PeerCommand::Kib ||
            m.command > PeerCommand::Resign) {
            out += ' ' + m.text + '\r';
        }
    }
    return out;
}

// Calls `take` with each read of one way of cutting `bytes`: 0 whole, 1 in
// sizes 1, 2, ... 13 over and over, 2 one byte each, 3 in sevens that never
// end between two digits (where the end of a read would end a MOVE).
template <class Take>
void forEachRead(std::string_view bytes, int way, Take&& take) {
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t size = 1; !bytes.empty(); size = size % 13 + 1) {
        std::size_t n = way == 0 ? bytes.size() : way == 1 ? size : way == 2 ? 1 : 7;
        if (n > bytes.size()) n = bytes.size();
        while (way == 3 && n < bytes.size() && isDigit(bytes[n - 1]) && isDigit(bytes[n])) ++n;
        take(bytes.substr(0, n));
        bytes.remove_prefix(n);
    }
}

// A peer's text as shown stays on one line in the order it was sent: no line
// break and no bidirectional control (the output is UTF-8, so a character's
// bytes are found only where the character is). The broken rule, or null.
inline const char* shownTextRule(std::string_view shown) {
    static constexpr std::string_view breaks[] = {"\n", "\r", "\u0085", "\u2028", "\u2029"};
    static constexpr std::string_view bidi[] = {"\u202a", "\u202b", "\u202c", "\u202d", "\u202e", "\u2066",
                                                "\u2067", "\u2068", "\u2069", "\u200e", "\u200f", "\u061c"};
    for (const std::string_view b : breaks)
        if (shown.find(b) != std::string_view::npos) return "a line break in a text as shown";
    for (const std::string_view b : bidi)
        if (shown.find(b) != std::string_view::npos) return "a bidirectional control in a text as shown";
    return nullptr;
}

// A message of copies of this version that reads as a value builds that
// value's message again, and it reads back the same.
inline bool greetingReadsBack(const PeerMessage& m) {
    const auto same = [&](const auto& read, const auto& build) {
        const auto value = read(m.text);
        if (!value) return true;
        const std::string built = build(*value);
        const std::size_t word = peerCommandWord(m.command).size() + 1;
        return built.size() > word && read(std::string_view(built).substr(word, built.size() - word - 1)) == value;
    };
    switch (m.command) {
    case PeerCommand::Hello: return same(readHello, helloMessage);
    case PeerCommand::Back: return same(readBack, backMessage);
    case PeerCommand::Welcome:
        return same(readWelcome, [](const GamePoint& p) { return welcomeMessage(p.moves, p.position); });
    case PeerCommand::NoGame: return same(readNoGame, noGameMessage);
    case PeerCommand::Offer: return same(readOffer, offerMessage);
    case PeerCommand::Reply: return same(readReply, replyMessage);
    case PeerCommand::Promote: return same(readPromote, promoteMessage);
    case PeerCommand::Clock: return same(readClock, clockMessage);
    case PeerCommand::Flag: return same(readFlag, flagMessage);
    default: return true;
    }
}

// A game fed a peer's stream: each read is parsed, each message checked, and
// each MOVE played when isLegalPeerMove accepts it, with a reply of the local
// side after it. Every check returns the first broken rule, or null.
class StreamWatch {
public:
    explicit StreamWatch(int localColorCode) : game(localColorCode) { restart(localColorCode); }

    // A new game, in which White's e-pawn opens when the local side plays
    // White; the lists keep their storage.
    void restart(int localColorCode, bool countAfresh = true) {
        game = GameState(localColorCode);
        opponentMovesListed_ = false;
        if (countAfresh) movesPlayed = 0;
        if (localColorCode == WhiteColorCode) applyMove(makeMoveRecord(6, 3, 4, 3), game.board);
    }

    // `input` cut `way` (as forEachRead), then its messages sent again and
    // read back.
    const char* stream(std::string_view input, int way) {
        PeerStream first;
        messages_.clear();
        const char* broken = nullptr;
        auto note = [&](bool holds, const char* rule) { broken = broken || holds ? broken : rule; };
        forEachRead(input, way, [&](std::string_view read) {
            while (std::optional<PeerMessage> m = first.next(read)) {
                const char* rule = check(*m);
                note(rule == nullptr, rule);
                messages_.push_back(std::move(*m));
            }
            note(read.empty(), "bytes left over after the last message of a read");
            note(first.heldBytes() <= PeerStream::MaxHeldBytes, "the stream holds more than its bound");
        });
        if (broken) return broken;
        const std::string again = rebuild(messages_);
        PeerStream second;
        messages_.clear();
        forEachRead(again, 3, [&](std::string_view read) {
            while (std::optional<PeerMessage> m = second.next(read)) messages_.push_back(std::move(*m));
        });
        return rebuild(messages_) == again ? nullptr : "the messages read back differently";
    }

    GameState game;
    int movesPlayed = 0;

private:
    const char* check(const PeerMessage& m) {
        if (m.text.size() > MaxPeerTextLength) return "a text longer than its bound";
        if (const char* rule = shownTextRule(peerTextForDisplay(m.text))) return rule;
        if (!greetingReadsBack(m)) return "a greeting read differs when built again";
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
        bool listed = false;  // a castle matches on its code alone
        for (const MoveRecord& o : opponentMoves_) {
            listed = listed || (move.isCastling() ? o.fromRow == move.fromRow && o.fromCol == move.fromCol : sameMove(o, move));
        }
        if (legal != listed) return legal ? "an impossible move accepted" : "a possible move refused";
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
            restart(game.ownKingColumn == BlackColorCode ? WhiteColorCode : BlackColorCode, false);
            return;
        }
        applyMove(localMoves_[static_cast<std::size_t>(movesPlayed) * 7 % localMoves_.size()], game.board);
        flipBoard(game.board);
    }

    std::vector<MoveRecord> opponentMoves_;
    bool opponentMovesListed_ = false;
    std::vector<MoveRecord> localMoves_;
    std::vector<PeerMessage> messages_;
};

}  // namespace orbel::peer_checks
