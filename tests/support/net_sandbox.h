// A home network, its router and the Internet beyond, as three network
// namespaces made for one test and gone with it:
//
//   Home (this machine)       Router                    Outside (a friend)
//   lan 10.41.28.2/24  ----  lan 10.41.28.1/24
//       2001:db8:4128::2/64      2001:db8:4128::1/64
//       fd41:28::2/64         wan 203.0.113.1/24  ----  wan 203.0.113.2/24
//                                 2001:db8:ffff::1/64       2001:db8:ffff::2/64
//
// The router forwards between its two sides and, once startRouter() runs,
// is Debian's miniupnpd over nftables; it tells UPnP clients that its
// outside address is OutsideAddress, and its firewall lets nothing in from
// outside over either protocol unless miniupnpd opens the way. The veth pairs are made inside the
// namespaces, so the machine's own network is never touched, and nothing
// here can reach any address beyond them. Making namespaces needs root.
#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
#include <thread>

namespace orbel::testing {

class NetSandbox {
public:
    enum class Place { Home, Router, Outside };
    static constexpr const char* HomeAddress = "10.41.28.2";
    static constexpr const char* RouterLanAddress = "10.41.28.1";
    static constexpr const char* RouterWanAddress = "203.0.113.1";
    static constexpr const char* OutsideAddress = "11.22.33.44";

    NetSandbox();
    ~NetSandbox();
    NetSandbox(const NetSandbox&) = delete;
    NetSandbox& operator=(const NetSandbox&) = delete;

    // Empty when the namespaces stand, else why they could not be made.
    const std::string& whyNot() const { return whyNot_; }

    // Starts miniupnpd on the router with `extraConfig` lines added to its
    // configuration; false (with whyNot set) when it cannot run.
    bool startRouter(const std::string& extraConfig = {});
    // The router's port forwards, as nftables lists them.
    std::string routerForwards() const;
    // How many port mappings miniupnpd was asked for so far.
    int mappingRequests() const;

    // A thread inside `place`'s network namespace running `work`; sockets
    // and threads it makes stay there. `work` is never run anywhere else.
    std::thread thread(Place place, std::function<void()> work) const;
    void run(Place place, const std::function<void()>& work) const { thread(place, work).join(); }
    // Runs `work` on this thread inside `place`, for objects that must live
    // on it (a window's sockets); false when it could not get in or back.
    bool inside(Place place, const std::function<void()>& work) const;
    // Deletes the home's link under whatever crosses it: no FIN and no RST
    // ever arrives.
    bool cutHomeLink() const { return shell("ip -n " + name(Place::Router) + " link del lan"); }
    // Makes the home's link again, the router's side at `routerAddress` (a
    // laptop that came back from another network, seen from the home).
    bool relinkHome(const std::string& routerAddress = RouterLanAddress) const;
    // Moves this thread into `place` until the sandbox goes: every socket
    // made meanwhile, by timers too, is made there.
    bool enter(Place place);

private:
    std::string name(Place place) const;
    void removeLeftovers() const;
    bool shell(const std::string& command) const;

    std::string prefix_;
    std::string folder_;
    std::string whyNot_;
    pid_t router_ = -1;
    int left_ = -1;  // the namespace enter() left
};

}  // namespace orbel::testing
