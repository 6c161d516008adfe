// libFuzzer target: arbitrary bytes as the stream a peer sends, read whole,
// in reads of varying sizes and one byte at a time. Each way must keep the
// parser within its bounds, play exactly the MOVEs the opponent could make in
// a game that answers them, and yield messages that read back the same when
// sent again. Built by tools/fuzz.sh (clang with
// -fsanitize=fuzzer,address,undefined), seeded from tests/net/seeds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tests/net/peer_checks.h"

namespace {

using namespace orbel;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Calls `take` with each read of one way of reading: 0 whole, 1 in sizes 1,
// 2, ... 13 over and over, 2 one byte each, 3 in sevens that never end
// between two digits.
template <class Take>
void forEachRead(std::string_view bytes, int way, Take&& take) {
    std::size_t size = 1;
    while (!bytes.empty()) {
        std::size_t n = way == 0 ? bytes.size() : way == 1 ? size : way == 2 ? 1 : 7;
        if (n > bytes.size()) n = bytes.size();
        if (way == 3) {
            while (n < bytes.size() && isDigit(bytes[n - 1]) && isDigit(bytes[n])) ++n;
        }
        take(bytes.substr(0, n));
        bytes.remove_prefix(n);
        size = size % 13 + 1;
    }
}

// Kept between inputs so that their storage is too.
peer_checks::StreamWatch watch(BlackColorCode);
std::vector<PeerMessage> messages;
std::vector<PeerMessage> reread;

void check(std::string_view input, int way) {
    watch.restart(way == 1 ? WhiteColorCode : BlackColorCode);
    PeerStream stream;
    messages.clear();
    forEachRead(input, way, [&](std::string_view read) {
        if (watch.read(stream, read, messages) != nullptr) __builtin_trap();
    });

    const std::string again = peer_checks::rebuild(messages);
    PeerStream second;
    reread.clear();
    forEachRead(again, 3, [&](std::string_view read) {
        while (std::optional<PeerMessage> m = second.next(read)) reread.push_back(std::move(*m));
    });
    if (!peer_checks::sameMessages(reread, messages)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (int way = 0; way < 3; ++way) check(input, way);
    return 0;
}
