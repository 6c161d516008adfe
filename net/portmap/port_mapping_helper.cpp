// orbel-chess-portmap: the program that talks to the home router for the
// game (net/portmap/port_mapper.h explains why it is a program of its own, and the
// lines it writes).
//
//   orbel-chess-portmap --port N --lease S --discover-ms MS --attempt-s S
//                       --remove-ms MS --description TEXT
//                       [--protocols natpmp,pcp,upnp]
//
// It asks the default gateway by NAT-PMP, else by PCP, or failing both finds
// an Internet gateway on the local network by UPnP, to map its outside TCP
// port N to port N of this machine, and the IPv6 default gateway by PCP for
// a pinhole to port N of this machine's IPv6 address; says so ("pinholed
// ...", "mapped ADDRESS PORT natpmp|pcp|upnp"), renews both at half their
// lease, and when its standard input closes removes them and exits.
// NAT-PMP and PCP go first: one UDP exchange of fixed-size messages each,
// checked field by field, where UPnP needs a discovery and XML read from
// whatever answers.
// Every attempt runs under a timer that ends the process, and its memory is
// capped: a router that answers slowly, endlessly or with garbage costs this
// process its life at worst, never the game.
#include <natpmp.h>
#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "net/portmap/gateway.h"

namespace orbel::portmap {

bool Settings::allows(const char* protocol) const {
    const std::string_view name = protocol;
    for (std::size_t at = 0; at <= protocols.size();) {
        const std::size_t end = std::min(protocols.find(',', at), protocols.size());
        if (std::string_view(protocols).substr(at, end - at) == name) return true;
        at = end + 1;
    }
    return false;
}

std::optional<std::uint32_t> ipv4(const char* text) {
    in_addr address{};
    if (inet_pton(AF_INET, text, &address) != 1) return std::nullopt;
    return ntohl(address.s_addr);
}

// The blocks no outside peer can reach: private, shared (carrier NAT),
// loopback, link-local, documentation, benchmarking, multicast and reserved.
bool isPublicIpv4(std::uint32_t a) {
    struct Block { std::uint32_t base; int bits; };
    static constexpr Block blocks[] = {
        {0x00000000, 8},  {0x0A000000, 8},  {0x64400000, 10}, {0x7F000000, 8},  {0xA9FE0000, 16},
        {0xAC100000, 12}, {0xC0000000, 24}, {0xC0000200, 24}, {0xC0A80000, 16}, {0xC6120000, 15},
        {0xC6336400, 24}, {0xCB007100, 24}, {0xE0000000, 4},  {0xF0000000, 4}};
    return std::none_of(std::begin(blocks), std::end(blocks),
                        [a](const Block& b) { return (a >> (32 - b.bits)) == (b.base >> (32 - b.bits)); });
}

namespace {

std::optional<long> number(const char* text, long low, long high) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < low || value > high) return std::nullopt;
    return value;
}

std::optional<Settings> parseSettings(int argc, char** argv) {
    Settings s;
    bool havePort = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view flag = argv[i];
        const char* value = argv[i + 1];
        std::optional<long> n;
        if (flag == "--description") {
            s.description.assign(value, strnlen(value, 64));
            continue;
        }
        if (flag == "--port" && (n = number(value, 1, 65535))) s.port = static_cast<std::uint16_t>(*n), havePort = true;
        else if (flag == "--lease" && (n = number(value, 0, 604800))) s.lease = seconds(*n);
        else if (flag == "--discover-ms" && (n = number(value, 2000, 10000))) s.discovery = milliseconds(*n);
        else if (flag == "--attempt-s" && (n = number(value, 1, 600))) s.attempt = seconds(*n);
        else if (flag == "--remove-ms" && (n = number(value, 1, 60000))) s.remove = milliseconds(*n);
        else if (flag == "--protocols") s.protocols.assign(value, strnlen(value, 64));
        else return std::nullopt;
    }
    if (!havePort || argc % 2 == 0) return std::nullopt;
    return s;
}

void say(const std::string& line) {
    const std::string text = line + "\n";
    std::size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t n = write(STDOUT_FILENO, text.data() + sent, text.size() - sent);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // nobody listens any more; the mapping is still removed at the end
        sent += static_cast<std::size_t>(n);
    }
}

