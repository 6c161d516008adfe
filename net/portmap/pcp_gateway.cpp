// PCP inside orbel-chess-portmap: the gateway is the default route's, as the
// system routes; one UDP socket connected to its port 5351, so that nothing
// from anyone else is read.
#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/random.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "net/portmap/gateway.h"
#include "net/portmap/pcp.h"

namespace orbel::portmap {

struct Pcp::State {
    int socket = -1;
    pcp::Address client{};
    pcp::Nonce nonce{};
    pcp::Reply reply;
    // The last reply's epoch and when it came, for the next reply's check.
    std::optional<std::pair<std::uint32_t, std::int64_t>> epoch;
    // Whether a mapping was granted since the gateway was found.
    bool granted = false;
};

namespace {

std::int64_t nowSeconds() {
    return std::chrono::duration_cast<seconds>(Clock::now().time_since_epoch()).count();
}

bool fromHex(const std::string& text, unsigned char* to, std::size_t size) {
    if (text.size() != size * 2) return false;
    for (std::size_t i = 0; i < size; ++i) {
        unsigned value = 0;
        if (std::sscanf(text.c_str() + 2 * i, "%2x", &value) != 1) return false;
        to[i] = static_cast<unsigned char>(value);
    }
    return true;
}

// The IPv4 default route's gateway, from the kernel's table (in network order).
std::optional<in_addr> defaultGateway4() {
    std::ifstream table("/proc/net/route");
    std::string line;
    std::getline(table, line);  // the titles
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string device, destination, gateway;
        if (!(fields >> device >> destination >> gateway) || destination != "00000000") continue;
        unsigned long value = std::strtoul(gateway.c_str(), nullptr, 16);
        if (value != 0) return in_addr{static_cast<in_addr_t>(value)};
    }
    return std::nullopt;
}

// The IPv6 default route's gateway and the device it is reached through.
std::optional<sockaddr_in6> defaultGateway6(std::string& device) {
    std::ifstream table("/proc/net/ipv6_route");
    for (std::string line; std::getline(table, line);) {
        std::istringstream fields(line);
        std::string destination, length, source, sourceLength, gateway, metric, references, use, flags;
        if (!(fields >> destination >> length >> source >> sourceLength >> gateway >> metric >> references >> use >>
              flags >> device) ||
            length != "00" || destination != std::string(32, '0') || gateway == std::string(32, '0'))
            continue;
        sockaddr_in6 to{};
        to.sin6_family = AF_INET6;
        to.sin6_port = htons(pcp::ServerPort);
        if (!fromHex(gateway, to.sin6_addr.s6_addr, 16)) continue;
        if (IN6_IS_ADDR_LINKLOCAL(&to.sin6_addr)) to.sin6_scope_id = if_nametoindex(device.c_str());
        return to;
    }
    return std::nullopt;
}

// This machine's stable global address on `device`: the one the address box
// lists, never a temporary, deprecated or tentative one.
std::optional<in6_addr> stableGlobalAddress(const std::string& device) {
    constexpr unsigned Temporary = 0x01, Deprecated = 0x20, Tentative = 0x40;
    std::ifstream table("/proc/net/if_inet6");
    for (std::string line; std::getline(table, line);) {
        std::istringstream fields(line);
        std::string address, index, prefix, scope, flags, name;
        if (!(fields >> address >> index >> prefix >> scope >> flags >> name) || name != device) continue;
        in6_addr a{};
        const unsigned bits = static_cast<unsigned>(std::strtoul(flags.c_str(), nullptr, 16));
        if (!fromHex(address, a.s6_addr, 16) || (a.s6_addr[0] & 0xE0) != 0x20 ||
            (bits & (Temporary | Deprecated | Tentative)) != 0)
            continue;  // global unicast is 2000::/3
        return a;
    }
    return std::nullopt;
}

}  // namespace

Pcp::Pcp(bool ipv6, milliseconds patience) : ipv6_(ipv6), patience_(patience), state_(std::make_unique<State>()) {}

Pcp::~Pcp() {
    if (state_->socket >= 0) close(state_->socket);
}

