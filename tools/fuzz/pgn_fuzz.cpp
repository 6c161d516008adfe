// libFuzzer target: arbitrary bytes read as a pasted or opened PGN or FEN, and
// as a typed move, under the checks the tests apply. Built by tools/fuzz.sh
// (clang with -fsanitize=fuzzer,address,undefined), seeded from
// tests/savegame/pgn_seeds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/savegame/pgn_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (orbel::pgn_checks::readingProblem(input) != nullptr) __builtin_trap();
    return 0;
}
