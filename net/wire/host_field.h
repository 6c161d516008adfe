// What the user types as the opponent's address in the Internet Game dialog:
// a host and an optional port. Standard C++ only, so that it can be fuzzed.
//
//   192.0.2.7            host, the game's port
//   192.0.2.7:5000       host and port
//   2001:db8::1          a bare IPv6 address: every colon belongs to it, no port
//   [2001:db8::1]:5000   an IPv6 address in brackets, with or without a port
//   [fe80::1%eth0]       a link-local address names its interface after '%'
//   chess.example.org    a name, looked up later; ":5000" may follow
//
// Spaces around the text are ignored. Nothing is looked up here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orbel {

struct HostField {
    bool ok = false;
    // Without brackets: an IPv4 address, an IPv6 address (perhaps with
    // "%zone") or a name.
    std::string host;
    std::uint16_t port = 0;
    // Why the text was refused, as one sentence for the user; empty when ok.
    std::string reason;
};

// The longest host: a name's limit in the DNS. (The port and brackets
// around it are bounded by their own rules.)
inline constexpr std::size_t MaxHostLength = 253;

HostField parseHostField(std::string_view text, std::uint16_t defaultPort);

// The host and port as the user would type them back: "[...]" around an IPv6
// address, ":port" always.
std::string hostFieldText(const HostField& field);

}  // namespace orbel