// SIGALRM's default action ends the process: no library call outlives it.
void armTimer(milliseconds limit) {
    itimerval timer{};
    timer.it_value.tv_sec = static_cast<time_t>(limit.count() / 1000);
    timer.it_value.tv_usec = static_cast<suseconds_t>(limit.count() % 1000 * 1000);
    setitimer(ITIMER_REAL, &timer, nullptr);
}

// The library keeps a reply whole in memory, however long it runs: a
// generous cap for replies of a few kilobytes. (The sanitizers map terabytes
// of shadow memory; they get their cap from their default options below.)
void capResources() {
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    const rlimit data{64u << 20, 64u << 20};
    setrlimit(RLIMIT_DATA, &data);
#endif
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
}

// Whether `url` ("http://A.B.C.D[:port]/...") names a host on one of this
// machine's own IPv4 networks. A router is always there; an answer that
// sends us anywhere else is not followed.
bool onLocalNetwork(const char* url) {
    constexpr std::string_view scheme = "http://";
    const std::string_view text = url ? std::string_view(url) : std::string_view();
    if (text.substr(0, scheme.size()) != scheme) return false;
    const std::string_view rest = text.substr(scheme.size());
    const std::string host(rest.substr(0, std::min(rest.find(':'), rest.find('/'))));
    const std::optional<std::uint32_t> target = ipv4(host.c_str());
    if (!target) return false;
    ifaddrs* all = nullptr;
    if (getifaddrs(&all) != 0) return false;
    bool local = false;
    for (const ifaddrs* i = all; i && !local; i = i->ifa_next) {
        if (!i->ifa_addr || !i->ifa_netmask || i->ifa_addr->sa_family != AF_INET) continue;
        if (!(i->ifa_flags & IFF_UP) || (i->ifa_flags & IFF_LOOPBACK)) continue;
        const std::uint32_t mine = ntohl(reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr.s_addr);
        const std::uint32_t mask = ntohl(reinterpret_cast<const sockaddr_in*>(i->ifa_netmask)->sin_addr.s_addr);
        local = (mine & mask) == (*target & mask);
    }
    freeifaddrs(all);
    return local;
}

bool isWanConnection(const char* serviceType) {
    return std::strstr(serviceType, ":service:WANIPConnection:") || std::strstr(serviceType, ":service:WANPPPConnection:");
}

// NAT-PMP (RFC 6886) with the default gateway. Each exchange waits no longer
// than its share of the time: the library would retry for a minute.
class NatPmp : public Gateway {
public:
    explicit NatPmp(milliseconds patience) : patience_(patience) {}
    ~NatPmp() override {
        if (open_) closenatpmp(&pmp_);
    }

    // The gateway's outside address; empty when granted, else why not.
    std::string find() {
        open_ = initnatpmp(&pmp_, 0, 0) == 0;
        if (!open_) return "no default gateway for NAT-PMP";
        natpmpresp_t reply{};
        if (sendpublicaddressrequest(&pmp_) < 0 || !answer(reply, NATPMP_RESPTYPE_PUBLICADDRESS))
            return "no NAT-PMP answer from the gateway";
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &reply.pnu.publicaddress.addr, text, sizeof text);
        const std::optional<std::uint32_t> address = ipv4(text);
        if (!address || !isPublicIpv4(*address)) return "the gateway has no public outside address (NAT-PMP)";
        outside_ = text;
        return {};
    }

    std::string map(const Settings& s) override { return ask(s, static_cast<std::uint32_t>(s.lease.count())); }
    void unmap(const Settings& s) override { ask(s, 0); }
    const std::string& outside() const override { return outside_; }
    std::uint16_t outsidePort(const Settings&) const override { return granted_; }
    const char* protocol() const override { return "natpmp"; }
    seconds lifetime(const Settings& s) const override { return std::min(s.lease, std::max(lifetime_, seconds(1))); }

