// libFuzzer target: arbitrary bytes read as a saved-game file into two
// different games. Every read must leave a usable game that kept the entry
// values from the field it stopped at, and a loaded game must save and load
// again as the same game and the same bytes. Built by tools/fuzz.sh (clang
// with -fsanitize=fuzzer,address,undefined), seeded from tests/savegame/seeds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "savegame/saved_game.h"
#include "tests/savegame/saved_game_checks.h"

namespace {

using namespace orbel;

// The defaults, and a game with values no file gives and a list grown past 120.
SavedGame makeFullEntry() {
    SavedGame game;
    game.displayBoard = startingPosition(4);
    game.humanPlaysBlack = true;
    game.humanCastleKingSide = false;
    game.computerGivesCheck = true;
    for (int i = 0; i < 125; ++i) game.whiteHistory.setLine(i, "Kg1");
    game.whiteHistory.count = 123;
    game.blackHistory.setLine(0, "e5");
    game.blackHistory.count = 1;
    game.level = 1;
    return game;
}

void check(std::string_view input, const SavedGame& entry) {
    SavedGame game = entry;
    const ReadStop stop = readSavedGame(input, game);
    if (!savegame_checks::validGame(game)) __builtin_trap();
    if (!savegame_checks::keptFrom(stop, entry, game)) __builtin_trap();

    const std::string saved = writeSavedGame(game);
    SavedGame again;
    if (readSavedGame(saved, again) != ReadStop::Complete) __builtin_trap();
    if (!savegame_checks::sameGame(again, game)) __builtin_trap();
    if (writeSavedGame(again) != saved) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const SavedGame plainEntry;
    static const SavedGame fullEntry = makeFullEntry();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    check(input, plainEntry);
    check(input, fullEntry);
    return 0;
}
