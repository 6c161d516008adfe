// Standard notation over this program's rules: the absolute view of a held
// board, moves typed by the user, and SAN as other programs read it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/notation/san.h"
#include "game/notation/spoken.h"
#include "rules/held_frame.h"
#include "game/notation/fen.h"

namespace orbel {
namespace {

// By this program's rules, though a FEN with a live en passant square reads
// as standard chess.
StandardPosition fromFen(const std::string& fen) {
    StandardPosition p;
    EXPECT_EQ(readFen(fen, p), "") << fen;
    p.rules = RuleSet::Orbel;
    return p;
}

std::string coordinates(const StandardMove& m) {
    return std::string(squareName(m.from)) + std::string(squareName(m.to));
}

constexpr const char* Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
constexpr const char* Castles = "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1";

TEST(StandardView, HeldBoardsAndTheirMovesInBothOrientations) {
    for (const Side own : {Side::White, Side::Black}) {
        const int kingColumn = kingColumnFor(own);
        EXPECT_EQ(standardPosition(startingPosition(kingColumn), own, Side::White, {}, {}, 1).squares,
                  initialPosition().squares);
        EXPECT_EQ(heldBoard(initialPosition(), own), startingPosition(kingColumn));
    }
    struct Row {
        Side own, toMove;
        MoveRecord record;
        const char* squares;
        Castle castle;
    } rows[] = {
        {Side::Black, Side::White, makeMoveRecord(6, 3, 4, 3), "e2e4", Castle::None},  // drawn board, user White
        {Side::White, Side::Black, makeMoveRecord(6, 4, 4, 4), "e7e5", Castle::None},  // drawn board, user Black
        {Side::Black, Side::White, makeMoveRecord(CastleShort, CastleByEnemy, 7, 1), "e1g1", Castle::Short},
        {Side::White, Side::Black, makeMoveRecord(CastleLong, CastleByEnemy, 7, 2), "e8c8", Castle::Long},
        {Side::White, Side::White, makeMoveRecord(CastleShort, CastleShort, CastleShort, CastleShort), "e1g1",
         Castle::Short},
        {Side::Black, Side::Black, makeMoveRecord(CastleLong, CastleLong, CastleShort, CastleShort), "e8c8",
         Castle::Long},
    };
    for (const Row& r : rows) {
        StandardPosition before = initialPosition();
        before.toMove = r.toMove;
        const StandardMove m = standardMove(r.record, before, r.own);
        EXPECT_EQ(coordinates(m), r.squares);
        EXPECT_EQ(m.castle, r.castle);
        const MoveRecord back = heldMoveRecord(m, r.own);
        EXPECT_TRUE(sameMove(back, r.record)) << r.squares;
    }
}

// The text typed at `fen`, and what comes of it: "=e2e4" for the one move it
// names, otherwise the status-bar message.
struct TypedRow {
    const char* fen;
    const char* text;
    const char* expected;
    const char* ownLetters = "";  // the player's language's piece letters
};

TEST(TypedMove, NamesOneLegalMoveOrSaysWhyNot) {
    const TypedRow rows[] = {
        {Start, "e4", "=e2e4"},
        {Start, " E2-E4 ", "=e2e4"},
        {Start, "\tnf3\r\n", "=g1f3"},
        {Start, "Nf3+!?", "=g1f3"},
        {Start, "b4", "=b2b4"},
        {Start, "bb4", "=b2b4"},  // the bishop cannot get there: the b-pawn
        {Start, "Nf5", "No such move: Nf5"},
        {Start, "e5", "No such move: e5"},
        {Start, "Kf1?", "No such move: Kf1? (your own piece stands there)"},
        {Start, "O-O", "No such move: O-O (the way is blocked)"},
        {"4k3/8/8/8/1b5P/8/3N4/4K2R w - - 0 1", "Nf3", "No such move: Nf3 (that piece is pinned to its king)"},
        {"4k3/8/8/8/1b5P/8/3N4/4K2R w - - 0 1", "Rh8", "No such move: Rh8 (the way is blocked)"},
        {"4k3/8/8/8/8/8/4r3/R3K3 w - - 0 1", "Kd2", "No such move: Kd2 (that square is attacked)"},
        {"4k3/8/8/8/8/8/4r3/R3K3 w - - 0 1", "Ra8", "No such move: Ra8 (your king is in check)"},
        {"4k3/8/8/3p4/8/8/8/4K3 b - - 0 1", "dxc4", "No such move: dxc4 (there is nothing to take there)"},
        {Start, "Nf 3", "Not a move: Nf 3"},
        {Start, "\x01z", "Not a move: ?z"},
        {"rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1", "e5", "=e7e5"},
        {"4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "Nd2", "Which knight? Nbd2 or Nfd2"},
        {"4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "N1d2", "=b1d2"},
        {"4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "Ra3", "Which rook? R1a3 or R5a3"},
        {"4k3/8/8/8/2p5/1P6/4B3/4K3 w - - 0 1", "bxc4", "Which piece? Bxc4 or bxc4"},
        {"4k3/8/8/8/2p5/1P6/4B3/4K3 w - - 0 1", "Bxc4", "=e2c4"},
        {"4k3/8/8/8/2p5/1P6/4B3/4K3 w - - 0 1", "b3c4", "=b3c4"},
        {"4k3/8/8/3p4/2P1P3/8/8/4K3 w - - 0 1", "xd5", "Which pawn? cxd5 or exd5"},
        {"4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", "xd5", "=e4d5"},
        {"8/4P3/7k/8/8/8/8/4K3 w - - 0 1", "e8", "=e7e8"},
        {"8/4P3/7k/8/8/8/8/4K3 w - - 0 1", "e7e8q", "=e7e8"},
        {"8/4P3/7k/8/8/8/8/4K3 w - - 0 1", "e8=N", "No such move: e8=N (pawns always become queens)"},
        {"8/4P3/7k/8/Q7/8/8/4K3 w - - 0 1", "Qe8", "Which piece? Qe8 or e8=Q"},
        {"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", "exd6", "No such move: exd6 (no en passant in these rules)"},
        {Castles, "O-O", "=e1g1"},
        {Castles, "0-0-0", "=e1c1"},
        {Castles, "e1g1", "=e1g1"},
        {Castles, "Kg1", "No such move: Kg1"},
        {"r3kr2/8/8/8/8/8/8/R3K2R w KQq - 0 1", "O-O", "=e1g1"},  // across f1, attacked: these rules allow it
        {"r3k2r/8/8/8/8/8/8/R3K2R w Qkq - 0 1", "O-O", "No such move: O-O (the king or that rook has moved, or the rook is gone)"},
        {"r3k2r/8/8/8/8/8/8/R3K1rR w KQkq - 0 1", "O-O", "No such move: O-O (your king is in check)"},
        {"r3k2r/8/8/8/7b/8/8/R3K2R w KQkq - 0 1", "O-O-O", "No such move: O-O-O (your king is in check)"},
        {Start, "Sf3", "=g1f3", "K D T L S"},
        {Start, "Nf3", "=g1f3", "K D T L S"},
        {Start, "e8=D", "No such move: e8=D", "K D T L S"},
        {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", "Rd1", "=e1d1", "R D T F C"},  // the French king first
        {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", "Ra2", "=a1a2", "R D T F C"},  // then the English rook
        {"4k3/8/8/8/8/8/8/4K3 w - - 0 1", "Крd2", "=e1d2", "Кр Ф Л С К"},
        {Start, "Кf3", "=g1f3", "Кр Ф Л С К"},
        {Start, "Кf5", "No such move: Кf5", "Кр Ф Л С К"},
        {Start, "Sf3", "Not a move: Sf3", "K Q R"},  // not five letters: English only
    };
    for (const TypedRow& r : rows) {
        const MoveTextReading reading = readMoveText(fromFen(r.fen), r.text, MoveTextRules::Typed, r.ownLetters);
        const bool one = reading.outcome == MoveTextReading::Outcome::One;
        EXPECT_EQ(one ? "=" + coordinates(reading.move) : reading.message, r.expected) << r.fen << "  " << r.text;
    }
    // As SAN means them, for PGN: "b" is a file and "Q" a queen.
    const StandardPosition bishops = fromFen("4k3/8/8/8/2p5/1P6/4B3/4K3 w - - 0 1");
    EXPECT_EQ(coordinates(readMoveText(bishops, "bxc4", MoveTextRules::Pgn).move), "b3c4");
    EXPECT_EQ(coordinates(readMoveText(fromFen("8/4P3/7k/8/Q7/8/8/4K3 w - - 0 1"), "Qe8", MoveTextRules::Pgn).move),
              "a4e8");
}

// The move named by its squares at `fen`, and its SAN.
TEST(SanText, DisambiguatesCapturesMarksChecksAndMates) {
    const TypedRow rows[] = {
        {Start, "e2e4", "e4"},
        {Start, "g1f3", "Nf3"},
        {"4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", "e4d5", "exd5"},
        {"4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "b1d2", "Nbd2"},
        {"4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "a5a3", "R5a3"},
        {"4k3/8/8/8/8/Q7/8/Q1Q1K3 w - - 0 1", "a1b2", "Qa1b2"},
        {"4k3/8/8/8/8/8/3n4/1N2K3 w - - 0 1", "b1d2", "Nxd2"},
        {"4k3/8/8/8/8/5N2/8/rN2K3 w - - 0 1", "f3d2", "Nd2"},  // the knight on b1 is pinned
        {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", "a1a8", "Ra8+"},
        {"6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "a1a8", "Ra8#"},
        {"7k/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7e8", "e8=Q+"},
        {"3r4/4P2k/8/8/8/8/8/4K3 w - - 0 1", "e7d8", "exd8=Q"},
        {Castles, "e1g1", "O-O"},
        {Castles, "e1c1", "O-O-O"},
        {"5k2/8/8/8/8/8/8/4K2R w K - 0 1", "e1g1", "O-O+"},
        {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8c8", "O-O-O"},
        // d7-d5 checks the king on e4; only exd6 en passant, which standard
        // chess allows, answers it: check, not mate.
        {"7k/3p2b1/8/4P3/4K3/8/6n1/3r1r2 b - - 0 1", "d7d5", "d5+"},
        {"7k/3p2b1/8/8/4K3/8/6n1/3r1r2 b - - 0 1", "d7d5", "d5#"},
    };
    for (const TypedRow& r : rows) {
        const StandardPosition p = fromFen(r.fen);
        const std::string squares = r.text;
        std::vector<StandardMove> moves;
        legalMoves(p, moves);
        const auto m =
            std::find_if(moves.begin(), moves.end(), [&](const StandardMove& x) { return coordinates(x) == squares; });
        ASSERT_NE(m, moves.end()) << r.fen << "  " << r.text;
        EXPECT_EQ(sanText(p, *m), r.expected) << r.fen;
    }
}

// What a screen reader says for a move: the notation, read out in words.
TEST(SpokenMove, ReadsTheNotationInWords) {
    const std::pair<const char*, const char*> rows[] = {
        {"e4", "e4"}, {"Nf3", "knight f3"}, {"exd5", "e takes d5"}, {"Nbd7", "knight b d7"},
        {"R1a3", "rook 1 a3"}, {"Rxa8+", "rook takes a8, check"}, {"e8=Q#", "e8, becomes a queen, checkmate"},
        {"O-O", "castles short"}, {"O-O-O+", "castles long, check"}, {"", ""},
    };
    for (const auto& [san, words] : rows) EXPECT_EQ(spokenSan(san), words) << san;
    // The piece's name comes from the translation.
    const Translate german = [](const char*, const char* english) {
        return std::string(english) == "knight" ? std::string("Springer") : std::string(english);
    };
    EXPECT_EQ(spokenSan("Nf3", german), "Springer f3");
}

}  // namespace
}  // namespace orbel
