// The lines of the "Your Network Address..." box: which of a machine's
// addresses are listed (read from the interfaces of a namespace whose
// addresses are known), and how they and the router's outside address read.
#include <gtest/gtest.h>

#include "net/address_lines.h"
#include "tests/support/net_sandbox.h"

namespace orbel {
namespace {

using testing::NetSandbox;

QList<QHostAddress> addresses(std::initializer_list<const char*> texts) {
    QList<QHostAddress> list;
    for (const char* text : texts) list.append(QHostAddress(QString::fromLatin1(text)));
    return list;
}

PortMapState mappedAt(const char* outside, std::uint16_t port, const char* pinhole = "") {
    return {PortMapState::Phase::Mapped, outside, port, {}, "upnp", pinhole, "pcp"};
}

TEST(AddressLines, ListEachAddressWithItsPortThenTheRouterOrHowToForward) {
    const PortMapState mapped = mappedAt("11.22.33.44", 4128);
    const PortMapState pinholed = mappedAt("11.22.33.44", 4128, "2001:db8::7");
    const PortMapState refused{PortMapState::Phase::NotMapped, {}, 0, "the router refused the mapping (606)", {}, {}, {}};
    const PortMapState asking{PortMapState::Phase::Trying, {}, 0, {}, {}, {}, {}};
    const QString byHand = QStringLiteral(
        "For friends on the Internet to reach you over IPv4, forward TCP port %1 on your router to this computer.");
    const QString firewall = QStringLiteral(
        "If this computer has a firewall, let TCP port %1 in: sudo ufw allow %1/tcp, or sudo firewall-cmd --permanent "
        "--add-port=%1/tcp; sudo firewall-cmd --reload.");
    const QString ipv6 = QStringLiteral(
        "Most home routers stop calls from the Internet to IPv6 addresses; look for \"allow incoming\" or "
        "\"pinhole\" in yours.");
    struct Row {
        QList<QHostAddress> local;
        std::uint16_t port;
        const PortMapState* router;
        bool mayAsk;
        QStringList lines;
    } rows[] = {
        {addresses({"192.168.1.20", "192.0.2.7", "2001:db8::7"}), 4128, &mapped, true,
         {"192.168.1.20:4128 (your local network only)", "192.0.2.7:4128",
          "[2001:db8::7]:4128 (from the Internet only if your router lets calls in)",
          "11.22.33.44:4128 (from the Internet, through your router)", ipv6, firewall.arg(4128)}},
        {addresses({"10.41.28.2", "100.64.0.9"}), 5000, &refused, true,
         {"10.41.28.2:5000 (your local network only)", "100.64.0.9:5000 (your local network only)",
          "Your router did not let calls in (the router refused the mapping (606)): forward TCP port 5000 on your "
          "router to this computer.",
          firewall.arg(5000)}},
        {{}, 4128, &asking, true, {"Asking your router to let calls from the Internet in...", firewall.arg(4128)}},
        {{}, 4128, nullptr, false, {byHand.arg(4128), firewall.arg(4128)}},
        {{}, 4128, nullptr, true,
         {"For friends on the Internet to reach you over IPv4, turn on Accept Calls from the Internet, or forward TCP "
          "port 4128 on your router to this computer.",
          firewall.arg(4128)}},
        // A pinhole for one IPv6 address: the other still depends on the router.
        {addresses({"2001:db8::7", "2001:db8::8"}), 4128, &pinholed, false,
         {"[2001:db8::7]:4128 (from the Internet, through a pinhole your router opened)",
          "[2001:db8::8]:4128 (from the Internet only if your router lets calls in)",
          "11.22.33.44:4128 (from the Internet, through your router)", ipv6, firewall.arg(4128)}},
        {addresses({"2001:db8::7"}), 4128, &pinholed, false,
         {"[2001:db8::7]:4128 (from the Internet, through a pinhole your router opened)",
          "11.22.33.44:4128 (from the Internet, through your router)", firewall.arg(4128)}},
        // A machine on the outside address itself needs no second line for it.
        {addresses({"11.22.33.44"}), 4128, &mapped, false, {"11.22.33.44:4128", firewall.arg(4128)}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(networkAddressLines(row.local, row.port, row.router, row.mayAsk), row.lines);
}

TEST(AddressLines, OnlyAddressesOthersCanReachAreListed) {
    NetSandbox sandbox;
    if (!sandbox.whyNot().empty()) GTEST_SKIP() << sandbox.whyNot();
    // Home has loopback, 10.41.28.2, a global, a unique local and a link-local IPv6 address.
    QList<QHostAddress> found;
    sandbox.run(NetSandbox::Place::Home, [&] { found = reachableLocalAddresses(); });
    EXPECT_EQ(found, addresses({NetSandbox::HomeAddress, "2001:db8:4128::2"}));
}

}  // namespace
}  // namespace orbel
