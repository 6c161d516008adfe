// Games the computer plays, exported as PGN and checked by an independent
// program, Debian's pgn-extract: it must take every game without a complaint
// and reach the same final position. Each export also reads back here as the
// same game.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "savegame/fen.h"
#include "savegame/pgn.h"
#include "tests/support/golden.h"
#include "tests/support/pgn_extract.h"
#include "tests/support/scripted_play.h"

namespace orbel {
namespace {

constexpr int MaxPlies = 140;

struct PlayedGame {
    std::string name;
    StandardPosition start = initialPosition();
    std::vector<StandardMove> moves;
    std::vector<Board> heldBefore;  // each mover's own board before its move
    std::vector<Side> ownSides;      // which colour was Own on it
};

// The plies of a game in absolute terms, checking each held board against
// the position the standard view reaches.
void convert(const testing::GameRecord& record, PlayedGame& game, const std::vector<Side>& ownSides) {
    StandardPosition p = initialPosition();
    for (std::size_t i = 0; i < record.plies.size(); ++i) {
        if (i < game.heldBefore.size()) {
            const StandardPosition held = standardPosition(game.heldBefore[i], game.ownSides[i], p.toMove, {}, {}, 1);
            ASSERT_EQ(held.squares, p.squares) << game.name << " ply " << i + 1;
        }
        game.moves.push_back(standardMove(record.plies[i].move, p, ownSides[i]));
        p = afterMove(p, game.moves.back());
    }
}

// The computer against itself, White at one level and Black at another.
PlayedGame selfPlay(int whiteLevel, int blackLevel) {
    PlayedGame game;
    game.name = "computer " + std::to_string(whiteLevel) + " v " + std::to_string(blackLevel);
    const auto record =
        testing::playSelfGame(whiteLevel, blackLevel, MaxPlies, [&](const GameState& g, const MoveRecord&) {
            game.heldBefore.push_back(g.board);
            game.ownSides.push_back(g.ownKingColumn == 4 ? Side::White : Side::Black);
        });
    convert(record, game, game.ownSides);
    return game;
}

// The computer against a user who plays random legal moves; every move is
// held on the computer's board.
PlayedGame againstRandomUser(int level, bool userPlaysWhite, unsigned seed) {
    PlayedGame game;
    game.name = "level " + std::to_string(level) + (userPlaysWhite ? " v random White " : " v random Black ") +
                std::to_string(seed);
    std::mt19937 rng(seed);
    const auto user = [&](const GameState& g) { return testing::randomLegalUserMove(g, rng); };
    const auto record = testing::playScriptedGame(level, userPlaysWhite, user, MaxPlies);
    const std::vector<Side> own(record.plies.size(), userPlaysWhite ? Side::Black : Side::White);
    convert(record, game, own);
    return game;
}

TEST(PgnExtract, AcceptsEveryExportedGameAndReachesTheSamePosition) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("orbel-pgn-extract-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);

    std::vector<PlayedGame> games;
    for (const int white : {1, 3, 5})
        for (const int black : {1, 3, 5}) games.push_back(selfPlay(white, black));
    for (const int level : {1, 3, 5})
        for (const bool userWhite : {true, false})
            for (const unsigned seed : {1u, 2u, 3u}) games.push_back(againstRandomUser(level, userWhite, seed));
    // Castling across an attacked square, which these rules allow: the export
    // stops before it with a comment.
    PlayedGame across;
    across.name = "castling across f1";
    ASSERT_EQ(readFen("r3k2r/8/b7/8/8/8/8/R3K2R b KQkq - 0 7", across.start), "");
    across.moves = {{60, 59, Castle::None, false}, {4, 6, Castle::Short, false}};
    games.push_back(across);

    int partial = 0;
    for (std::size_t g = 0; g < games.size(); ++g) {
        const PlayedGame& game = games[g];
        PgnTags tags;
        tags.white = tags.black = game.name;
        const PgnExport exported = writePgn(game.start, game.moves, tags);
        for (std::size_t at = 0, end; at < exported.text.size(); at = end + 1) {
            end = exported.text.find('\n', at);
            EXPECT_LE(end - at, 80u) << game.name;
        }
        ImportedGame back;
        ASSERT_EQ(readGameText(exported.text, back), "") << exported.text;
        // Whole, or up to the move standard chess refuses.
        ASSERT_TRUE(std::equal(back.moves.begin(), back.moves.end(), game.moves.begin())) << game.name;
        EXPECT_EQ(back.moves.size() < game.moves.size(), !exported.partialReason.empty()) << game.name;
        if (!exported.partialReason.empty()) {
            ++partial;
            std::cout << game.name << ": " << exported.partialReason << '\n';
        }

        const std::string file = (dir / ("game" + std::to_string(g) + ".pgn")).string();
        testing::writeFile(file, exported.text);
        const testing::PgnExtractVerdict checked = testing::replayWithPgnExtract(file);
        EXPECT_EQ(checked.complaints, "") << game.name << '\n' << exported.text;
        EXPECT_EQ(testing::comparableFen(checked.finalFen), testing::comparableFen(writeFen(back.final)))
            << game.name << '\n' << checked.output;
    }
    std::cout << games.size() << " games exported, " << partial << " cut short by a move standard chess refuses\n";
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace orbel
