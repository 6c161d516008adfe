// FEN and PGN as other chess programs write them: what reads, what is refused
// and with which sentence, and the writer's exact text.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <string>

#include "game/notation/san.h"
#include "game/notation/fen.h"
#include "savegame/pgn.h"
#include "tests/support/pgn_extract.h"

namespace orbel {
namespace {

constexpr const char* Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// A text, and what reading it gives: the FEN written back, or the refusal.
struct Row {
    const char* text;
    const char* expected;
};

TEST(Fen, ReadsStrictlyAndWritesBack) {
    const Row rows[] = {
        {Start, Start},
        {" rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1\n",
         "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1"},
        {"4k3/8/8/8/8/8/8/4K3 w - -", "4k3/8/8/8/8/8/8/4K3 w - - 0 1"},
        {"4k3/8/8/8/8/8/8/4K3\tb  -  -  12  40", "4k3/8/8/8/8/8/8/4K3 b - - 0 40"},
        {"r3k2r/8/8/8/8/8/8/R3K2R w Kq - 0 1", "r3k2r/8/8/8/8/8/8/R3K2R w Kq - 0 1"},
        {"", "a FEN has six fields (or the first four)"},
        {"4k3/8/8/8/8/8/8/4K3 w - - 0", "a FEN has six fields (or the first four)"},
        {"4k3/8/8/8/8/8/4K3 w - - 0 1", "the board does not have 8 ranks of 8 squares"},
        {"4k3/8/8/8/8/8/8/8/4K3 w - - 0 1", "the board has more than 8 ranks"},
        {"4k4/8/8/8/8/8/8/4K3 w - - 0 1", "rank 8 has more than 8 squares"},
        {"4k2/8/8/8/8/8/8/4K3 w - - 0 1", "rank 8 does not have 8 squares"},
        {"4k3/8/8/8/8/8/8/4K3N w - - 0 1", "rank 1 has more than 8 squares"},
        {"4k3/8/8/8/8/8/8/4K2\x80 w - - 0 1", "\"?\" is not a piece"},
        {"4k3/8/8/8/8/8/8/4K3 W - - 0 1", "the side to move must be w or b"},
        {"r3k2r/8/8/8/8/8/8/R3K2R w qK - 0 1", "the castling rights must be \"-\" or some of KQkq in that order"},
        {"r3k2r/8/8/8/8/8/8/R3K2R w KK - 0 1", "the castling rights must be \"-\" or some of KQkq in that order"},
        {"4k3/8/8/8/8/8/8/4K3 w K - 0 1", "castling right K without its king and rook at home"},
        // A pawn may take en passant: standard chess, and its clock.
        {"4k3/8/8/pP6/8/8/8/4K3 w - a6 0 1", "4k3/8/8/pP6/8/8/8/4K3 w - a6 0 1"},
        {"4k3/8/8/8/3pP3/8/8/4K3 b - e3 7 40", "4k3/8/8/8/3pP3/8/8/4K3 b - e3 7 40"},
        {"8/8/8/K2pP2r/8/8/8/7k w - d6 5 1", "8/8/8/K2pP2r/8/8/8/7k w - - 0 1"},  // it would bare the king
        {"4k3/8/8/8/8/8/8/4K3 w - e3 0 1", "the en passant square must be \"-\" or a square on rank 6"},
        {"4k3/8/8/8/8/8/8/4K3 w - e66 0 1", "the en passant square must be \"-\" or a square on rank 6"},
        {"4k3/8/8/8/8/8/8/4K3 w - - x 1", "the half-move clock must be a number from 0 to 9999"},
        {"4k3/8/8/8/8/8/8/4K3 w - - 0 0", "the move number must be from 1 to 9999"},
        {"4k3/8/8/8/8/8/8/4K3 w - - 0 10000", "the move number must be from 1 to 9999"},
        {"4k3/8/8/8/8/8/8/3KK3 w - - 0 1", "White needs exactly one king"},
        {"8/8/8/8/8/8/8/4K3 w - - 0 1", "Black needs exactly one king"},
        {"P3k3/8/8/8/8/8/8/4K3 w - - 0 1", "a pawn stands on the first or last rank"},
        {"4k3/8/8/8/8/P7/PPPPPPPP/4K3 w - - 0 1", "a side has more than 8 pawns"},
        {"4k3/8/8/8/8/8/8/4R1K1 w - - 0 1", "the side not to move is in check"},
    };
    for (const Row& r : rows) {
        StandardPosition p;
        const std::string problem = readFen(r.text, p);
        EXPECT_EQ(problem.empty() ? writeFen(p) : problem, r.expected) << r.text;
    }
    EXPECT_EQ(readFen(std::string(2000, ' '), *std::make_unique<StandardPosition>()), "the text is too long for a FEN");
}

TEST(Pgn, ReadsTheFirstGameOrSaysWhyNot) {
    const Row rows[] = {
        {"[Event \"x\"]\n[Site \"y \\\"q\\\" ]\"]\n% an escaped line\n\n"
         "1. e4 {a comment} e5 $1 2.Nf3 (2. Nc3 (2. f4 exf4) {)} Nc6) 2... Nc6!? ; to the end\n"
         "3. Bb5 a6 4. Bxc6 dxc6 5. 0-0 1-0\n[Event \"next\"]\n1. d4 *",
         "r1bqkbnr/1pp2ppp/p1p5/4p3/4P3/5N2/PPPP1PPP/RNBQ1RK1 b kq - 0 5"},
        {"[SetUp \"1\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 0 12\"]\n\n12... Kd7 13. e4 *",
         "8/3k4/8/8/4P3/8/8/4K3 b - - 0 13"},
        {"\xEF\xBB\xBF"
         "1.e4 e5",
         "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 0 2"},
        {"[TimeControl \"180+2\"]\n1. e4 {[%clk 0:02:58]} e5 {[%clk 0:02:59]} *",
         "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 0 2"},
        {"% escaped\n[Event \"tags only\"]", Start},
        {"  4k3/8/8/8/8/8/8/4K3 w - - 0 1  ", "4k3/8/8/8/8/8/8/4K3 w - - 0 1"},
        {"1. e4 d5 2. e5 f5 3. exf6 *", "rnbqkbnr/ppp1p1pp/5P2/3p4/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 3 by standard rules"},
        {"1. Nf3 d5 2. Nc3 d4 3. e4 Nc6 4. Nb1 dxe3 *", "Move 4... dxe3 cannot be played: no en passant in these rules."},
        {"[FEN \"8/4P3/7k/8/8/8/8/4K3 w - - 0 1\"]\n1. e8=N", "4N3/8/7k/8/8/8/8/4K3 b - - 0 1 by standard rules"},
        {"[Result \"1/2-1/2\"]\n1. e4 e5 *", "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2 by standard rules"},
        // Standard chess refuses the castle: a drawn game by these rules.
        {"[FEN \"r3k2r/8/b7/8/8/8/8/R3K2R b KQkq - 0 7\"]\n7... Kd8 8. O-O 1/2-1/2", "r2k3r/8/b7/8/8/8/8/R4RK1 b - - 0 8"},
        {"[FEN \"4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1\"]\n1. Nd2",
         "Move 1. Nd2 is ambiguous. Which knight? Nbd2 or Nfd2."},
        {"1. e4 e5 2. Ke3", "Move 2. Ke3 cannot be played: no such move."},
        {"1. e4\n{never closed", "Line 2: a comment is not closed with }."},
        {"1. e4 (1. d4", "Line 1: a variation is not closed with )."},
        {"1. e4 (1. d4\n[Event \"x\"]", "Line 2: a variation is not closed with )."},
        {"1. e4 )", "Line 1: a ) has no ( before it."},
        {"1. e4 }", "Line 1: a } is out of place."},
        {"[Event x]", "Line 1: a tag pair must be [Name \"value\"]."},
        {"[ \"x\"]", "Line 1: a tag pair must be [Name \"value\"]."},
        {"[Event \"x]\n1. e4", "Line 1: a tag's value is not closed on its line."},
        {"[Event \"x\"", "Line 1: a tag pair is not closed with ]."},
        {"[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]", "Line 1: the FEN tag cannot be read: White needs exactly one king."},
        {"[FEN \"4k3/8/8/8/8/8/8/4K3 w - - 0 1\"]\n[FEN \"4k3/8/8/8/8/8/8/4K3 w - - 0 1\"]",
         "Line 2: the game has two FEN tags."},
        {"", "No game or position was found in the text."},
        {" {only a comment} ", "No game or position was found in the text."},
        {"1. e4 <x\x07>", "Line 1: \"<x?>\" is not a move."},
        {"4k3/8/8 w - -", "The FEN cannot be read: the board does not have 8 ranks of 8 squares."},
    };
    for (const Row& r : rows) {
        ImportedGame game;
        const std::string problem = readGameText(r.text, game);
        const std::string read = writeFen(game.final) + (game.needsStandardRules ? " by standard rules" : "");
        EXPECT_EQ(problem.empty() ? read : problem, r.expected) << r.text;
    }
    // A player who chose standard chess reads by it first, and by these rules
    // what it refuses.
    ImportedGame game;
    ASSERT_EQ(readGameText("1. e4 e5", game, RuleSet::Standard), "");
    EXPECT_EQ(writeFen(game.final), "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2");
    EXPECT_FALSE(game.needsStandardRules);
    ASSERT_EQ(readGameText("[FEN \"r3k2r/8/b7/8/8/8/8/R3K2R b KQkq - 0 7\"]\n7... Kd8 8. O-O", game, RuleSet::Standard), "");
    EXPECT_EQ(game.final.rules, RuleSet::Orbel);
}

std::vector<StandardMove> moves(StandardPosition p, std::initializer_list<const char*> texts) {
    std::vector<StandardMove> out;
    for (const char* t : texts) {
        out.push_back(readMoveText(p, t, MoveTextRules::Pgn).move);
        p = afterMove(p, out.back());
    }
    return out;
}

TEST(Pgn, WritesTheSevenTagsTheMovesAndWhereStandardChessStops) {
    PgnTags tags;
    tags.site = "host";
    tags.date = "2024.05.01";
    tags.white = "A \"B\" \\ C\nD";
    tags.black = "Computer (Hard)";
    tags.result = "1-0";
    const PgnExport whole = writePgn(initialPosition(), moves(initialPosition(), {"e4", "e5", "Nf3"}), tags);
    EXPECT_EQ(
        whole.text,
        "[Event \"Orbel Chess game\"]\n[Site \"host\"]\n[Date \"2024.05.01\"]\n[Round \"-\"]\n"
        "[White \"A \\\"B\\\" \\\\ C D\"]\n[Black \"Computer (Hard)\"]\n[Result \"1-0\"]\n\n1. e4 e5 2. Nf3 1-0\n");
    EXPECT_EQ(whole.partialReason, "");

    // A timed game: its two tags after the seven, and the time left after
    // each move that has one (rounded down to the second; none below zero).
    PgnTags timedTags = tags;
    timedTags.timeControl = "180+2";
    timedTags.termination = "time forfeit";
    const PgnExport timed = writePgn(initialPosition(), moves(initialPosition(), {"e4", "e5", "Nf3", "Nc6"}),
                                     timedTags, SetUpTags::WhenNeeded, {178'999, 90'061'500, -5});
    EXPECT_EQ(timed.text,
              "[Event \"Orbel Chess game\"]\n[Site \"host\"]\n[Date \"2024.05.01\"]\n[Round \"-\"]\n"
              "[White \"A \\\"B\\\" \\\\ C D\"]\n[Black \"Computer (Hard)\"]\n[Result \"1-0\"]\n"
              "[TimeControl \"180+2\"]\n[Termination \"time forfeit\"]\n\n"
              "1. e4 {[%clk 0:02:58]} e5 {[%clk 25:01:01]} 2. Nf3 {[%clk 0:00:00]} Nc6 1-0\n");

    // The bishop on a6 watches f1: these rules let White castle across it.
    StandardPosition start;
    ASSERT_EQ(readFen("r3k2r/8/b7/8/8/8/8/R3K2R b KQkq - 0 7", start), "");
    const PgnExport partial = writePgn(start, moves(start, {"Kd8", "O-O", "Kc8"}), tags);
    EXPECT_EQ(partial.text,
              "[Event \"Orbel Chess game\"]\n[Site \"host\"]\n[Date \"2024.05.01\"]\n[Round \"-\"]\n"
              "[White \"A \\\"B\\\" \\\\ C D\"]\n[Black \"Computer (Hard)\"]\n[Result \"*\"]\n[SetUp \"1\"]\n"
              "[FEN \"r3k2r/8/b7/8/8/8/8/R3K2R b KQkq - 0 7\"]\n\n"
              "7... Kd8 {This game went on with 8. O-O, which standard chess does not allow:\n"
              "the king passes through an attacked square. Position reached:\n"
              "r2k3r/8/b7/8/8/8/8/R3K2R w KQ - 0 8} *\n");
    EXPECT_EQ(partial.partialReason,
              "The exported game stops before 8. O-O, which standard chess does not allow: the king passes through an "
              "attacked square.");

    // A rook taken on its corner takes the right with it, though another
    // rook may stand there later: these rules would castle with it.
    ASSERT_EQ(readFen("r3k3/8/8/8/8/8/8/R2RK3 b Q - 0 1", start), "");
    std::vector<StandardMove> played = moves(start, {"Rxa1", "Rxa1", "Kd7"});
    played.push_back({4, 2, Castle::Long, false});
    EXPECT_EQ(writePgn(start, played, tags).partialReason,
              "The exported game stops before 3. O-O-O, which standard chess does not allow: the king or that rook has "
              "moved, or the rook was taken.");

    PgnTags longName;
    longName.white = std::string(300, 'n');
    longName.result = "1/2-1/2";
    const PgnExport header = writePgn(initialPosition(), {}, longName, SetUpTags::Always);
    EXPECT_NE(header.text.find("[White \"" + std::string(255, 'n') + "\"]"), std::string::npos);
    EXPECT_NE(header.text.find("[SetUp \"1\"]\n[FEN \"" + std::string(Start) + "\"]\n\n1/2-1/2\n"), std::string::npos);
}

// Standard chess exported whole: pgn-extract replays each game without a
// complaint to our final FEN, en passant square and clock included (a timed
// game with its clock comments and tags too), and the export reads back as the
// same game by standard rules.
TEST(Pgn, StandardGamesExportWholeForOtherPrograms) {
    const struct {
        const char* fen;
        std::initializer_list<const char*> moves;
        const char* callerResult;
        const char* written;
        // The time left after each move: a timed game, lost on time.
        std::vector<std::int64_t> clocks = {};
    } rows[] = {
        {Start, {"e4", "d5", "e5", "f5", "exf6", "Nc6", "fxg7", "Nf6", "gxh8=N", "a5"}, "*", "*"},
        {Start,
         {"e4", "d5", "e5", "f5", "exf6", "Nc6", "fxg7", "Nf6", "gxh8=N", "a5"},
         "1-0",
         "1-0",
         {5'399'000, 5'398'100, 5'390'000, 5'391'999, 5'380'000, 5'370'000, 5'300'000, 5'200'000, 5'100'000}},
        {"7k/8/6K1/8/8/8/8/5Q2 w - - 10 50", {"Qf7"}, "*", "1/2-1/2"},
        {Start, {"Nf3", "Nf6", "Ng1", "Ng8", "Nc3", "Nc6", "Nb1", "Nb8"}, "1/2-1/2", "1/2-1/2"},
    };
    int n = 0;
    for (const auto& r : rows) {
        StandardPosition start;
        start.rules = RuleSet::Standard;
        ASSERT_EQ(readFen(r.fen, start), "");
        const std::vector<StandardMove> played = moves(start, r.moves);
        StandardPosition final = start;
        for (const StandardMove& m : played) final = afterMove(final, m);
        PgnTags tags;
        tags.result = r.callerResult;
        if (!r.clocks.empty()) tags.timeControl = "40/5400+30:1800+30", tags.termination = "time forfeit";
        const PgnExport out = writePgn(start, played, tags, SetUpTags::WhenNeeded, r.clocks);
        EXPECT_EQ(out.partialReason, "");
        EXPECT_NE(out.text.find(std::string(" ") + r.written + "\n"), std::string::npos) << out.text;
        for (std::size_t at = 0, end; (end = out.text.find('\n', at)) != std::string::npos; at = end + 1)
            EXPECT_LE(end - at, 80u) << out.text;

        const std::string file =
            ::testing::TempDir() + "standard-" + std::to_string(::getpid()) + "-" + std::to_string(n++) + ".pgn";
        std::ofstream(file) << out.text;
        const testing::PgnExtractVerdict verdict = testing::replayWithPgnExtract(file);
        EXPECT_EQ(verdict.complaints, "") << out.text;
        EXPECT_EQ(testing::comparableFen(verdict.finalFen, RuleSet::Standard),
                  testing::comparableFen(writeFen(final), RuleSet::Standard))
            << verdict.output;

        ImportedGame back;
        ASSERT_EQ(readGameText(out.text, back), "") << out.text;
        EXPECT_TRUE(back.needsStandardRules && back.moves == played && back.final == final) << out.text;
    }
}

}  // namespace
}  // namespace orbel