std::string Pcp::find() {
    State& st = *state_;
    if (!ipv6_) {
        const std::optional<in_addr> gateway = defaultGateway4();
        if (!gateway) return "no default gateway for PCP";
        sockaddr_in to{AF_INET, htons(pcp::ServerPort), *gateway, {}};
        sockaddr_in mine{};
        socklen_t size = sizeof mine;
        st.socket = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (st.socket < 0 || connect(st.socket, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0 ||
            getsockname(st.socket, reinterpret_cast<sockaddr*>(&mine), &size) != 0)
            return "no default gateway for PCP";
        st.client = pcp::mappedIpv4(ntohl(mine.sin_addr.s_addr));
    } else {
        std::string device;
        const std::optional<sockaddr_in6> gateway = defaultGateway6(device);
        const std::optional<in6_addr> address = gateway ? stableGlobalAddress(device) : std::nullopt;
        if (!address) return "no global IPv6 address with a default route";
        sockaddr_in6 mine{};
        mine.sin6_family = AF_INET6;
        mine.sin6_addr = *address;
        st.socket = socket(AF_INET6, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (st.socket < 0 || bind(st.socket, reinterpret_cast<const sockaddr*>(&mine), sizeof mine) != 0 ||
            connect(st.socket, reinterpret_cast<const sockaddr*>(&*gateway), sizeof *gateway) != 0)
            return "no route to the IPv6 gateway";
        std::memcpy(st.client.data(), address->s6_addr, 16);
    }
    if (getrandom(st.nonce.data(), st.nonce.size(), 0) != static_cast<ssize_t>(st.nonce.size()))
        return "no random numbers for PCP";
    const auto request = pcp::announce(st.client);
    std::string whyNot = exchange(request.data(), request.size(), static_cast<int>(pcp::Opcode::Announce));
    if (whyNot.empty() && st.reply.result != 0) whyNot = "the gateway does not speak PCP (" + pcp::resultName(st.reply.result) + ")";
    return whyNot;
}

std::string Pcp::map(const Settings& s) { return ask(s, static_cast<std::uint32_t>(s.lease.count())); }

void Pcp::unmap(const Settings& s) { ask(s, 0); }

seconds Pcp::lifetime(const Settings& s) const {
    return std::min(s.lease, seconds(std::max<std::uint32_t>(state_->reply.lifetime, 1)));
}

std::string Pcp::ask(const Settings& s, std::uint32_t lifetime) {
    State& st = *state_;
    pcp::MapRequest request{st.client, st.nonce, s.port, lifetime};
    const auto bytes = pcp::map(request);
    const std::string whyNot = exchange(bytes.data(), bytes.size(), static_cast<int>(pcp::Opcode::Map));
    if (!whyNot.empty() || lifetime == 0) return whyNot;
    const pcp::Reply& r = st.reply;
    if (r.result != 0) return "the gateway refused the mapping (PCP " + pcp::resultName(r.result) + ")";
    if (r.protocol != pcp::Tcp || r.internalPort != s.port || r.externalPort == 0 || r.lifetime == 0)
        return "the gateway granted no port (PCP)";
    char text[INET6_ADDRSTRLEN] = {};
    if (const std::optional<std::uint32_t> outside = pcp::ipv4Of(r.external); !ipv6_) {
        if (!outside || !isPublicIpv4(*outside)) return "the gateway has no public outside address (PCP)";
        const in_addr a{htonl(*outside)};
        inet_ntop(AF_INET, &a, text, sizeof text);
    } else {
        // A pinhole lets calls in to this machine's own address: any other
        // answer is not one.
        if (r.external != st.client) return "the gateway opened no pinhole (PCP)";
        inet_ntop(AF_INET6, r.external.data(), text, sizeof text);
    }
    // Within one attempt the two replies must agree; at a renewal a gateway
    // that restarted has just made the mapping again with this very reply.
    if (!epochFollows() && !st.granted) return "the gateway's PCP clock went back";
    st.granted = true;
    outside_ = text;
    granted_ = r.externalPort;
    return {};
}

bool Pcp::epochFollows() {
    State& st = *state_;
    const std::int64_t now = nowSeconds();
    const bool follows = !st.epoch || pcp::epochFollows(st.epoch->first, st.epoch->second, st.reply.epoch, now);
    st.epoch = std::make_pair(st.reply.epoch, now);
    return follows;
}

// Sends `request` (again at half the patience) and waits for its reply:
// anything else that arrives is dropped unread, within the patience.
std::string Pcp::exchange(const unsigned char* request, std::size_t size, int opcode) {
    State& st = *state_;
    const Clock::time_point until = Clock::now() + patience_;
    Clock::time_point resend = Clock::now();
    const bool map = opcode == static_cast<int>(pcp::Opcode::Map);
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (now >= until) return "no PCP answer from the gateway";
        if (now >= resend) {
            send(st.socket, request, size, MSG_NOSIGNAL);
            resend = now + patience_ / 2;
        }
        const auto wait = std::chrono::duration_cast<milliseconds>(std::min(until, resend) - now).count() + 1;
        pollfd in{st.socket, POLLIN, 0};
        if (poll(&in, 1, static_cast<int>(wait)) <= 0) continue;
        unsigned char reply[pcp::MaxMessage + 4];
        const ssize_t n = recv(st.socket, reply, sizeof reply, 0);
        if (n < 0 && errno == ECONNREFUSED) return "no PCP server on the gateway";
        if (n >= 4 && reply[0] == 0) return "the gateway speaks NAT-PMP only";  // its answer to a version it lacks
        if (n <= 0) continue;
        const std::optional<pcp::Reply> r = pcp::read(reply, static_cast<std::size_t>(n));
        if (!r || static_cast<int>(r->opcode) != opcode || (map && r->nonce != st.nonce)) continue;
        st.reply = *r;
        if (!map) epochFollows();
        return {};
    }
}

}  // namespace orbel::portmap
