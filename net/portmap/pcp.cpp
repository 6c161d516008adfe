#include "net/portmap/pcp.h"

#include <algorithm>
#include <cstdlib>

namespace orbel::pcp {

namespace {

constexpr std::uint8_t Version = 2;
constexpr std::uint8_t Response = 0x80;

void put16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value >> 8);
    at[1] = static_cast<std::uint8_t>(value);
}

void put32(std::uint8_t* at, std::uint32_t value) {
    put16(at, static_cast<std::uint16_t>(value >> 16));
    put16(at + 2, static_cast<std::uint16_t>(value));
}

std::uint16_t get16(const std::uint8_t* at) { return static_cast<std::uint16_t>(at[0] << 8 | at[1]); }

std::uint32_t get32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(get16(at)) << 16 | get16(at + 2);
}

// Version, opcode, lifetime and the client's address: what every request opens with.
void header(std::uint8_t* to, Opcode opcode, std::uint32_t lifetime, const Address& client) {
    to[0] = Version;
    to[1] = static_cast<std::uint8_t>(opcode);
    put32(to + 4, lifetime);
    std::copy(client.begin(), client.end(), to + 8);
}

constexpr Address Ipv4Prefix = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0};

}  // namespace

Address mappedIpv4(std::uint32_t hostOrder) {
    Address a = Ipv4Prefix;
    put32(a.data() + 12, hostOrder);
    return a;
}

std::optional<std::uint32_t> ipv4Of(const Address& a) {
    if (!std::equal(a.begin(), a.begin() + 12, Ipv4Prefix.begin())) return std::nullopt;
    return get32(a.data() + 12);
}

std::array<std::uint8_t, AnnounceSize> announce(const Address& client) {
    std::array<std::uint8_t, AnnounceSize> bytes{};
    header(bytes.data(), Opcode::Announce, 0, client);
    return bytes;
}

std::array<std::uint8_t, MapSize> map(const MapRequest& request) {
    std::array<std::uint8_t, MapSize> bytes{};
    header(bytes.data(), Opcode::Map, request.lifetime, request.client);
    std::uint8_t* const body = bytes.data() + AnnounceSize;
    std::copy(request.nonce.begin(), request.nonce.end(), body);
    body[12] = Tcp;
    put16(body + 16, request.internalPort);
    // The same port outside, at whatever address the gateway has: the
    // unspecified address of the client's family.
    put16(body + 18, request.lifetime == 0 ? 0 : request.internalPort);
    if (ipv4Of(request.client)) std::copy(Ipv4Prefix.begin(), Ipv4Prefix.end(), body + 20);
    return bytes;
}

std::optional<Reply> read(const std::uint8_t* data, std::size_t size) {
    if (size < AnnounceSize || size > MaxMessage || size % 4 != 0 || data[0] != Version || (data[1] & Response) == 0)
        return std::nullopt;
    Reply reply;
    const std::uint8_t opcode = data[1] & 0x7F;
    if (opcode == static_cast<std::uint8_t>(Opcode::Announce)) reply.opcode = Opcode::Announce;
    else if (opcode == static_cast<std::uint8_t>(Opcode::Map) && size >= MapSize) reply.opcode = Opcode::Map;
    else return std::nullopt;
    reply.result = data[3];
    reply.lifetime = get32(data + 4);
    reply.epoch = get32(data + 8);
    if (reply.opcode == Opcode::Map) {
        const std::uint8_t* const body = data + AnnounceSize;
        std::copy(body, body + 12, reply.nonce.begin());
        reply.protocol = body[12];
        reply.internalPort = get16(body + 16);
        reply.externalPort = get16(body + 18);
        std::copy(body + 20, body + 36, reply.external.begin());
    }
    return reply;
}

std::string resultName(std::uint8_t result) {
    static constexpr const char* names[] = {"SUCCESS",        "UNSUPP_VERSION",   "NOT_AUTHORIZED",
                                            "MALFORMED_REQUEST", "UNSUPP_OPCODE", "UNSUPP_OPTION",
                                            "MALFORMED_OPTION", "NETWORK_FAILURE", "NO_RESOURCES",
                                            "UNSUPP_PROTOCOL", "USER_EX_QUOTA",   "CANNOT_PROVIDE_EXTERNAL",
                                            "ADDRESS_MISMATCH", "EXCESSIVE_REMOTE_PEERS"};
    return result < std::size(names) ? names[result] : std::to_string(result);
}

// The client's check of RFC 6887 (8.5): the server's time may not go back
// more than a second, nor run faster or slower than the client's by more
// than two seconds and a sixteenth.
bool epochFollows(std::uint32_t previousEpoch, std::int64_t previousSeconds, std::uint32_t epoch,
                  std::int64_t seconds) {
    if (static_cast<std::int64_t>(epoch) < static_cast<std::int64_t>(previousEpoch) - 1) return false;
    const std::int64_t client = seconds - previousSeconds;
    const std::int64_t server = static_cast<std::int64_t>(epoch) - previousEpoch;
    return client + 2 >= server - server / 16 && server + 2 >= client - client / 16;
}

}  // namespace orbel::pcp
