// Standard chess beside this program's rules: the published move counts, the
// moves one rule set allows and the other refuses, and the draws.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "game/notation/san.h"
#include "rules/draws.h"
#include "rules/standard_moves.h"
#include "game/notation/fen.h"
#include "tests/support/perft.h"

namespace orbel {
namespace {

StandardPosition standardFen(const char* fen, RuleSet rules = RuleSet::Standard) {
    StandardPosition p;
    EXPECT_EQ(readFen(fen, p), "") << fen;
    p.rules = rules;
    return p;
}

// "e2e4", "e7e8n", "e1g1": a king's two-file step is a castle.
StandardMove coordinateMove(const StandardPosition& p, const std::string& text) {
    const int from = squareAt(text[0] - 'a', text[1] - '1'), to = squareAt(text[2] - 'a', text[3] - '1');
    StandardMove m{static_cast<std::int8_t>(from), static_cast<std::int8_t>(to)};
    const PieceKind kind = p.at(from).kind;
    if (kind == King && std::abs(fileOf(to) - fileOf(from)) == 2) {
        m.castle = fileOf(to) > fileOf(from) ? Castle::Short : Castle::Long;
    }
    m.promotes = kind == Pawn && (rankOf(to) == 0 || rankOf(to) == 7);
    if (text.size() == 5) m.promotion = pieceOfLetter(text[4]);
    return m;
}

TEST(StandardRules, PerftCountsMatchThePublishedOnes) {
    const struct {
        const char* fen;
        std::uint64_t leaves[4];
    } rows[] = {
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", {20, 400, 8902, 197281}},
        {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", {48, 2039, 97862, 4085603}},
        {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", {14, 191, 2812, 43238}},
    };
    for (const auto& r : rows) {
        for (int depth = 1; depth <= 4; ++depth) {
            EXPECT_EQ(testing::perft(standardFen(r.fen), depth), r.leaves[depth - 1]) << r.fen << " depth " << depth;
        }
    }
}

TEST(StandardRules, EachRuleSetRefusesItsOwnMoves) {
    const struct {
        const char* fen;
        const char* move;
        Refusal orbel, standard;
    } rows[] = {
        {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", "e5d6", Refusal::NoEnPassant, Refusal::None},
        {"4k3/8/8/3pP3/8/8/8/4K3 w - - 0 1", "e5d6", Refusal::NoEnPassant, Refusal::EnPassantGone},
        // Both pawns leave the fifth rank, and the rook sees the king.
        {"8/8/8/K2pP2r/8/8/8/7k w - d6 0 1", "e5d6", Refusal::NoEnPassant, Refusal::Pinned},
        {"4k3/1P6/8/8/8/8/8/4K3 w - - 0 1", "b7b8q", Refusal::None, Refusal::None},
        {"4k3/1P6/8/8/8/8/8/4K3 w - - 0 1", "b7b8r", Refusal::NotAMove, Refusal::None},
        {"4k3/1P6/8/8/8/8/8/4K3 w - - 0 1", "b7b8b", Refusal::NotAMove, Refusal::None},
        {"4k3/1P6/8/8/8/8/8/4K3 w - - 0 1", "b7b8n", Refusal::NotAMove, Refusal::None},
        {"4k3/8/8/8/8/8/4r3/R3K2R w KQ - 0 1", "e1g1", Refusal::InCheck, Refusal::InCheck},
        {"4kr2/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1g1", Refusal::None, Refusal::CastleThroughAttack},
        {"4k1r1/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1g1", Refusal::None, Refusal::CastleIntoCheck},
        {"2r1k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1c1", Refusal::None, Refusal::CastleIntoCheck},
        // Only the king's squares count: the rook may cross an attacked b1.
        {"1r2k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1c1", Refusal::None, Refusal::None},
    };
    for (const auto& r : rows) {
        for (const RuleSet rules : {RuleSet::Orbel, RuleSet::Standard}) {
            const StandardPosition p = standardFen(r.fen, rules);
            EXPECT_EQ(refusalOf(p, coordinateMove(p, r.move)), rules == RuleSet::Orbel ? r.orbel : r.standard)
                << r.fen << " " << r.move << (rules == RuleSet::Orbel ? " by these rules" : " by standard chess");
        }
    }
}

TEST(StandardRules, DrawsAfterTheLastMove) {
    const struct {
        const char* fen;
        const char* moves;
        DrawReason automatic, claimable;
    } rows[] = {
        {"7k/8/6K1/8/8/8/8/5Q2 w - - 0 1", "f1f7", DrawReason::Stalemate, DrawReason::None},
        {"4k3/8/8/8/8/8/3q4/4K3 w - - 0 1", "e1d2", DrawReason::InsufficientMaterial, DrawReason::None},
        {"4k3/8/8/8/8/8/3q4/2B1K3 w - - 0 1", "c1d2", DrawReason::InsufficientMaterial, DrawReason::None},
        {"4k3/8/8/8/8/8/3q4/1N2K3 w - - 0 1", "b1d2", DrawReason::InsufficientMaterial, DrawReason::None},
        {"4k3/8/8/8/8/8/3q4/2B1K1b1 w - - 0 1", "c1d2", DrawReason::InsufficientMaterial, DrawReason::None},
        {"4k3/8/8/8/8/8/3q4/2B1K2b w - - 0 1", "c1d2", DrawReason::None, DrawReason::None},
        // The start a second time by the king's knights, a third by the queen's.
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", "g1f3 g8f6 f3g1 f6g8 b1c3 b8c6 c3b1 c6b8",
         DrawReason::None, DrawReason::ThreefoldRepetition},
        {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
         "g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1 f6g8 b1c3 b8c6 c3b1 c6b8 b1c3 b8c6 c3b1 c6b8",
         DrawReason::FivefoldRepetition, DrawReason::ThreefoldRepetition},
        {"4k3/8/8/8/8/2p5/4P3/1N2K3 w - - 99 80", "b1a3", DrawReason::None, DrawReason::FiftyMoves},
        {"4k3/8/8/8/8/2p5/4P3/1N2K3 w - - 99 80", "b1c3", DrawReason::None, DrawReason::None},
        {"4k3/8/8/8/8/2p5/4P3/1N2K3 w - - 99 80", "e2e4", DrawReason::None, DrawReason::None},
        {"4k3/8/8/8/8/2p5/4P3/1N2K3 w - - 149 80", "b1a3", DrawReason::SeventyFiveMoves, DrawReason::FiftyMoves},
    };
    for (const auto& r : rows) {
        const StandardPosition start = standardFen(r.fen);
        StandardPosition now = start;
        std::vector<StandardMove> moves;
        std::istringstream words(r.moves);
        for (std::string word; words >> word;) {
            moves.push_back(coordinateMove(now, word));
            ASSERT_TRUE(isLegalMove(now, moves.back())) << r.fen << " " << word;
            now = afterMove(now, moves.back());
        }
        const std::vector<RepetitionKey> history = repetitionHistory(start, moves);
        EXPECT_EQ(automaticDraw(now, history), r.automatic) << r.fen << " " << r.moves;
        EXPECT_EQ(claimableDraw(now, history), r.claimable) << r.fen << " " << r.moves;
    }
}

}  // namespace
}  // namespace orbel