private:
    std::string ask(const Settings& s, std::uint32_t lifetime) {
        natpmpresp_t reply{};
        if (sendnewportmappingrequest(&pmp_, NATPMP_PROTOCOL_TCP, s.port, lifetime == 0 ? 0 : s.port, lifetime) < 0 ||
            !answer(reply, NATPMP_RESPTYPE_TCPPORTMAPPING) || reply.pnu.newportmapping.privateport != s.port)
            return "the gateway refused the mapping (NAT-PMP)";
        granted_ = reply.pnu.newportmapping.mappedpublicport;
        lifetime_ = seconds(reply.pnu.newportmapping.lifetime);
        return granted_ == 0 && lifetime != 0 ? "the gateway granted no port (NAT-PMP)" : std::string();
    }

    // The reply of the type asked for, successful, within the patience.
    bool answer(natpmpresp_t& reply, std::uint16_t type) {
        const Clock::time_point until = Clock::now() + patience_;
        for (;;) {
            const int r = readnatpmpresponseorretry(&pmp_, &reply);
            if (r >= 0) return reply.type == type && reply.resultcode == 0;
            if (r != NATPMP_TRYAGAIN) return false;
            timeval wait{};
            getnatpmprequesttimeout(&pmp_, &wait);
            const auto left = std::chrono::duration_cast<milliseconds>(until - Clock::now()).count();
            if (left <= 0) return false;
            const long long ms = std::min<long long>(left, wait.tv_sec * 1000LL + wait.tv_usec / 1000 + 1);
            pollfd in{pmp_.s, POLLIN, 0};
            poll(&in, 1, static_cast<int>(ms));
        }
    }

    milliseconds patience_;
    natpmp_t pmp_{};
    bool open_ = false;
    std::string outside_;
    std::uint16_t granted_ = 0;
    seconds lifetime_{0};
};

// One router's control point, as the library describes it.
class Router : public Gateway {
public:
    Router() = default;
    Router(const Router&) = delete;
    Router& operator=(const Router&) = delete;
    ~Router() override { FreeUPNPUrls(&urls_); }

    // Reads a device's description and keeps it if it is a connected
    // Internet gateway on this network with a public outside address; else
    // says why not.
    bool take(const UPNPDev& device, std::string& whyNot) {
        FreeUPNPUrls(&urls_);
        char lan[64] = {};
        if (UPNP_GetIGDFromUrl(device.descURL, &urls_, &data_, lan, sizeof lan) != 1) {
            whyNot = "the router's description could not be read";
            return false;
        }
        if (!ipv4(lan)) {
            whyNot = "this machine has no IPv4 address towards the router";
            return false;
        }
        lanAddress_ = lan;
        // A router may offer an IP and a PPP connection; only one is up.
        for (int side = 0; side < 2; ++side) {
            if (side == 1) {
                if (data_.second.servicetype[0] == '\0') break;
                std::swap(data_.first, data_.second);
                FreeUPNPUrls(&urls_);
                GetUPNPUrls(&urls_, &data_, device.descURL, device.scope_id);
            }
            if (!isWanConnection(data_.first.servicetype) || !onLocalNetwork(urls_.controlURL)) {
                whyNot = "no Internet gateway among the devices that answered";
            } else if (UPNPIGD_IsConnected(&urls_, &data_) != 1) {
                whyNot = "the router is not connected to the Internet";
            } else if (std::optional<std::string> outside = outsideAddress(); !outside) {
                whyNot = "the router has no public outside address";
            } else {
                outside_ = *outside;
                return true;
            }
        }
        return false;
    }

    std::optional<std::string> outsideAddress() {
        char text[64] = {};
        if (UPNP_GetExternalIPAddress(urls_.controlURL, data_.first.servicetype, text) != UPNPCOMMAND_SUCCESS)
            return std::nullopt;
        const std::optional<std::uint32_t> address = ipv4(text);
        if (!address || !isPublicIpv4(*address)) return std::nullopt;
        return std::string(text);
    }

    std::string map(const Settings& s) override {
        const std::string port = std::to_string(s.port);
        const auto add = [&](const char* lease) {
            return UPNP_AddPortMapping(urls_.controlURL, data_.first.servicetype, port.c_str(), port.c_str(),
                                       lanAddress_.c_str(), s.description.c_str(), "TCP", nullptr, lease);
        };
        int result = add(std::to_string(s.lease.count()).c_str());
        // Some routers refuse to renew a mapping, even their own: when the
        // one in the way is this machine's, for this port (say, left by a
        // copy that crashed), it is replaced.
        if (result == 718 && mappedHereAlready(port)) {
            unmap(s);
            result = add(std::to_string(s.lease.count()).c_str());
        }
        if (result == 725) result = add("0");  // OnlyPermanentLeasesSupported: it goes at exit all the same
        if (result == UPNPCOMMAND_SUCCESS) {
            if (std::optional<std::string> outside = outsideAddress()) outside_ = *outside;
            return {};
        }
        const char* name = strupnperror(result);
        return "the router refused the mapping (" + std::to_string(result) + (name ? std::string(" ") + name : "") + ")";
    }

