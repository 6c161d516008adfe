// How long the router's port mapping takes, with the program's own settings,
// on the namespaces of tests/support/net_sandbox.h (run as root):
//   - what starting and stopping it costs the thread that does so (the UI
//     thread in the game);
//   - from start to "not mapped" on a home network with no router that
//     answers;
//   - from start to "mapped" against miniupnpd, by NAT-PMP and by UPnP, and
//     removing it at the end.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "net/portmap/port_mapper.h"
#include "tests/support/net_sandbox.h"

namespace {

using orbel::PortMapOptions;
using orbel::PortMapper;
using orbel::PortMapState;
using orbel::testing::NetSandbox;
using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Stats {
    std::vector<double> values;
    void print(const char* what) {
        std::sort(values.begin(), values.end());
        std::printf("%-58s median %9.3f ms   min %9.3f   max %9.3f   (n=%zu)\n", what, values[values.size() / 2],
                    values.front(), values.back(), values.size());
    }
};

PortMapOptions programOptions() {
    PortMapOptions o;  // the program's own: 2 s discovery, a 20-minute lease
    o.helperPath = ORBEL_PORTMAP_HELPER;
    return o;
}

}  // namespace

int main() {
    NetSandbox sandbox;
    if (!sandbox.whyNot().empty()) {
        std::printf("portmap_bench: %s\n", sandbox.whyNot().c_str());
        return 1;
    }
    Stats construct, stopDiscovering, notMapped;
    // The caller's cost: constructing, and destroying while discovery runs.
    for (int i = 0; i < 20; ++i) {
        sandbox.run(NetSandbox::Place::Home, [&] {
            const auto t0 = Clock::now();
            auto mapper = std::make_unique<PortMapper>(programOptions());
            const auto t1 = Clock::now();
            mapper.reset();
            construct.values.push_back(ms(t1 - t0));
            stopDiscovering.values.push_back(ms(Clock::now() - t1));
        });
    }
    // No router answers: start to "not mapped".
    for (int i = 0; i < 3; ++i) {
        sandbox.run(NetSandbox::Place::Home, [&] {
            const auto t0 = Clock::now();
            const PortMapper mapper(programOptions());
            const PortMapState state = mapper.waitUntilSettled(std::chrono::seconds(30));
            notMapped.values.push_back(ms(Clock::now() - t0));
            if (state.phase != PortMapState::Phase::NotMapped) std::printf("unexpected: %s\n", state.reason.c_str());
        });
    }
    construct.print("constructor (the caller's thread)");
    stopDiscovering.print("destructor while discovering (the caller's thread)");
    notMapped.print("no router: start to not mapped");

    // Against miniupnpd: with NAT-PMP on, which the helper asks first; PCP
    // when the helper is told to ask only that; and with UPnP alone, which it
    // falls back to. Each time includes the IPv6 pinhole miniupnpd opens by
    // PCP. A sandbox each: a router's configuration is set when it starts.
    const auto mapping = [](NetSandbox& home, const char* how) {
        Stats mapped, removed;
        for (int i = 0; i < 5; ++i) {
            home.run(NetSandbox::Place::Home, [&] {
                const auto t0 = Clock::now();
                PortMapOptions o = programOptions();
                if (std::string(how) == "pcp") o.protocols = how;
                auto mapper = std::make_unique<PortMapper>(o);
                const PortMapState state = mapper->waitUntilSettled(std::chrono::seconds(30));
                mapped.values.push_back(ms(Clock::now() - t0));
                if (state.phase != PortMapState::Phase::Mapped || state.protocol != how)
                    std::printf("run %d unexpected: %s %s\n", i, state.protocol.c_str(), state.reason.c_str());
                const auto t1 = Clock::now();
                mapper.reset();
                removed.values.push_back(ms(Clock::now() - t1));
            });
        }
        mapped.print((std::string("miniupnpd, ") + how + ": start to mapped").c_str());
        removed.print((std::string("miniupnpd, ") + how + ": destructor removing the mapping").c_str());
    };
    NetSandbox natpmp, pcp;
    if (!natpmp.startRouter("enable_natpmp=yes") || !pcp.startRouter("enable_natpmp=yes") || !sandbox.startRouter()) {
        std::printf("portmap_bench: %s%s%s\n", natpmp.whyNot().c_str(), pcp.whyNot().c_str(), sandbox.whyNot().c_str());
        return 1;
    }
    mapping(natpmp, "natpmp");
    mapping(pcp, "pcp");
    mapping(sandbox, "upnp");
    return 0;
}
