// The Port Control Protocol (RFC 6887) as bytes: the two requests the
// port-mapping helper sends its gateway, and the reply it reads, checked field
// by field before anything in it is believed. The sockets are the helper's.
//
// PCP maps a port of an IPv4 router's outside address to this machine, as
// NAT-PMP does, and over IPv6 opens a pinhole in the router's firewall for
// this machine's own address. Its messages have fixed sizes: nothing a
// gateway sends is parsed beyond a few words at known offsets.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace orbel::pcp {

constexpr std::uint16_t ServerPort = 5351;
enum class Opcode : std::uint8_t { Announce = 0, Map = 1 };
constexpr std::uint8_t Tcp = 6;
constexpr std::size_t AnnounceSize = 24, MapSize = 60, MaxMessage = 1100;

// Every address is written as IPv6; an IPv4 one as ::ffff:a.b.c.d.
using Address = std::array<std::uint8_t, 16>;
// Names one mapping, so that only its own replies are believed.
using Nonce = std::array<std::uint8_t, 12>;

Address mappedIpv4(std::uint32_t hostOrder);
// The IPv4 address inside `a`, when it is one.
std::optional<std::uint32_t> ipv4Of(const Address& a);

struct MapRequest {
    Address client{};  // this machine's address as the gateway sees it
    Nonce nonce{};
    std::uint16_t internalPort = 0;
    std::uint32_t lifetime = 0;  // 0 removes the mapping
};

std::array<std::uint8_t, AnnounceSize> announce(const Address& client);
std::array<std::uint8_t, MapSize> map(const MapRequest& request);

struct Reply {
    Opcode opcode = Opcode::Announce;
    std::uint8_t result = 0;  // 0: success
    std::uint32_t lifetime = 0;
    std::uint32_t epoch = 0;  // the server's seconds since it last lost its mappings
    // A MAP reply's own fields.
    Nonce nonce{};
    std::uint8_t protocol = 0;
    std::uint16_t internalPort = 0;
    std::uint16_t externalPort = 0;
    Address external{};
};

// A reply, or nothing when `data` is not one: version 2, a response, whole
// 32-bit words within the protocol's limit, an opcode asked for and long
// enough for it. Options after the opcode's fields are not read.
std::optional<Reply> read(const std::uint8_t* data, std::size_t size);

// A result code's name ("NOT_AUTHORIZED"), or its number.
std::string resultName(std::uint8_t result);

// Whether the server's epoch moved as this machine's clock did between two
// replies (`seconds` on any clock of this machine's): if not, the server
// lost its mappings meanwhile, or is not to be believed.
bool epochFollows(std::uint32_t previousEpoch, std::int64_t previousSeconds, std::uint32_t epoch,
                  std::int64_t seconds);

}  // namespace orbel::pcp
