// libFuzzer target: arbitrary bytes as the stream a peer sends, read whole,
// in reads of varying sizes and one byte at a time. Each way must keep the
// parser within its bounds, play exactly the MOVEs the opponent could make in
// a game that answers them, and yield messages that read back the same when
// sent again. Built by tools/fuzz.sh (clang with
// -fsanitize=fuzzer,address,undefined), seeded from tests/net/seeds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/net/peer_checks.h"

namespace {

// Kept between inputs so that its storage is too.
orbel::peer_checks::StreamWatch watch(orbel::BlackColorCode);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (int way = 0; way < 3; ++way) {
        watch.restart(way == 1 ? orbel::WhiteColorCode : orbel::BlackColorCode);
        if (watch.stream(input, way) != nullptr) __builtin_trap();
    }
    return 0;
}
