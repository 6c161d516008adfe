// libFuzzer target: any datagram on the home gateway's PCP port. A reply is
// believed only when its fixed fields say it is one; nothing is read past it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "net/portmap/pcp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orbel::pcp;
    const std::optional<Reply> reply = read(data, size);
    if (reply) {
        const bool whole = size >= AnnounceSize && size <= MaxMessage && size % 4 == 0 && data[0] == 2 &&
                           (data[1] & 0x80) != 0 && (reply->opcode != Opcode::Map || size >= MapSize);
        if (!whole) std::abort();
        // Any two epochs and times, however far apart, are judged without overflow.
        epochFollows(reply->lifetime, static_cast<std::int32_t>(reply->lifetime), reply->epoch,
                     static_cast<std::int64_t>(reply->epoch) * 1000);
        if (resultName(reply->result).empty()) std::abort();
    }
    return 0;
}