    bool mappedHereAlready(const std::string& port) {
        char client[64] = {}, clientPort[64] = {}, description[128] = {}, enabled[64] = {}, lease[64] = {};
        return UPNP_GetSpecificPortMappingEntry(urls_.controlURL, data_.first.servicetype, port.c_str(), "TCP", nullptr,
                                                client, clientPort, description, enabled, lease) == UPNPCOMMAND_SUCCESS &&
               lanAddress_ == client && port == clientPort;
    }

    void unmap(const Settings& s) override {
        const std::string port = std::to_string(s.port);
        UPNP_DeletePortMapping(urls_.controlURL, data_.first.servicetype, port.c_str(), "TCP", nullptr);
    }

    const std::string& outside() const override { return outside_; }
    const char* protocol() const override { return "upnp"; }

private:
    UPNPUrls urls_{};
    IGDdatas data_{};
    std::string lanAddress_;
    std::string outside_;
};

// Discovery, then the answering devices on this network one by one. The
// library listens until a silence as long as the time it gave routers to
// answer: each gets half of the limit.
std::string findRouter(const Settings& s, Router& router) {
    static const char* const kinds[] = {"urn:schemas-upnp-org:device:InternetGatewayDevice:1",
                                        "urn:schemas-upnp-org:device:InternetGatewayDevice:2",
                                        "urn:schemas-upnp-org:service:WANIPConnection:1",
                                        "urn:schemas-upnp-org:service:WANIPConnection:2",
                                        "urn:schemas-upnp-org:service:WANPPPConnection:1",
                                        nullptr};
    int error = 0;
    UPNPDev* answered = upnpDiscoverDevices(kinds, static_cast<int>(s.discovery.count() / 2), nullptr, nullptr,
                                            UPNP_LOCAL_PORT_ANY, 0, 2, &error, 1);
    UPNPDev* near = nullptr;
    UPNPDev* far = nullptr;
    while (answered) {
        UPNPDev* device = answered;
        answered = device->pNext;
        UPNPDev*& list = onLocalNetwork(device->descURL) ? near : far;
        device->pNext = list;
        list = device;
    }
    freeUPNPDevlist(far);
    std::string whyNot = near ? "no Internet gateway among the devices that answered" : "no router answered";
    bool found = false;
    for (const UPNPDev* device = near; device && !found; device = device->pNext) found = router.take(*device, whyNot);
    freeUPNPDevlist(near);
    return found ? std::string() : whyNot;
}

// Maps the port through NAT-PMP, else PCP, else a router found by UPnP
// (those the settings allow), under the attempt's timer. A gateway without
// NAT-PMP or PCP says so at once (a closed port); a silent one has a quarter
// of the discovery's time. When none maps, the last one's reason is given:
// it went furthest.
std::string mapFromScratch(const Settings& s, std::unique_ptr<Gateway>& gateway) {
    gateway.reset();
    std::string whyNot = "no way to ask the router is allowed";
    const auto take = [&](auto candidate, std::string found) {
        whyNot = found.empty() ? candidate->map(s) : found;
        if (whyNot.empty()) gateway = std::move(candidate);
        return whyNot.empty();
    };
    if (s.allows("natpmp")) {
        auto pmp = std::make_unique<NatPmp>(s.discovery / 4);
        std::string found = pmp->find();
        if (take(std::move(pmp), std::move(found))) return {};
    }
    if (s.allows("pcp")) {
        auto pcp = std::make_unique<Pcp>(false, s.discovery / 4);
        std::string found = pcp->find();
        if (take(std::move(pcp), std::move(found))) return {};
    }
    if (s.allows("upnp")) {
        auto router = std::make_unique<Router>();
        std::string found = findRouter(s, *router);
        if (take(std::move(router), std::move(found))) return {};
    }
    return whyNot;
}

// A pinhole in the IPv6 router's firewall for this machine's address, where
// that router speaks PCP: IPv6 needs no mapping, but home routers stop calls
// from outside unless told otherwise.
std::string openPinhole(const Settings& s, std::unique_ptr<Gateway>& pinhole) {
    pinhole.reset();
    if (!s.allows("pcp")) return "PCP is not allowed";
    auto pcp = std::make_unique<Pcp>(true, s.discovery / 4);
    std::string whyNot = pcp->find();
    if (whyNot.empty()) whyNot = pcp->map(s);
    if (whyNot.empty()) pinhole = std::move(pcp);
    return whyNot;
}

