// The router opened for the game: against Debian's miniupnpd on a router of
// network namespaces (net_sandbox.h), and against devices on the home
// network that answer the wrong way. The sandbox needs root; without it the
// tests say so and skip.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <random>
#include <string>

#include "net/portmap/port_mapper.h"
#include "tests/support/net_sandbox.h"

namespace orbel {
namespace {

using namespace std::chrono_literals;
using testing::NetSandbox;
using Place = NetSandbox::Place;
using Phase = PortMapState::Phase;

// Generous: only a hang runs into it.
constexpr auto Patience = 30s;

PortMapOptions options(std::uint16_t port, std::chrono::seconds lease = 3600s) {
    PortMapOptions o;
    o.helperPath = ORBEL_PORTMAP_HELPER;
    o.port = port;
    o.lease = lease;
    o.attemptLimit = 3s;
    return o;
}

sockaddr_in ipv4Address(const char* host, std::uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    inet_pton(AF_INET, host, &a.sin_addr);
    return a;
}

int socketOn(int type, const char* host, std::uint16_t port) {
    const int s = socket(AF_INET, type | SOCK_CLOEXEC, 0), on = 1;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    const sockaddr_in a = ipv4Address(host, port);
    bind(s, reinterpret_cast<const sockaddr*>(&a), sizeof a);
    if (type == SOCK_STREAM) listen(s, 8);
    return s;
}

// The mapper made in the home namespace; the router is asked later, by the
// helper, never by the constructor.
std::unique_ptr<PortMapper> mapperAtHome(const NetSandbox& sandbox, const PortMapOptions& o) {
    std::unique_ptr<PortMapper> mapper;
    Phase atStart = Phase::NotMapped;
    sandbox.run(Place::Home, [&] {
        mapper = std::make_unique<PortMapper>(o);
        atStart = mapper->state().phase;
    });
    EXPECT_EQ(atStart, Phase::Trying);
    return mapper;
}

TEST(PortMapper, FindsItsHelperOrSaysAtOnceThatItIsMissing) {
    // Beside the game in a build tree, in libexec where it is installed.
    const std::string helper = ORBEL_PORTMAP_HELPER;
    EXPECT_EQ(findPortMapHelper(helper.substr(0, helper.rfind('/'))), helper);
    const auto prefix = std::filesystem::temp_directory_path() / ("orbel-prefix-" + std::to_string(getpid()));
    std::filesystem::create_directories(prefix / "bin");
    std::filesystem::create_directories(prefix / "libexec/orbel-chess");
    std::filesystem::create_symlink(helper, prefix / "libexec/orbel-chess/orbel-chess-portmap");
    EXPECT_EQ(findPortMapHelper((prefix / "bin").string()),
              (prefix / "bin/../libexec/orbel-chess/orbel-chess-portmap").string());
    std::filesystem::remove_all(prefix);
    EXPECT_EQ(findPortMapHelper("/nonexistent"), "");
    PortMapOptions o = options(4128);
    o.helperPath.clear();
    const PortMapState state = PortMapper(o).waitUntilSettled(Patience);
    EXPECT_EQ(state.phase, Phase::NotMapped);
    EXPECT_EQ(state.reason, "the port-mapping helper is missing");
}

// NAT-PMP where the router speaks it, UPnP where it does not; PCP when asked alone.
class PortMapperThroughMiniupnpd : public ::testing::TestWithParam<const char*> {};

int listenerOn6(std::uint16_t port) {
    const int s = socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC, 0), on = 1;
    setsockopt(s, IPPROTO_IPV6, IPV6_V6ONLY, &on, sizeof on);
    const sockaddr_in6 any{AF_INET6, htons(port), 0, in6addr_any, 0};
    bind(s, reinterpret_cast<const sockaddr*>(&any), sizeof any);
    listen(s, 8);
    return s;
}

// The home's global IPv6 address, at the game's port.
sockaddr_in6 home6() {
    sockaddr_in6 a{AF_INET6, htons(4128), 0, {}, 0};
    inet_pton(AF_INET6, "2001:db8:4128::2", &a.sin6_addr);
    return a;
}

// Whether a friend outside gets through to `listening` at home, at `to`.
template <class Address>
bool reaches(const NetSandbox& sandbox, int listening, const Address& to) {
    bool connected = false;
    sandbox.run(Place::Outside, [&] {
        const int call = socket(reinterpret_cast<const sockaddr&>(to).sa_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const timeval patience{1, 0};
        setsockopt(call, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
        connected = connect(call, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0;
        close(call);
    });
    pollfd called{listening, POLLIN, 0};
    if (connected && poll(&called, 1, 5000) == 1) close(accept4(listening, nullptr, nullptr, SOCK_CLOEXEC));
    return connected;
}

TEST_P(PortMapperThroughMiniupnpd, OpensThePortKeepsItOpenAndClosesItAtTheEnd) {
    const std::string how = GetParam();
    NetSandbox sandbox;
    if (!sandbox.startRouter(how != "upnp" ? "enable_natpmp=yes" : "")) GTEST_SKIP() << sandbox.whyNot();
    int game = -1, game6 = -1;
    sandbox.run(Place::Home, [&] {
        game = socketOn(SOCK_STREAM, "0.0.0.0", 4128);
        game6 = listenerOn6(4128);
    });
    EXPECT_FALSE(reaches(sandbox, game6, home6())) << "the router's IPv6 firewall let a call in unasked";
    PortMapOptions o = options(4128, 2s);
    if (how == "pcp") o.protocols = how;
    std::unique_ptr<PortMapper> mapper = mapperAtHome(sandbox, o);
    ASSERT_NE(mapper, nullptr);
    const PortMapState mapped = mapper->waitUntilSettled(Patience);
    ASSERT_EQ(mapped.phase, Phase::Mapped) << mapped.reason;
    EXPECT_EQ(mapped.protocol, how);
    EXPECT_EQ(mapped.outsideAddress, NetSandbox::OutsideAddress);
    EXPECT_EQ(mapped.outsidePort, 4128);
    const std::string forward = "dport 4128 dnat ip to 10.41.28.2:4128";
    EXPECT_NE(sandbox.routerForwards().find(forward), std::string::npos) << sandbox.routerForwards();
    // miniupnpd speaks PCP over IPv6 whatever its NAT-PMP setting says.
    EXPECT_EQ(mapped.pinholeAddress, "2001:db8:4128::2");
    EXPECT_EQ(mapped.pinholeProtocol, "pcp");

    // A friend on the outside reaches the game through the router, and over
    // IPv6 through the pinhole.
    EXPECT_TRUE(reaches(sandbox, game, ipv4Address(NetSandbox::RouterWanAddress, 4128)));
    EXPECT_TRUE(reaches(sandbox, game6, home6()));

    // Past its two-second lease the mapping stands: it was renewed.
    std::this_thread::sleep_for(3s);
    EXPECT_NE(sandbox.routerForwards().find(forward), std::string::npos);
    if (how == "upnp") {
        EXPECT_GE(sandbox.mappingRequests(), 3);
    }
    EXPECT_EQ(mapper->state().phase, Phase::Mapped);
    mapper.reset();
    EXPECT_EQ(sandbox.routerForwards().find("dport 4128"), std::string::npos) << "not removed at the end";
    close(game);
    close(game6);
}

// Apart from the renewals above: miniupnpd 2.3 refuses to remove a pinhole
// it has renewed ("Unauthorized to remove PCP mapping"), which then lapses at
// the end of its lease as if the game had been killed.
TEST(PortMapperWithMiniupnpd, APinholeIsClosedAtTheEnd) {
    NetSandbox sandbox;
    if (!sandbox.startRouter()) GTEST_SKIP() << sandbox.whyNot();
    int game6 = -1;
    sandbox.run(Place::Home, [&] { game6 = listenerOn6(4128); });
    std::unique_ptr<PortMapper> mapper = mapperAtHome(sandbox, options(4128));
    ASSERT_NE(mapper, nullptr);
    EXPECT_EQ(mapper->waitUntilSettled(Patience).pinholeAddress, "2001:db8:4128::2");
    EXPECT_TRUE(reaches(sandbox, game6, home6()));
    mapper.reset();
    EXPECT_FALSE(reaches(sandbox, game6, home6())) << "the pinhole was left open";
    close(game6);
}

INSTANTIATE_TEST_SUITE_P(Protocols, PortMapperThroughMiniupnpd, ::testing::Values("natpmp", "pcp", "upnp"),
                         [](const auto& row) { return std::string(row.param); });

TEST(PortMapperWithMiniupnpd, ARouterThatRefusesIsReportedAndNothingIsMapped) {
    NetSandbox sandbox;
    if (!sandbox.startRouter()) GTEST_SKIP() << sandbox.whyNot();
    const auto mapper = mapperAtHome(sandbox, options(1000));  // below the range it allows
    ASSERT_NE(mapper, nullptr);
    const PortMapState state = mapper->waitUntilSettled(Patience);
    EXPECT_EQ(state.phase, Phase::NotMapped);
    EXPECT_EQ(state.reason, "the router refused the mapping (606 Action not authorized)");
    EXPECT_EQ(sandbox.routerForwards().find("dport 1000"), std::string::npos);
}

// ---- Devices that answer the wrong way ------------------------------------

// What a device sends to a discovery, and over HTTP to the GET of its
// description and to a POST to its control point.
enum class Discovery { Silent, Noise, Answer, AnswerForever, AnswerOffTheNetwork };
enum class Reply { Nothing, Description, Noise, EndlessNoise, Trickle, Unfinished, PrivateOutsideAddress };
// What the gateway's NAT-PMP port answers, when it listens at all; and, in
// the rows that give it, what it answers PCP (NAT-PMP then hears that its
// version is not spoken). Each wrong PCP reply is a grant but for one field.
enum class Pmp { Closed, Silent, Short, Long, WrongOpcode, Refused, Flood };
enum class PcpReply { None, Short, Long, WrongOpcode, WrongNonce, WrongEpoch, Flood };

struct HostileRow {
    const char* name;
    Discovery discovery;
    Reply get, post;
    const char* reason;  // null: any, as it depends on how the helper dies
    bool stopAtOnce = false;
    Pmp pmp = Pmp::Closed;
    PcpReply pcp = PcpReply::None;
};

void PrintTo(const HostileRow& row, std::ostream* out) { *out << row.name; }

// A device on the sandbox's router that answers as its row says; it listens
// once constructed (or never will: see listening()).
class HostileRouter {
public:
    HostileRouter(const NetSandbox& sandbox, const HostileRow& row) : row_(row) {
        std::future<void> listening = listening_.get_future();
        thread_ = sandbox.thread(Place::Router, [this] { serve(); });
        listens_ = listening.wait_for(10s) == std::future_status::ready;
    }
    ~HostileRouter() {
        stop_ = true;
        thread_.join();
    }
    bool listening() const { return listens_; }
    int connections() const { return connections_; }

private:
    void serve() {
        const int ssdp = socketOn(SOCK_DGRAM, "0.0.0.0", 1900), http = socketOn(SOCK_STREAM, "0.0.0.0", 0);
        const bool pmpPort = row_.pmp != Pmp::Closed || row_.pcp != PcpReply::None;
        const int pmp = pmpPort ? socketOn(SOCK_DGRAM, "0.0.0.0", 5351) : -1;
        ip_mreq group{};
        inet_pton(AF_INET, "239.255.255.250", &group.imr_multiaddr);
        inet_pton(AF_INET, NetSandbox::RouterLanAddress, &group.imr_interface);
        setsockopt(ssdp, IPPROTO_IP, IP_ADD_MEMBERSHIP, &group, sizeof group);
        sockaddr_in bound{};
        socklen_t length = sizeof bound;
        getsockname(http, reinterpret_cast<sockaddr*>(&bound), &length);
        const bool offNetwork = row_.discovery == Discovery::AnswerOffTheNetwork;
        const std::string answer =
            "HTTP/1.1 200 OK\r\nCACHE-CONTROL: max-age=120\r\n"
            "ST: urn:schemas-upnp-org:device:InternetGatewayDevice:1\r\n"
            "USN: uuid:0::urn:schemas-upnp-org:device:InternetGatewayDevice:1\r\nLOCATION: http://" +
            std::string(offNetwork ? NetSandbox::RouterWanAddress : NetSandbox::RouterLanAddress) + ":" +
            std::to_string(ntohs(bound.sin_port)) + "/rootDesc.xml\r\n\r\n";
        const bool forever = row_.discovery == Discovery::AnswerForever;
        listening_.set_value();
        sockaddr_in asker{};
        bool asked = false;
        const auto sendTo = [&](const std::string& bytes) {
            sendto(ssdp, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&asker), sizeof asker);
        };
        while (!stop_) {
            if (asked && forever) sendTo(answer);
            pollfd fds[3] = {{ssdp, POLLIN, 0}, {http, POLLIN, 0}, {pmp, POLLIN, 0}};
            if (poll(fds, 3, asked && forever ? 1 : 50) <= 0) continue;
            if (fds[2].revents != 0) answerPmp(pmp);
            if (fds[0].revents != 0) {
                char request[2048];
                socklen_t size = sizeof asker;
                recvfrom(ssdp, request, sizeof request, 0, reinterpret_cast<sockaddr*>(&asker), &size);
                asked = true;
                if (row_.discovery == Discovery::Noise) sendTo(noise(1400));
                else if (row_.discovery != Discovery::Silent) sendTo(answer);
            }
            if (fds[1].revents != 0) {
                const int client = accept4(http, nullptr, nullptr, SOCK_CLOEXEC);
                ++connections_;
                char request[4096] = {};
                const bool post = recv(client, request, sizeof request - 1, 0) > 4 &&
                                  std::string_view(request, 4) == "POST";
                reply(client, post ? row_.post : row_.get);
                close(client);
            }
        }
        close(http);
        close(ssdp);
        if (pmp >= 0) close(pmp);
    }

    void answerPmp(int pmp) {
        unsigned char request[64];
        sockaddr_in asker{};
        socklen_t size = sizeof asker;
        const ssize_t n = recvfrom(pmp, request, sizeof request, 0, reinterpret_cast<sockaddr*>(&asker), &size);
        if (n < 2) return;
        const auto sendBack = [&](const std::string& bytes) {
            sendto(pmp, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&asker), sizeof asker);
        };
        if (row_.pcp == PcpReply::Flood && request[0] == 2) {
            for (int i = 0; i < 2000 && !stop_; ++i) sendBack(noise(60));
            return;
        }
        if (row_.pcp != PcpReply::None) return sendBack(answerPcp(request, static_cast<std::size_t>(n)));
        // Version 0, the answer's opcode, a result, the epoch, then the
        // public address (or a mapping's ports and lifetime).
        std::string reply = {'\0', static_cast<char>(128 + request[1]), '\0', '\0', '\0', '\0', '\0', '\x10',
                             '\xC6', '\x33', '\x64', '\x07', '\0', '\0', '\0', '\0'};
        reply.resize(request[1] == 0 ? 12 : 16);
        switch (row_.pmp) {
        case Pmp::Closed:
        case Pmp::Silent: break;
        case Pmp::Short: sendBack(reply.substr(0, 3)); break;
        case Pmp::Long: sendBack(noise(1400)); break;
        case Pmp::WrongOpcode: reply[1] = static_cast<char>(128 + 1); sendBack(reply); break;
        case Pmp::Refused: reply[3] = 2; sendBack(reply); break;
        case Pmp::Flood:
            for (int i = 0; i < 2000 && !stop_; ++i) sendBack(noise(16));
        }
    }

    // A PCP-only gateway's answer to `request`: NAT-PMP's "unsupported
    // version" to NAT-PMP; to PCP, the row's wrong reply.
    std::string answerPcp(const unsigned char* request, std::size_t size) {
        if (request[0] != 2) return {'\0', static_cast<char>(128 + request[1]), '\0', '\1', '\0', '\0', '\0', '\0'};
        const bool map = (request[1] & 0x7F) == 1 && size >= 60;
        std::string reply(map ? 60 : 24, '\0');
        reply[0] = 2;
        reply[1] = static_cast<char>(0x80 | request[1]);
        reply[6] = 0x0E;  // a lifetime of 3600 s
        reply[7] = 0x10;
        epoch_ = row_.pcp == PcpReply::WrongEpoch && map ? 5 : epoch_ + 1;
        for (int i = 0; i < 4; ++i) reply[8 + i] = static_cast<char>(epoch_ >> (24 - 8 * i));
        if (map) {
            std::copy(request + 24, request + 44, reply.begin() + 24);  // nonce, protocol, ports
            reply[42] = static_cast<char>(request[40]);                  // the same port outside
            reply[43] = static_cast<char>(request[41]);
            const char outside[] = {'\xFF', '\xFF', 11, 22, 33, 44};
            std::copy(outside, outside + 6, reply.begin() + 54);
        }
        switch (row_.pcp) {
        case PcpReply::Short: return reply.substr(0, 3);
        case PcpReply::Long: return noise(1400);
        case PcpReply::WrongOpcode: reply[1] = static_cast<char>(0x82); break;
        case PcpReply::WrongNonce: reply[24] = static_cast<char>(reply[24] ^ 1); break;
        default: break;
        }
        return reply;
    }

    void reply(int client, Reply how) {
        static const std::string description =
            "<?xml version=\"1.0\"?><root xmlns=\"urn:schemas-upnp-org:device-1-0\"><device><deviceType>"
            "urn:schemas-upnp-org:device:InternetGatewayDevice:1</deviceType><serviceList><service><serviceType>"
            "urn:schemas-upnp-org:service:WANIPConnection:1</serviceType><controlURL>/ctl</controlURL>"
            "<SCPDURL>/scpd.xml</SCPDURL></service></serviceList></device></root>";
        // Connected, behind another router: one answer serves every question.
        static const std::string privateAddress =
            "<s:Envelope><s:Body><u:Response><NewConnectionStatus>Connected</NewConnectionStatus>"
            "<NewExternalIPAddress>192.168.1.1</NewExternalIPAddress></u:Response></s:Body></s:Envelope>";
        const auto ok = [](std::size_t length) {
            return "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " + std::to_string(length) +
                   "\r\n\r\n";
        };
        switch (how) {
        case Reply::Nothing: break;
        case Reply::Description: send(client, ok(description.size()) + description); break;
        case Reply::PrivateOutsideAddress: send(client, ok(privateAddress.size()) + privateAddress); break;
        case Reply::Noise: send(client, ok(4096) + noise(4096)); break;
        case Reply::EndlessNoise:
            send(client, "HTTP/1.1 200 OK\r\n\r\n");
            for (const std::string block = noise(65536); !stop_ && send(client, block);) {}
            break;
        case Reply::Trickle:
            send(client, ok(100000));
            while (!stop_ && send(client, "<")) std::this_thread::sleep_for(500ms);
            break;
        case Reply::Unfinished:
            send(client, "HTTP/1.1 200 OK\r\nContent-Le");
            while (!stop_) std::this_thread::sleep_for(50ms);
        }
    }

    // Whole, or false once the reader has gone (or stop is asked).
    bool send(int client, const std::string& bytes) {
        const timeval patience{0, 100000};
        setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
        for (std::size_t sent = 0; sent < bytes.size() && !stop_;) {
            const ssize_t n = ::send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
            sent += n > 0 ? static_cast<std::size_t>(n) : 0;
        }
        return !stop_;
    }
    std::string noise(std::size_t size) {
        std::string bytes(size, '\0');
        for (char& c : bytes) c = static_cast<char>(rng_());
        return bytes;
    }

    const HostileRow row_;
    std::atomic<bool> stop_{false};
    std::atomic<int> connections_{0};
    std::mt19937 rng_{1900};
    std::uint32_t epoch_ = 100000;
    std::promise<void> listening_;
    bool listens_ = false;
    std::thread thread_;
};

class PortMapperAgainstHostileRouters : public ::testing::TestWithParam<HostileRow> {};

// Whatever the device does, the constructor returns before any answer, the
// mapper settles on "not mapped" within its attempt limit (or stops at once
// when asked), the helper is gone with the mapper, and a description off the
// home network is never fetched.
TEST_P(PortMapperAgainstHostileRouters, NeverMapsNeverHangsAndLeavesNothingBehind) {
    const HostileRow& row = GetParam();
    NetSandbox sandbox;
    if (!sandbox.whyNot().empty()) GTEST_SKIP() << sandbox.whyNot();
    const HostileRouter router(sandbox, row);
    ASSERT_TRUE(router.listening());
    std::unique_ptr<PortMapper> mapper = mapperAtHome(sandbox, options(4128));
    ASSERT_NE(mapper, nullptr);
    if (row.stopAtOnce) mapper->requestStop();
    const PortMapState state = mapper->waitUntilSettled(Patience);
    EXPECT_EQ(state.phase, Phase::NotMapped);
    EXPECT_EQ(row.reason ? state.reason : "", row.reason ? row.reason : "") << state.reason;
    EXPECT_FALSE(state.reason.empty());
    mapper.reset();
    EXPECT_TRUE(waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD) << "a child of this process is left";
    const bool followedOff = row.discovery == Discovery::AnswerOffTheNetwork && router.connections() > 0;
    EXPECT_FALSE(followedOff) << "followed a description off the home network";
}

using D = Discovery;
using R = Reply;
const HostileRow hostileRows[] = {
    {"NobodyAnswers", D::Silent, R::Nothing, R::Nothing, "no router answered"},
    {"DiscoveryAnsweredWithNoise", D::Noise, R::Nothing, R::Nothing, "no router answered"},
    {"DiscoveryAnsweredForever", D::AnswerForever, R::Nothing, R::Nothing, "the router did not answer in time"},
    {"StoppedWhileDiscovering", D::AnswerForever, R::Nothing, R::Nothing, "stopped", true},
    {"DescriptionElsewhere", D::AnswerOffTheNetwork, R::Description, R::Nothing, "no router answered"},
    {"DescriptionIsNoise", D::Answer, R::Noise, R::Noise, "no Internet gateway among the devices that answered"},
    {"DescriptionNeverEnds", D::Answer, R::EndlessNoise, R::Nothing, nullptr},
    {"DescriptionTrickles", D::Answer, R::Trickle, R::Nothing, "the router did not answer in time"},
    {"DescriptionStopsHalfway", D::Answer, R::Unfinished, R::Nothing, "the router did not answer in time"},
    {"ControlAnswersNoise", D::Answer, R::Description, R::Noise, "the router is not connected to the Internet"},
    {"OutsideAddressIsPrivate", D::Answer, R::Description, R::PrivateOutsideAddress,
     "the router has no public outside address"},
    // NAT-PMP, asked first, answering wrongly: UPnP is asked after it all the same.
    {"PmpSilent", D::Silent, R::Nothing, R::Nothing, "no router answered", false, Pmp::Silent},
    {"PmpShort", D::Silent, R::Nothing, R::Nothing, "no router answered", false, Pmp::Short},
    {"PmpLong", D::Silent, R::Nothing, R::Nothing, "no router answered", false, Pmp::Long},
    {"PmpWrongOpcode", D::Silent, R::Nothing, R::Nothing, "no router answered", false, Pmp::WrongOpcode},
    {"PmpRefused", D::Silent, R::Nothing, R::Nothing, "no router answered", false, Pmp::Refused},
    {"PmpFlood", D::Silent, R::Nothing, R::Nothing, "no router answered", false, Pmp::Flood},
    // A gateway of PCP alone, answering wrongly: nothing is mapped through it.
    {"PcpShort", D::Silent, R::Nothing, R::Nothing, "no router answered", false, Pmp::Closed, PcpReply::Short},
    {"PcpLong", D::Silent, R::Nothing, R::Nothing, "no router answered", false, Pmp::Closed, PcpReply::Long},
    {"PcpWrongOpcode", D::Silent, R::Nothing, R::Nothing, "no router answered", false, Pmp::Closed,
     PcpReply::WrongOpcode},
    {"PcpWrongNonce", D::Silent, R::Nothing, R::Nothing, "no router answered", false, Pmp::Closed,
     PcpReply::WrongNonce},
    {"PcpWrongEpoch", D::Silent, R::Nothing, R::Nothing, "no router answered", false, Pmp::Closed,
     PcpReply::WrongEpoch},
    {"PcpFlood", D::Silent, R::Nothing, R::Nothing, "no router answered", false, Pmp::Closed, PcpReply::Flood},
};

INSTANTIATE_TEST_SUITE_P(Rows, PortMapperAgainstHostileRouters, ::testing::ValuesIn(hostileRows),
                         [](const ::testing::TestParamInfo<HostileRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace orbel
