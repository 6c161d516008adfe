// The saved-game file: the writer byte for byte, round trips, and every bad
// file of the seed corpus stopping the reading at its field.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "savegame/saved_game.h"
#include "tests/savegame/saved_game_checks.h"
#include "tests/support/golden.h"

namespace orbel {
namespace {

using namespace std::string_literals;
using namespace savegame_checks;

std::string seed(const std::string& name) {
    return testing::readFile(std::string(ORBEL_SAVEGAME_SEEDS) + "/" + name + ".krv");
}

// `board` with squares set as the notation names them: "Nc3" a White knight on
// c3, "pd6" a Black pawn, "-e2" an empty square. The computer is Own: Black for
// a user playing White, who sees h8 at row 0, column 0; White for a user
// playing Black, who sees a1 there.
Board placed(Board board, bool humanPlaysBlack, std::initializer_list<std::string_view> edits) {
    for (const std::string_view e : edits) {
        const int file = e[1] - 'a';
        const int rank = e[2] - '1';
        const std::size_t letter = std::string_view("pnbrqkPNBRQK").find(e[0]);
        const Owner owner = (letter >= 6) == humanPlaysBlack ? Own : Enemy;
        (humanPlaysBlack ? board.at(rank, file) : board.at(7 - rank, 7 - file)) =
            e[0] == '-' ? EmptySquare : Square{static_cast<PieceKind>(letter % 6 + 1), owner};
    }
    return board;
}

MoveHistory history(std::initializer_list<const char*> texts) {
    MoveHistory list;
    for (const char* text : texts) list.setLine(list.count++, text);
    return list;
}

// Saved right after New Game Setup: user White, level Hard, no moves.
SavedGame newGame() {
    SavedGame game;
    game.displayBoard = startingPosition(3);
    return game;
}

// User White at level Medium after 1.e4 e5 2.Nf3 d6 3.Bc4 Bg4 4.Nc3 g6 5.Nxe5 Bxd1 6.Bxf7+ Ke7.
SavedGame midGame() {
    const Board board = placed(startingPosition(3), false, {"-c8", "-e8", "-d7", "ke7", "Bf7", "-g7", "pd6", "pg6",
                                                            "Ne5", "Pe4", "Nc3", "-e2", "-b1", "bd1", "-f1", "-g1"});
    return {.displayBoard = board, .whiteHistory = history({"e4", "Nf3", "Bc4", "Nc3", "Nxe5", "Bxf7+"}),
            .blackHistory = history({"e5", "d6", "Bg4", "g6", "Bxd1", "Ke7"}), .level = 3};
}

// User Black at level Easy after 1.e4 e5 2.Bc4 d6 3.Bxf7+, the computer's check.
SavedGame blackSideGame() {
    return {.displayBoard = placed(startingPosition(4), true, {"-d7", "-e7", "Bf7", "pd6", "pe5", "Pe4", "-e2", "-f1"}),
            .humanPlaysBlack = true, .computerGivesCheck = true, .whiteHistory = history({"e4", "Bc4", "Bxf7+"}),
            .blackHistory = history({"e5", "d6"}), .level = 1};
}

// Lists grown past their standard 120 lines.
SavedGame longListsGame() {
    SavedGame game = newGame();
    for (int i = 0; i < 130; ++i) game.whiteHistory.setLine(i, i % 2 == 0 ? "Nf3" : "Ng1");
    for (int i = 0; i < 125; ++i) game.blackHistory.setLine(i, i % 2 == 0 ? "Nf6" : "Ng8");
    game.whiteHistory.count = 130;
    game.blackHistory.count = 125;
    return game;
}

// Read over a game with lists in use past their counts, which a load empties.
TEST(SavedGameFile, ExampleGamesAreWrittenAsTheirSeedsAndReadBack) {
    const std::pair<const char*, SavedGame> examples[] = {{"new-game", newGame()}, {"mid-game", midGame()},
                                                          {"black-side", blackSideGame()},
                                                          {"long-lists", longListsGame()}};
    for (const auto& [name, game] : examples) {
        SCOPED_TRACE(name);
        const std::string file = writeSavedGame(game);
        EXPECT_EQ(file, seed(name));
        const SavedGame entry = unusualEntry();
        SavedGame loaded = entry;
        ASSERT_EQ(readSavedGame(file, loaded), ReadStop::Complete);
        EXPECT_TRUE(sameGame(loaded, game));
        EXPECT_TRUE(keptFrom(ReadStop::Complete, entry, loaded));
    }
}

// Each seed bad-<name>.krv is mid-game.krv with one fault. The fields before
// the one it stops at come from the file; that one and every later one keep
// the values the game held, untouched.
TEST(SavedGameFile, EveryBadFileStopsAtItsFieldTakingTheFieldsBeforeIt) {
    using S = ReadStop;
    const std::pair<const char*, ReadStop> rows[] = {
        // Missing and short files.
        {"empty", S::Board}, {"only-white-space", S::Board}, {"short-in-board", S::Board},
        {"short-after-board", S::HumanPlaysBlack}, {"short-in-flags", S::CastleQueenSide},
        {"short-after-flags", S::WhiteCount}, {"short-after-white-count", S::WhiteCount},
        {"short-after-counts", S::WhiteCount}, {"short-in-white-texts", S::WhiteCount},
        {"short-in-black-texts", S::BlackCount}, {"short-before-level", S::Level},
        // A word that is not a number within 32-bit int.
        {"board-word-for-number", S::Board}, {"board-number-past-int", S::Board},
        {"flag-sign-only", S::HumanPlaysBlack}, {"flag-word-for-number", S::ComputerGivesCheck},
        {"white-count-decimal-point", S::WhiteCount}, {"white-count-past-int", S::WhiteCount},
        {"black-count-exponent", S::BlackCount}, {"level-double-sign", S::Level}, {"level-word-for-number", S::Level},
        // Squares out of range or with owner and kind disagreeing.
        {"board-owner-99", S::Board}, {"board-owner-103", S::Board}, {"board-kind-0", S::Board},
        {"board-kind-7", S::Board}, {"board-kind-101", S::Board}, {"board-empty-owner-with-a-piece", S::Board},
        {"board-piece-owner-with-no-piece", S::Board},
        // Flags, counts, texts and level out of range; 14 words follow White's
        // count, and White's 6 lines leave Black 7.
        {"flag-2", S::HumanPlaysBlack}, {"flag-minus-1", S::CastleKingSide}, {"flag-10", S::CastleQueenSide},
        {"flag-2-for-check", S::ComputerGivesCheck}, {"white-count-negative", S::WhiteCount},
        {"black-count-negative", S::BlackCount}, {"white-count-int-max", S::WhiteCount},
        {"black-count-int-max", S::BlackCount}, {"white-count-past-the-words-left", S::WhiteCount},
        {"black-count-past-the-words-left", S::BlackCount}, {"white-text-of-16", S::WhiteMoves},
        {"black-text-of-16", S::BlackMoves}, {"level-0", S::Level}, {"level-2", S::Level}, {"level-4", S::Level},
        {"level-minus-5", S::Level}, {"level-9", S::Level},
    };
    const SavedGame file = midGame();
    const SavedGame entry = unusualEntry();
    // Every field the file holds differs from the entry's, so that each row tells taken from kept.
    for (const S field : {S::Board, S::HumanPlaysBlack, S::CastleKingSide, S::CastleQueenSide, S::ComputerGivesCheck,
                          S::WhiteMoves, S::BlackMoves, S::Level}) {
        ASSERT_FALSE(agree(file, entry, [=](S x) { return x == field; })) << static_cast<int>(field);
    }
    for (const auto& [name, stop] : rows) {
        SCOPED_TRACE(name);
        SavedGame game = entry;
        ASSERT_EQ(readSavedGame(seed("bad-"s + name), game), stop);
        EXPECT_TRUE(agree(game, file, [stop = stop](S field) { return taken(stop, field); }));
        EXPECT_TRUE(keptFrom(stop, entry, game));
    }
}

// Each row follows a new game's board and is read into a default game (no
// lists, level 5); `saved` is what that game then saves after the board.
TEST(SavedGameFile, CountsTextsAndSeparatorsAtTheirLimits) {
    const std::string board = writeSavedGame(newGame()).substr(0, 448);
    const struct { std::string tail; ReadStop stop; std::string saved; } rows[] = {
        {"1 0 0 1 3 0 a b c", ReadStop::Level, "1 0 0 1 3 0 a  b  c  5"},  // White's list may use every word left
        {"1 0 0 1 4 0 a b c", ReadStop::WhiteCount, "1 0 0 1 0 0 5"},
        {"1 0 0 1 1 2 a b c", ReadStop::Level, "1 0 0 1 1 2 a  b  c  5"},  // and so may Black's
        {"1 0 0 1 2 2 a b c", ReadStop::BlackCount, "1 0 0 1 0 0 5"},
        {"+1 -0 00 01 +1 -0 Qxe8+abcdefghij +3", ReadStop::Complete, "1 0 0 1 1 0 Qxe8+abcdefghij  3"},
        {"1\t0\n0\v1\f1\r1  \x01\x7f\xff-\0x y\r\n3 5 words after 2147483648\n"s, ReadStop::Complete,
         "1 0 0 1 1 1 \x01\x7f\xff-\0x  y  3"s},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.tail);
        SavedGame game;
        ASSERT_EQ(readSavedGame(board + row.tail, game), row.stop);
        EXPECT_EQ(writeSavedGame(game), board + " " + row.saved);
    }
}

}  // namespace
}  // namespace orbel