std::string line(const char* word, const Settings& s, const Gateway& gateway) {
    return std::string(word) + " " + gateway.outside() + " " + std::to_string(gateway.outsidePort(s)) + " " +
           gateway.protocol();
}

volatile std::sig_atomic_t terminated = 0;

// Until standard input closes (or SIGTERM comes) or `until` comes: true when
// it closed.
bool inputClosedBefore(Clock::time_point until) {
    while (!terminated) {
        const auto left = std::chrono::duration_cast<milliseconds>(until - Clock::now()).count();
        if (left <= 0) return false;
        pollfd in{STDIN_FILENO, POLLIN, 0};
        const int ready = poll(&in, 1, static_cast<int>(std::min<long long>(left, 60'000)));
        if (ready < 0 && errno != EINTR) return true;
        if (ready > 0) {
            char scratch[256];
            const ssize_t n = read(STDIN_FILENO, scratch, sizeof scratch);
            if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) return true;
        }
    }
    return true;
}

// Renewed at half the shortest lifetime granted, so one lost renewal still
// leaves time for the next; after a failure, tried again sooner. What was
// never granted is not asked for again: the user turns the item off and on.
void keepUntilInputCloses(const Settings& s, std::unique_ptr<Gateway>& gateway, std::unique_ptr<Gateway>& pinhole) {
    const bool mapping = gateway != nullptr, holing = pinhole != nullptr;
    const auto renewal = [&] {
        seconds shortest = s.lease;
        for (const auto* g : {gateway.get(), pinhole.get()})
            if (g) shortest = std::min(shortest, g->lifetime(s));
        return std::max(seconds(1), shortest / 2);
    };
    Clock::time_point due = Clock::now() + renewal();
    while (!inputClosedBefore(due)) {
        armTimer(s.attempt);
        std::string failure, holeFailure;
        if (mapping && (!gateway || !(failure = gateway->map(s)).empty())) failure = mapFromScratch(s, gateway);
        if (holing && (!pinhole || !(holeFailure = pinhole->map(s)).empty())) holeFailure = openPinhole(s, pinhole);
        armTimer(milliseconds(0));
        if (holing) say(pinhole ? line("pinholed", s, *pinhole) : "unpinholed " + holeFailure);
        if (mapping) say(gateway ? line("mapped", s, *gateway) : "failed " + failure);
        const bool whole = (!mapping || gateway) && (!holing || pinhole);
        due = Clock::now() + (whole ? renewal() : std::min(seconds(60), std::max(seconds(1), s.lease / 2)));
    }
}

}  // namespace
}  // namespace orbel::portmap

// A router's endless reply must not fill the machine in a sanitizer build either.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __asan_default_options() { return "hard_rss_limit_mb=256"; }
#endif
#if defined(__SANITIZE_THREAD__)
extern "C" const char* __tsan_default_options() { return "hard_rss_limit_mb=256"; }
#endif

namespace {

// A closed pipe must not end us before the mapping is removed; the timer
// must, whatever the parent had blocked or ignored.
void handleSignals() {
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGALRM, SIG_DFL);
    // Ctrl+C in the game's terminal, or its hangup, reaches the whole group:
    // the game's end closes our input, and the mapping goes then. An
    // explicit end (SIGTERM, as at logout) removes it too.
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGHUP, SIG_IGN);
    struct sigaction term {};
    term.sa_handler = [](int) { orbel::portmap::terminated = 1; };
    sigaction(SIGTERM, &term, nullptr);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orbel::portmap;
    const std::optional<Settings> settings = parseSettings(argc, argv);
    if (!settings) {
        say("failed the port-mapping helper was started with bad arguments");
        return 2;
    }
    const Settings& s = *settings;
    capResources();
    handleSignals();

    std::unique_ptr<Gateway> gateway, pinhole;
    armTimer(s.attempt);
    const std::string whyNot = mapFromScratch(s, gateway);
    openPinhole(s, pinhole);
    armTimer(milliseconds(0));
    // The pinhole first: once the mapping's line settles the game's state,
    // all is known.
    if (pinhole) say(line("pinholed", s, *pinhole));
    say(gateway ? line("mapped", s, *gateway) : "failed " + whyNot);
    if (!gateway && !pinhole) return 1;
    keepUntilInputCloses(s, gateway, pinhole);
    if (gateway || pinhole) {
        armTimer(s.remove);
        for (const auto& g : {gateway.get(), pinhole.get()})
            if (g) g->unmap(s);
        armTimer(milliseconds(0));
        say("removed");
    }
    return 0;
}
