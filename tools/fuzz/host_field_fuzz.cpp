// libFuzzer target: any text typed into the Internet Game dialog's host field.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tests/net/host_field_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!orbel::host_field_checks::broken(text).empty()) std::abort();
    return 0;
}
