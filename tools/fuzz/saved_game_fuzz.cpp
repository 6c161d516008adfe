// libFuzzer target: arbitrary bytes read as a saved-game file into the default
// game and into an unusual one, under the checks the tests apply. Built by
// tools/fuzz.sh (clang with -fsanitize=fuzzer,address,undefined), seeded from
// tests/savegame/seeds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "savegame/saved_game.h"
#include "tests/savegame/saved_game_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const orbel::SavedGame plainEntry;
    static const orbel::SavedGame unusualEntry = orbel::savegame_checks::unusualEntry();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (orbel::savegame_checks::readProblem(input, plainEntry) != nullptr) __builtin_trap();
    if (orbel::savegame_checks::readProblem(input, unusualEntry) != nullptr) __builtin_trap();
    return 0;
}
