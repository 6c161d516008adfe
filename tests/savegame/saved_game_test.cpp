// The saved-game file: the writer byte for byte, round trips, and
// one table of bad files, each stopping the reading at its field.
//
// The seed corpus in tests/savegame/seeds/ holds the example games and every
// bad file of the table, one file each; SavedGameSeeds checks that they match.
// After changing an example or a row, run savegame_tests once with
// ORBEL_WRITE_SAVEGAME_SEEDS=1 in the environment to write the files again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "savegame/saved_game.h"
#include "tests/savegame/saved_game_checks.h"

namespace orbel {
namespace {

using savegame_checks::keptFrom;
using savegame_checks::sameGame;
using savegame_checks::sameHistory;
using savegame_checks::taken;
using savegame_checks::validGame;

// The drawn board for a position given as the placement field of a FEN (rank 8
// first, file a first, White in upper case). The computer is Own (100): Black
// for a user playing White, White for a user playing Black. Rows and columns
// as the notation reads them: for a user playing White row r is
// rank 8 - r and column c is file h - c; for a user playing Black row r is
// rank r + 1 and column c is file a + c.
Board displayBoardFromFen(std::string_view placement, bool humanPlaysBlack) {
    const std::string_view letters = "pnbrqk";  // Pawn (1) to King (6)
    Board board;
    int rank = 8;
    int file = 0;
    for (const char c : placement) {
        if (c == '/') {
            --rank;
            file = 0;
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
        } else {
            const bool white = c >= 'A' && c <= 'Z';
            const char letter = white ? static_cast<char>(c - 'A' + 'a') : c;
            const auto kind = static_cast<PieceKind>(letters.find(letter) + 1);
            const int row = humanPlaysBlack ? rank - 1 : 8 - rank;
            const int column = humanPlaysBlack ? file : 7 - file;
            board.at(row, column) = {kind, white == humanPlaysBlack ? Own : Enemy};
            ++file;
        }
    }
    return board;
}

MoveHistory history(std::initializer_list<const char*> texts) {
    MoveHistory list;
    for (const char* text : texts) list.setLine(list.count++, text);
    return list;
}

// Saved right after New Game Setup: user White, level Hard, no moves. The
// computer (Own) plays Black, so its king's home is column 3.
SavedGame newGame() {
    SavedGame game;
    game.displayBoard = startingPosition(3);
    return game;
}

// User White at level Medium after 1.e4 e5 2.Nf3 d6 3.Bc4 Bg4 4.Nc3 g6
// 5.Nxe5 Bxd1 6.Bxf7+ Ke7.
SavedGame midGame() {
    SavedGame game;
    game.displayBoard = displayBoardFromFen("rn1q1bnr/ppp1kB1p/3p2p1/4N3/4P3/2N5/PPPP1PPP/R1BbK2R", false);
    game.whiteHistory = history({"e4", "Nf3", "Bc4", "Nc3", "Nxe5", "Bxf7+"});
    game.blackHistory = history({"e5", "d6", "Bg4", "g6", "Bxd1", "Ke7"});
    game.level = 3;
    return game;
}

// User Black at level Easy after 1.e4 e5 2.Bc4 d6 3.Bxf7+, the computer's
// check.
SavedGame blackSideGame() {
    SavedGame game;
    game.displayBoard = displayBoardFromFen("rnbqkbnr/ppp2Bpp/3p4/4p3/4P3/8/PPPP1PPP/RNBQK1NR", true);
    game.humanPlaysBlack = true;
    game.computerGivesCheck = true;
    game.whiteHistory = history({"e4", "Bc4", "Bxf7+"});
    game.blackHistory = history({"e5", "d6"});
    game.level = 1;
    return game;
}

// Lists grown past their standard 120 lines.
SavedGame longListsGame() {
    SavedGame game = newGame();
    for (int i = 0; i < 130; ++i) game.whiteHistory.setLine(i, i % 2 == 0 ? "Nf3" : "Ng1");
    game.whiteHistory.count = 130;
    for (int i = 0; i < 125; ++i) game.blackHistory.setLine(i, i % 2 == 0 ? "Nf6" : "Ng8");
    game.blackHistory.count = 125;
    return game;
}

// What a game holds before a read: every field differs from midGame()'s.
SavedGame entryGame() {
    SavedGame game;
    game.displayBoard = startingPosition(4);
    game.humanPlaysBlack = true;
    game.humanCastleKingSide = false;
    game.humanCastleQueenSide = false;
    game.computerGivesCheck = true;
    game.whiteHistory = history({"a3", "b4"});
    game.blackHistory = history({"h6"});
    game.level = 5;
    return game;
}

std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(" \t\n\v\f\r", at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(" \t\n\v\f\r", at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

// `text` with its word number `index` (from 0) replaced, the spacing kept.
std::string withWord(std::string_view text, std::size_t index, std::string_view word) {
    const std::string_view old = wordsOf(text).at(index);
    const auto at = static_cast<std::size_t>(old.data() - text.data());
    return std::string(text.substr(0, at)) + std::string(word) + std::string(text.substr(at + old.size()));
}

// `text` up to the end of its first `count` words.
std::string firstWords(std::string_view text, std::size_t count) {
    if (count == 0) return "";
    const std::string_view last = wordsOf(text).at(count - 1);
    return std::string(text.substr(0, static_cast<std::size_t>(last.data() - text.data()) + last.size()));
}

// The words of midGame()'s file: 0..127 the squares (owner, kind), 128..131 the
// flags, then the counts, White's six texts, Black's six and the level.
constexpr std::size_t FirstFlag = 128;
constexpr std::size_t WhiteCountWord = 132;
constexpr std::size_t BlackCountWord = 133;
constexpr std::size_t FirstWhiteText = 134;
constexpr std::size_t FirstBlackText = 140;
constexpr std::size_t LevelWord = 146;
constexpr std::size_t MidGameWords = 147;

struct BadFile {
    std::string name;  // the seed file is seeds/bad-<name>.krv
    std::string bytes;
    ReadStop stop;
};

std::vector<BadFile> badFiles() {
    const std::string file = writeSavedGame(midGame());
    const auto edit = [&](std::size_t index, std::string_view word) { return withWord(file, index, word); };
    // Square 16 (row 2, column 0) is empty, square 0 holds the computer's rook.
    constexpr std::size_t emptyOwner = 32;
    constexpr std::size_t emptyKind = 33;
    const std::string sixteen(16, 'N');
    using S = ReadStop;
    return {
        // Missing and short files.
        {"empty", "", S::Board},
        {"only-white-space", " \t\r\n", S::Board},
        {"short-in-board", firstWords(file, 63), S::Board},
        {"short-after-board", firstWords(file, FirstFlag), S::HumanPlaysBlack},
        {"short-in-flags", firstWords(file, FirstFlag + 2), S::CastleQueenSide},
        {"short-after-flags", firstWords(file, WhiteCountWord), S::WhiteCount},
        {"short-after-white-count", firstWords(file, BlackCountWord), S::WhiteCount},
        {"short-after-counts", firstWords(file, FirstWhiteText), S::WhiteCount},
        {"short-in-white-texts", firstWords(file, FirstWhiteText + 3), S::WhiteCount},
        {"short-in-black-texts", firstWords(file, FirstBlackText + 3), S::BlackCount},
        {"short-before-level", firstWords(file, LevelWord), S::Level},
        // A word where a number is expected.
        {"board-word-for-number", edit(5, "rook"), S::Board},
        {"board-number-past-int", edit(0, "4294967396"), S::Board},
        {"flag-sign-only", edit(FirstFlag, "+"), S::HumanPlaysBlack},
        {"flag-word-for-number", edit(FirstFlag + 3, "no"), S::ComputerGivesCheck},
        {"white-count-decimal-point", edit(WhiteCountWord, "6.0"), S::WhiteCount},
        {"black-count-exponent", edit(BlackCountWord, "6e0"), S::BlackCount},
        {"level-double-sign", edit(LevelWord, "--5"), S::Level},
        {"level-word-for-number", edit(LevelWord, "Hard"), S::Level},
        // Values out of range.
        {"board-owner-99", edit(0, "99"), S::Board},
        {"board-owner-103", edit(126, "103"), S::Board},
        {"board-kind-0", edit(1, "0"), S::Board},
        {"board-kind-7", edit(127, "7"), S::Board},
        {"board-kind-101", edit(3, "101"), S::Board},
        {"board-empty-owner-with-a-piece", edit(emptyKind, "1"), S::Board},
        {"board-piece-owner-with-no-piece", edit(emptyOwner, "100"), S::Board},
        {"flag-2", edit(FirstFlag, "2"), S::HumanPlaysBlack},
        {"flag-minus-1", edit(FirstFlag + 1, "-1"), S::CastleKingSide},
        {"flag-10", edit(FirstFlag + 2, "10"), S::CastleQueenSide},
        {"flag-2-for-check", edit(FirstFlag + 3, "2"), S::ComputerGivesCheck},
        {"white-count-negative", edit(WhiteCountWord, "-1"), S::WhiteCount},
        {"black-count-negative", edit(BlackCountWord, "-1"), S::BlackCount},
        {"white-count-int-max", edit(WhiteCountWord, "2147483647"), S::WhiteCount},
        {"black-count-int-max", edit(BlackCountWord, "2147483647"), S::BlackCount},
        {"white-count-past-int", edit(WhiteCountWord, "2147483648"), S::WhiteCount},
        // 14 words follow White's count: Black's count, 12 texts and the level.
        {"white-count-past-the-words-left", edit(WhiteCountWord, "14"), S::WhiteCount},
        // 13 words follow Black's count; White's 6 lines leave 7.
        {"black-count-past-the-words-left", edit(BlackCountWord, "8"), S::BlackCount},
        {"white-text-of-16", edit(FirstWhiteText + 1, sixteen), S::WhiteMoves},
        {"black-text-of-16", edit(FirstBlackText + 5, sixteen), S::BlackMoves},
        {"level-0", edit(LevelWord, "0"), S::Level},
        {"level-2", edit(LevelWord, "2"), S::Level},
        {"level-4", edit(LevelWord, "4"), S::Level},
        {"level-minus-5", edit(LevelWord, "-5"), S::Level},
        {"level-9", edit(LevelWord, "9"), S::Level},
    };
}

::testing::AssertionResult startsWith(std::string_view text, std::string_view start) {
    if (text.substr(0, start.size()) == start) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << text.substr(0, start.size()) << "\" is not \"" << start << '"';
}

::testing::AssertionResult endsWith(std::string_view text, std::string_view end) {
    if (text.size() >= end.size() && text.substr(text.size() - end.size()) == end) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << text.substr(text.size() - std::min(text.size(), end.size()))
                                         << "\" is not \"" << end << '"';
}

std::string seedPath(const std::string& name) { return std::string(ORBEL_SAVEGAME_SEEDS) + "/" + name + ".krv"; }

TEST(SavedGameFile, ANewGameIsTheSpecsExampleOf462Characters) {
    std::string expected;
    const auto add = [&](std::initializer_list<int> numbers) {
        for (const int n : numbers) expected += std::to_string(n) + ' ';
    };
    add({100, 4, 100, 2, 100, 3, 100, 6, 100, 5, 100, 3, 100, 2, 100, 4});
    for (int i = 0; i < 8; ++i) add({100, 1});
    for (int i = 0; i < 32; ++i) add({102, 102});
    for (int i = 0; i < 8; ++i) add({101, 1});
    add({101, 4, 101, 2, 101, 3, 101, 6, 101, 5, 101, 3, 101, 2, 101, 4});
    expected += " 0 1 1 0 0 0 5";
    ASSERT_EQ(expected.size(), 462u);

    // The board as the user playing White sees it is the computer's own view.
    Board flipped = startingPosition(4);
    flipBoard(flipped);
    EXPECT_TRUE(flipped == startingPosition(3));
    EXPECT_TRUE(displayBoardFromFen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", false) == startingPosition(3));
    EXPECT_TRUE(displayBoardFromFen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", true) == startingPosition(4));

    EXPECT_EQ(writeSavedGame(newGame()), expected);

    SavedGame loaded = entryGame();
    EXPECT_EQ(readSavedGame(expected, loaded), ReadStop::Complete);
    EXPECT_TRUE(sameGame(loaded, newGame()));
}

TEST(SavedGameFile, AMidGameWithBothListsRoundTrips) {
    const std::string file = writeSavedGame(midGame());
    // Row 0 is rank 8, h8 first.
    EXPECT_TRUE(startsWith(file, "100 4 100 2 100 3 102 102 100 5 102 102 100 2 100 4 100 1 "));
    EXPECT_TRUE(endsWith(file, "101 4  0 1 1 0 6 6 e4  Nf3  Bc4  Nc3  Nxe5  Bxf7+  e5  d6  Bg4  g6  Bxd1  Ke7  3"));
    EXPECT_EQ(wordsOf(file).size(), MidGameWords);

    SavedGame loaded = entryGame();
    EXPECT_EQ(readSavedGame(file, loaded), ReadStop::Complete);
    EXPECT_TRUE(sameGame(loaded, midGame()));
    EXPECT_EQ(writeSavedGame(loaded), file);
}

TEST(SavedGameFile, ABlackSideGameKeepsTheComputerOnTopAndSaysWhichSideTheUserIs) {
    SavedGame newBlack;
    newBlack.displayBoard = startingPosition(4);
    newBlack.humanPlaysBlack = true;
    const std::string fresh = writeSavedGame(newBlack);
    // Row 0 is rank 1, a1 first: the computer's White pieces.
    EXPECT_TRUE(startsWith(fresh, "100 4 100 2 100 3 100 5 100 6 100 3 100 2 100 4 100 1 "));
    EXPECT_TRUE(endsWith(fresh, "101 4  1 1 1 0 0 0 5"));
    EXPECT_EQ(fresh.size(), 462u);

    const std::string file = writeSavedGame(blackSideGame());
    EXPECT_TRUE(startsWith(file, "100 4 100 2 100 3 100 5 100 6 102 102 100 2 100 4 "));
    EXPECT_TRUE(endsWith(file, "101 4  1 1 1 1 3 2 e4  Bc4  Bxf7+  e5  d6  1"));

    SavedGame loaded;
    loaded.displayBoard = startingPosition(3);
    EXPECT_EQ(readSavedGame(file, loaded), ReadStop::Complete);
    EXPECT_TRUE(loaded.humanPlaysBlack);
    EXPECT_TRUE(loaded.computerGivesCheck);
    EXPECT_TRUE(sameGame(loaded, blackSideGame()));
}

TEST(SavedGameFile, CountsAbove120AreWrittenAsTheyStandAndReadBack) {
    const std::string file = writeSavedGame(longListsGame());
    EXPECT_NE(file.find("  0 1 1 0 130 125 Nf3  Ng1 "), std::string::npos);

    SavedGame loaded;  // 120 lines a side
    EXPECT_EQ(readSavedGame(file, loaded), ReadStop::Complete);
    EXPECT_EQ(loaded.whiteHistory.count, 130);
    EXPECT_EQ(loaded.blackHistory.count, 125);
    EXPECT_TRUE(sameGame(loaded, longListsGame()));
    EXPECT_TRUE(validGame(loaded));
}

// Each row: the file's fields before the one named are taken, that one and
// every later one keep the values the game held on entry.
TEST(SavedGameFile, EveryBadFileStopsAtItsFieldTakingTheFieldsBeforeIt) {
    const SavedGame file = midGame();
    const SavedGame entry = entryGame();
    ASSERT_FALSE(file.displayBoard == entry.displayBoard);
    ASSERT_NE(file.humanPlaysBlack, entry.humanPlaysBlack);
    ASSERT_NE(file.humanCastleKingSide, entry.humanCastleKingSide);
    ASSERT_NE(file.humanCastleQueenSide, entry.humanCastleQueenSide);
    ASSERT_NE(file.computerGivesCheck, entry.computerGivesCheck);
    ASSERT_FALSE(sameHistory(file.whiteHistory, entry.whiteHistory));
    ASSERT_FALSE(sameHistory(file.blackHistory, entry.blackHistory));
    ASSERT_NE(file.level, entry.level);

    for (const BadFile& bad : badFiles()) {
        SCOPED_TRACE(bad.name);
        SavedGame game = entry;
        ASSERT_EQ(readSavedGame(bad.bytes, game), bad.stop);
        const auto from = [&](ReadStop field) -> const SavedGame& { return taken(bad.stop, field) ? file : entry; };
        EXPECT_TRUE(game.displayBoard == from(ReadStop::Board).displayBoard);
        EXPECT_EQ(game.humanPlaysBlack, from(ReadStop::HumanPlaysBlack).humanPlaysBlack);
        EXPECT_EQ(game.humanCastleKingSide, from(ReadStop::CastleKingSide).humanCastleKingSide);
        EXPECT_EQ(game.humanCastleQueenSide, from(ReadStop::CastleQueenSide).humanCastleQueenSide);
        EXPECT_EQ(game.computerGivesCheck, from(ReadStop::ComputerGivesCheck).computerGivesCheck);
        EXPECT_TRUE(sameHistory(game.whiteHistory, from(ReadStop::WhiteMoves).whiteHistory));
        EXPECT_TRUE(sameHistory(game.blackHistory, from(ReadStop::BlackMoves).blackHistory));
        EXPECT_EQ(game.level, from(ReadStop::Level).level);
        // What was kept was not touched at all (lines past the count included).
        EXPECT_TRUE(keptFrom(bad.stop, entry, game));
        EXPECT_TRUE(validGame(game));
    }
}

TEST(SavedGameFile, ACountMayUseEveryWordThatIsLeftButNoMore) {
    const std::string board = firstWords(writeSavedGame(newGame()), FirstFlag) + " 0 1 1 0 ";
    struct Case {
        const char* tail;
        ReadStop stop;
        std::vector<std::string> white;  // taken when the stop lies past White's list
        std::vector<std::string> black;
    };
    const Case cases[] = {
        {"2 1 a b c", ReadStop::Level, {"a", "b"}, {"c"}},
        {"3 0 a b c", ReadStop::Level, {"a", "b", "c"}, {}},
        {"4 0 a b c", ReadStop::WhiteCount, {}, {}},
        {"1 2 a b c", ReadStop::Level, {"a"}, {"b", "c"}},
        {"2 2 a b c", ReadStop::BlackCount, {}, {}},
        {"0 0", ReadStop::Level, {}, {}},
        {"0 0 3", ReadStop::Complete, {}, {}},
        // White's count promises Black's count after it.
        {"0", ReadStop::WhiteCount, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tail);
        SavedGame game = entryGame();
        ASSERT_EQ(readSavedGame(board + c.tail, game), c.stop);
        EXPECT_TRUE(game.displayBoard == startingPosition(3));
        EXPECT_TRUE(keptFrom(c.stop, entryGame(), game));
        if (taken(c.stop, ReadStop::WhiteMoves)) {
            ASSERT_EQ(game.whiteHistory.count, static_cast<int>(c.white.size()));
            for (std::size_t i = 0; i < c.white.size(); ++i) EXPECT_EQ(game.whiteHistory.lines[i], c.white[i]);
        }
        if (taken(c.stop, ReadStop::BlackMoves)) {
            ASSERT_EQ(game.blackHistory.count, static_cast<int>(c.black.size()));
            for (std::size_t i = 0; i < c.black.size(); ++i) EXPECT_EQ(game.blackHistory.lines[i], c.black[i]);
        }
    }
}

TEST(SavedGameFile, AListIsTakenWholeAndEmptiedAsByClear) {
    SavedGame game = longListsGame();  // 130 and 125 lines in use
    ASSERT_EQ(readSavedGame(writeSavedGame(midGame()), game), ReadStop::Complete);
    EXPECT_TRUE(sameGame(game, midGame()));
    ASSERT_EQ(game.whiteHistory.lines.size(), 130u);
    for (std::size_t i = 6; i < 130; ++i) EXPECT_EQ(game.whiteHistory.lines[i], "") << i;
    for (std::size_t i = 6; i < 125; ++i) EXPECT_EQ(game.blackHistory.lines[i], "") << i;
}

TEST(SavedGameFile, ATextOf15CharactersIsTheLongestAndAnyBytesButWhiteSpaceMayFormIt) {
    const std::string fifteen = "Qxe8+abcdefghij";
    ASSERT_EQ(fifteen.size(), MaxMoveTextLength);
    const std::string odd("\x01\x7f\xff-\0x", 6);
    std::string file = withWord(writeSavedGame(midGame()), FirstWhiteText, fifteen);
    file = withWord(file, FirstBlackText, odd);
    SavedGame game = entryGame();
    ASSERT_EQ(readSavedGame(file, game), ReadStop::Complete);
    EXPECT_EQ(game.whiteHistory.lines[0], fifteen);
    EXPECT_EQ(game.blackHistory.lines[0], odd);
    SavedGame again;
    ASSERT_EQ(readSavedGame(writeSavedGame(game), again), ReadStop::Complete);
    EXPECT_TRUE(sameGame(again, game));
}

TEST(SavedGameFile, NumbersMayCarryASignAndLeadingZeros) {
    std::string file = writeSavedGame(newGame());
    file = withWord(file, 0, "+100");
    file = withWord(file, 1, "0004");
    file = withWord(file, FirstFlag, "-0");
    file = withWord(file, FirstFlag + 1, "+1");
    file = withWord(file, FirstFlag + 4, "-000");
    file = withWord(file, FirstFlag + 6, "+05");
    SavedGame game = entryGame();
    ASSERT_EQ(readSavedGame(file, game), ReadStop::Complete);
    EXPECT_TRUE(sameGame(game, newGame()));
}

TEST(SavedGameFile, AnyRunOfWhiteSpaceSeparatesWordsAndWordsAfterTheLevelAreIgnored) {
    std::string file = writeSavedGame(midGame());
    const std::string_view spaces = " \t\n\v\f\r";
    std::size_t next = 0;
    for (char& c : file) {
        if (c == ' ') c = spaces[next++ % spaces.size()];
    }
    file = "\r\n\t" + file + "\r\n 5 trailing words 2147483648 -1\n";
    SavedGame game = entryGame();
    ASSERT_EQ(readSavedGame(file, game), ReadStop::Complete);
    EXPECT_TRUE(sameGame(game, midGame()));
}

TEST(SavedGameFile, AHugeCountIsRefusedWithoutReservingAnything) {
    // Under AddressSanitizer an attempt to make room for 2147483647 lines fails loudly.
    std::string file = firstWords(writeSavedGame(newGame()), FirstFlag) + " 0 1 1 0 2147483647 2147483647 x y 5";
    SavedGame game = entryGame();
    EXPECT_EQ(readSavedGame(file, game), ReadStop::WhiteCount);
    file = firstWords(writeSavedGame(newGame()), FirstFlag) + " 0 1 1 0 0 2147483647 x y 5";
    EXPECT_EQ(readSavedGame(file, game), ReadStop::BlackCount);
    EXPECT_TRUE(keptFrom(ReadStop::WhiteCount, entryGame(), game));
}

TEST(SavedGameSeeds, HoldTheExampleGamesAndEveryBadFileOfTheTable) {
    std::vector<std::pair<std::string, std::string>> seeds = {
        {"new-game", writeSavedGame(newGame())},
        {"mid-game", writeSavedGame(midGame())},
        {"black-side", writeSavedGame(blackSideGame())},
        {"long-lists", writeSavedGame(longListsGame())},
    };
    for (const BadFile& bad : badFiles()) seeds.emplace_back("bad-" + bad.name, bad.bytes);

    const bool rewrite = std::getenv("ORBEL_WRITE_SAVEGAME_SEEDS") != nullptr;
    for (const auto& [name, bytes] : seeds) {
        if (rewrite) {
            std::ofstream(seedPath(name), std::ios::binary | std::ios::trunc) << bytes;
        }
        std::ifstream in(seedPath(name), std::ios::binary);
        ASSERT_TRUE(in) << seedPath(name) << " is missing; run with ORBEL_WRITE_SAVEGAME_SEEDS=1";
        const std::string stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(stored, bytes) << seedPath(name) << " differs; run with ORBEL_WRITE_SAVEGAME_SEEDS=1";
    }
}

}  // namespace
}  // namespace orbel
