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

#include "net/port_mapper.h"
#include "tests/support/net_sandbox.h"

namespace orbel {
namespace {

using namespace std::chrono_literals;
using testing::NetSandbox;
using Place = NetSandbox::Place;
using Phase = PortMapState::Phase;

// Generous: only a hang runs into it.
constexpr auto Patience = 30s;

PortMapOptions options(std::uint16_t port) {
    PortMapOptions o;
    o.helperPath = ORBEL_PORTMAP_HELPER;
    o.port = port;
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

int tcpListener(const char* host, std::uint16_t port) {
    const int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    const sockaddr_in a = ipv4Address(host, port);
    bind(s, reinterpret_cast<const sockaddr*>(&a), sizeof a);
    listen(s, 8);
    return s;
}

bool readable(int fd, std::chrono::milliseconds limit) {
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, static_cast<int>(limit.count())) == 1;
}

// Nothing of the helper is left behind: no child of this process remains.
bool noChildLeft() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

TEST(PortMapper, FindsItsHelperOrSaysAtOnceThatItIsMissing) {
    // Beside the game in a build tree, in libexec where it is installed.
    const std::string helper = ORBEL_PORTMAP_HELPER;
    EXPECT_EQ(findPortMapHelper(helper.substr(0, helper.rfind('/'))), helper);
    const std::filesystem::path prefix = std::filesystem::temp_directory_path() / ("orbel-prefix-" + std::to_string(getpid()));
    std::filesystem::create_directories(prefix / "bin");
    std::filesystem::create_directories(prefix / "libexec/orbel-chess");
    std::filesystem::create_symlink(helper, prefix / "libexec/orbel-chess/orbel-chess-portmap");
    EXPECT_EQ(findPortMapHelper((prefix / "bin").string()), (prefix / "bin/../libexec/orbel-chess/orbel-chess-portmap").string());
    std::filesystem::remove_all(prefix);
    EXPECT_EQ(findPortMapHelper("/nonexistent"), "");
    PortMapOptions o = options(4128);
    o.helperPath.clear();
    const PortMapper mapper(o);
    const PortMapState state = mapper.waitUntilSettled(Patience);
    EXPECT_EQ(state.phase, Phase::NotMapped);
    EXPECT_EQ(state.reason, "the port-mapping helper is missing");
}

TEST(PortMapperWithMiniupnpd, OpensThePortKeepsItOpenAndClosesItAtTheEnd) {
    NetSandbox sandbox;
    if (!sandbox.startRouter()) GTEST_SKIP() << sandbox.whyNot();
    int game = -1;
    std::unique_ptr<PortMapper> mapper;
    Phase atStart{};
    sandbox.run(Place::Home, [&] {
        game = tcpListener("0.0.0.0", 4128);
        PortMapOptions o = options(4128);
        o.lease = 2s;
        mapper = std::make_unique<PortMapper>(o);
        atStart = mapper->state().phase;
    });
    ASSERT_NE(mapper, nullptr);
    EXPECT_EQ(atStart, Phase::Trying);  // the router is asked later, not by the constructor
    const PortMapState mapped = mapper->waitUntilSettled(Patience);
    ASSERT_EQ(mapped.phase, Phase::Mapped) << mapped.reason;
    EXPECT_EQ(mapped.outsideAddress, NetSandbox::OutsideAddress);
    EXPECT_EQ(mapped.outsidePort, 4128);
    const std::string forward = "dport 4128 dnat ip to 10.41.28.2:4128";
    EXPECT_NE(sandbox.routerForwards().find(forward), std::string::npos) << sandbox.routerForwards();

    // A friend on the outside reaches the game through the router.
    sandbox.run(Place::Outside, [&] {
        const int call = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_in router = ipv4Address(NetSandbox::RouterWanAddress, 4128);
        EXPECT_EQ(connect(call, reinterpret_cast<const sockaddr*>(&router), sizeof router), 0) << errno;
        close(call);
    });
    EXPECT_TRUE(readable(game, 5s));

    // Past its two-second lease the mapping stands: it was renewed.
    std::this_thread::sleep_for(3s);
    EXPECT_NE(sandbox.routerForwards().find(forward), std::string::npos);
    EXPECT_GE(sandbox.mappingRequests(), 3);
    EXPECT_EQ(mapper->state().phase, Phase::Mapped);

    mapper.reset();
    EXPECT_EQ(sandbox.routerForwards().find("dport 4128"), std::string::npos) << "not removed at the end";
    close(game);
}

TEST(PortMapperWithMiniupnpd, ARouterThatRefusesIsReportedAndNothingIsMapped) {
    NetSandbox sandbox;
    if (!sandbox.startRouter()) GTEST_SKIP() << sandbox.whyNot();
    std::unique_ptr<PortMapper> mapper;
    sandbox.run(Place::Home, [&] { mapper = std::make_unique<PortMapper>(options(1000)); });  // below its allowed range
    ASSERT_NE(mapper, nullptr);
    const PortMapState state = mapper->waitUntilSettled(Patience);
    EXPECT_EQ(state.phase, Phase::NotMapped);
    EXPECT_EQ(state.reason, "the router refused the mapping (606 Action not authorized)");
    EXPECT_EQ(sandbox.routerForwards().find("dport 1000"), std::string::npos);
}

// ---- Devices that answer the wrong way ------------------------------------

enum class Misbehaviour {
    Silent, GarbageSsdp, EndlessSsdp, LocationOffTheNetwork, GarbageDescription,
    EndlessDescription, TrickledDescription, UnfinishedDescription, GarbageControl, PrivateOutsideAddress
};

// Plays a router on the sandbox's router: answers discovery and serves its
// description and control point, each in the way a row asks.
class HostileRouter {
public:
    // Returns once it listens (or could not: see listening()).
    HostileRouter(const NetSandbox& sandbox, Misbehaviour how) : how_(how) {
        std::future<void> listening = listening_.get_future();
        thread_ = sandbox.thread(Place::Router, [this] { serve(); });
        listens_ = listening.wait_for(10s) == std::future_status::ready;
    }
    bool listening() const { return listens_; }
    ~HostileRouter() {
        stop_ = true;
        thread_.join();
    }
    int connections() const { return connections_; }

private:
    void serve() {
        const int ssdp = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        const int on = 1;
        setsockopt(ssdp, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        const sockaddr_in any = ipv4Address("0.0.0.0", 1900);
        bind(ssdp, reinterpret_cast<const sockaddr*>(&any), sizeof any);
        ip_mreq group{};
        inet_pton(AF_INET, "239.255.255.250", &group.imr_multiaddr);
        inet_pton(AF_INET, NetSandbox::RouterLanAddress, &group.imr_interface);
        setsockopt(ssdp, IPPROTO_IP, IP_ADD_MEMBERSHIP, &group, sizeof group);
        const int http = tcpListener("0.0.0.0", 0);
        sockaddr_in bound{};
        socklen_t length = sizeof bound;
        getsockname(http, reinterpret_cast<sockaddr*>(&bound), &length);
        const std::string host = how_ == Misbehaviour::LocationOffTheNetwork ? NetSandbox::RouterWanAddress
                                                                             : NetSandbox::RouterLanAddress;
        const std::string answer = "HTTP/1.1 200 OK\r\nCACHE-CONTROL: max-age=120\r\n"
                                   "ST: urn:schemas-upnp-org:device:InternetGatewayDevice:1\r\n"
                                   "USN: uuid:0::urn:schemas-upnp-org:device:InternetGatewayDevice:1\r\n"
                                   "LOCATION: http://" + host + ":" + std::to_string(ntohs(bound.sin_port)) +
                                   "/rootDesc.xml\r\n\r\n";
        listening_.set_value();
        sockaddr_in asker{};
        bool asked = false;
        while (!stop_) {
            if (asked && how_ == Misbehaviour::EndlessSsdp) sendTo(ssdp, asker, answer);
            pollfd fds[2] = {{ssdp, POLLIN, 0}, {http, POLLIN, 0}};
            if (poll(fds, 2, asked && how_ == Misbehaviour::EndlessSsdp ? 1 : 50) <= 0) continue;
            if (fds[0].revents != 0) {
                char request[2048];
                socklen_t size = sizeof asker;
                recvfrom(ssdp, request, sizeof request, 0, reinterpret_cast<sockaddr*>(&asker), &size);
                asked = true;
                if (how_ == Misbehaviour::GarbageSsdp) sendTo(ssdp, asker, noise(1400));
                else if (how_ != Misbehaviour::Silent) sendTo(ssdp, asker, answer);
            }
            if (fds[1].revents != 0) {
                const int client = accept4(http, nullptr, nullptr, SOCK_CLOEXEC);
                ++connections_;
                answerHttp(client);
                close(client);
            }
        }
        close(http);
        close(ssdp);
    }

    void answerHttp(int client) {
        char request[4096] = {};
        const bool isPost = recv(client, request, sizeof request - 1, 0) > 4 && std::string_view(request, 4) == "POST";
        static const std::string description =
            "<?xml version=\"1.0\"?><root xmlns=\"urn:schemas-upnp-org:device-1-0\"><device><deviceType>"
            "urn:schemas-upnp-org:device:InternetGatewayDevice:1</deviceType><serviceList><service><serviceType>"
            "urn:schemas-upnp-org:service:WANIPConnection:1</serviceType><controlURL>/ctl</controlURL>"
            "<SCPDURL>/scpd.xml</SCPDURL></service></serviceList></device></root>";
        const auto ok = [](std::size_t length) {
            return "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " + std::to_string(length) + "\r\n\r\n";
        };
        switch (how_) {
        case Misbehaviour::GarbageDescription: send(client, ok(4096) + noise(4096)); break;
        case Misbehaviour::GarbageControl:
            send(client, isPost ? ok(4096) + noise(4096) : ok(description.size()) + description);
            break;
        case Misbehaviour::PrivateOutsideAddress: {
            // Connected, behind another router: one answer serves every question.
            static const std::string answer =
                "<s:Envelope><s:Body><u:Response><NewConnectionStatus>Connected</NewConnectionStatus>"
                "<NewExternalIPAddress>192.168.1.1</NewExternalIPAddress></u:Response></s:Body></s:Envelope>";
            send(client, isPost ? ok(answer.size()) + answer : ok(description.size()) + description);
            break;
        }
        case Misbehaviour::EndlessDescription:
            send(client, "HTTP/1.1 200 OK\r\n\r\n");
            for (const std::string block = noise(65536); !stop_ && send(client, block);) {}
            break;
        case Misbehaviour::TrickledDescription:
            send(client, ok(100000));
            while (!stop_ && send(client, "<")) std::this_thread::sleep_for(500ms);
            break;
        case Misbehaviour::UnfinishedDescription:
            send(client, "HTTP/1.1 200 OK\r\nContent-Le");
            while (!stop_) std::this_thread::sleep_for(50ms);
            break;
        default: break;
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
    static void sendTo(int s, const sockaddr_in& to, const std::string& bytes) {
        sendto(s, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }
    std::string noise(std::size_t size) {
        std::string bytes(size, '\0');
        for (char& c : bytes) c = static_cast<char>(rng_());
        return bytes;
    }

    const Misbehaviour how_;
    std::atomic<bool> stop_{false};
    std::atomic<int> connections_{0};
    std::mt19937 rng_{1900};
    std::promise<void> listening_;
    bool listens_ = false;
    std::thread thread_;
};

struct HostileRow {
    const char* name;
    Misbehaviour how;
    // The reason given (null: any, as it depends on how the helper dies).
    const char* reason;
    bool stopAtOnce = false;
};

void PrintTo(const HostileRow& row, std::ostream* out) { *out << row.name; }

class PortMapperAgainstHostileRouters : public ::testing::TestWithParam<HostileRow> {};

// Whatever the device does, the constructor returns before any answer, the
// mapper settles on "not mapped" within its attempt limit (or stops at once
// when asked), and the helper is gone with the mapper.
TEST_P(PortMapperAgainstHostileRouters, NeverMapsNeverHangsAndLeavesNothingBehind) {
    const HostileRow& row = GetParam();
    NetSandbox sandbox;
    if (!sandbox.whyNot().empty()) GTEST_SKIP() << sandbox.whyNot();
    const HostileRouter router(sandbox, row.how);
    ASSERT_TRUE(router.listening());
    std::unique_ptr<PortMapper> mapper;
    Phase atStart{};
    sandbox.run(Place::Home, [&] {
        mapper = std::make_unique<PortMapper>(options(4128));
        atStart = mapper->state().phase;
    });
    ASSERT_NE(mapper, nullptr);
    EXPECT_EQ(atStart, Phase::Trying);
    if (row.stopAtOnce) mapper->requestStop();
    const PortMapState state = mapper->waitUntilSettled(Patience);
    EXPECT_EQ(state.phase, Phase::NotMapped);
    EXPECT_EQ(row.reason ? state.reason : "", row.reason ? row.reason : "") << state.reason;
    EXPECT_FALSE(state.reason.empty());
    mapper.reset();
    EXPECT_TRUE(noChildLeft());
    if (row.how == Misbehaviour::LocationOffTheNetwork) {
        EXPECT_EQ(router.connections(), 0) << "followed it off the network";
    }
}

const HostileRow hostileRows[] = {
    {"NobodyAnswers", Misbehaviour::Silent, "no router answered"},
    {"DiscoveryAnsweredWithNoise", Misbehaviour::GarbageSsdp, "no router answered"},
    {"DiscoveryAnsweredForever", Misbehaviour::EndlessSsdp, "the router did not answer in time"},
    {"StoppedWhileDiscovering", Misbehaviour::EndlessSsdp, "stopped", true},
    {"DescriptionElsewhere", Misbehaviour::LocationOffTheNetwork, "no router answered"},
    {"DescriptionIsNoise", Misbehaviour::GarbageDescription, "no Internet gateway among the devices that answered"},
    {"DescriptionNeverEnds", Misbehaviour::EndlessDescription, nullptr},
    {"DescriptionTrickles", Misbehaviour::TrickledDescription, "the router did not answer in time"},
    {"DescriptionStopsHalfway", Misbehaviour::UnfinishedDescription, "the router did not answer in time"},
    {"ControlAnswersNoise", Misbehaviour::GarbageControl, "the router is not connected to the Internet"},
    {"OutsideAddressIsPrivate", Misbehaviour::PrivateOutsideAddress, "the router has no public outside address"},
};

INSTANTIATE_TEST_SUITE_P(Rows, PortMapperAgainstHostileRouters, ::testing::ValuesIn(hostileRows),
                         [](const ::testing::TestParamInfo<HostileRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace orbel
