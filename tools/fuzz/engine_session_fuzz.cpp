// libFuzzer target: arbitrary bytes, split into lines, fed to one engine
// session. Built by tools/fuzz.sh (clang with -fsanitize=fuzzer,address,undefined).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tools/engine/engine_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orbel::engine::EngineSession session;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        const std::string answer = session.handleLine(line);
        if (answer.empty() || answer.find('\n') != std::string::npos) __builtin_trap();
        if (end == std::string_view::npos) break;
        input.remove_prefix(end + 1);
    }
    return 0;
}
