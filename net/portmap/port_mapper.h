// Opens the game's port on the home router (NAT-PMP, PCP or UPnP IGD), and a
// pinhole in its IPv6 firewall where it speaks PCP, so that a friend outside
// can call in; closes them again when the program ends.
//
// The router talks to a separate small program, orbel-chess-portmap, and
// never to this process. Whatever answers on the local network is a stranger
// and the UPnP library trusts it: it reads a reply until the sender stops,
// into as much memory as the sender fills, with no deadline for the whole.
// In a process of its own that is harmless: the helper caps its memory and
// its time, and this side can kill it at any moment, so neither start-up nor
// exit ever waits on a router beyond the limits below, and nothing a router
// sends reaches this process's memory.
//
// The helper's lines on its standard output, one per event:
//   "mapped ADDRESS PORT HOW"  the router forwards PORT of its outside
//                          ADDRESS here, asked by HOW ("natpmp", "pcp" or "upnp")
//   "pinholed ADDRESS PORT HOW"  the IPv6 router lets calls in to PORT of
//                          this machine's ADDRESS (HOW: "pcp"); comes before
//                          the first "mapped" or "failed"
//   "unpinholed REASON..."  a renewal of the pinhole failed
//   "failed REASON..."     the attempt failed; the helper exits unless a
//                          mapping or a pinhole held before (then it tries
//                          again later)
//   "removed"              the mapping was taken away at the end
// Closing its standard input asks it to remove the mapping and exit.
//
// Standard C++ on POSIX; no Qt. The window reads state() on its own thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <thread>

namespace orbel {

struct PortMapOptions {
    // The orbel-chess-portmap program (findPortMapHelper).
    std::string helperPath;
    // This copy's listening port; the router's outside port has the same number.
    std::uint16_t port = 4128;
    std::string description = "Orbel Chess";
    // Renewed at half time while the program runs, so a program killed
    // without a word leaves the router open this long at most.
    std::chrono::seconds lease{1200};
    // Discovery at most: routers are asked to answer within half of it, and
    // after the last answer as long again passes in silence before it ends.
    // (At least 2 s: routers are given at least a second to answer.)
    std::chrono::milliseconds discoveryLimit{2000};
    // One whole attempt (discovery and mapping, or a renewal) at most; a
    // router that takes longer is given up.
    std::chrono::seconds attemptLimit{10};
    // Removing the mapping at the end, at most.
    std::chrono::milliseconds removeLimit{1500};
    // The ways the router may be asked, tried in this order.
    std::string protocols = "natpmp,pcp,upnp";
};

struct PortMapState {
    enum class Phase { Trying, Mapped, NotMapped };
    Phase phase = Phase::Trying;
    // The router's outside address and port, while Mapped.
    std::string outsideAddress;
    std::uint16_t outsidePort = 0;
    // Why it is NotMapped, in a few words (for a log or a tooltip).
    std::string reason;
    // How it is Mapped: "natpmp", "pcp" or "upnp".
    std::string protocol;
    // This machine's IPv6 address the router lets calls in to, and how it
    // was asked; empty when there is no pinhole.
    std::string pinholeAddress;
    std::string pinholeProtocol;
};

// The helper program for a game program in `programDir`: beside it in a
// build tree, or in libexec/orbel-chess beside bin/ where it is installed.
// Empty when neither exists.
std::string findPortMapHelper(const std::string& programDir);

class PortMapper {
public:
    // Returns at once: the helper is started on a thread of the mapper's own.
    explicit PortMapper(PortMapOptions options);
    // Removes the mapping (within removeLimit) if one is held, otherwise
    // stops the helper at once; joins the thread.
    ~PortMapper();
    PortMapper(const PortMapper&) = delete;
    PortMapper& operator=(const PortMapper&) = delete;

    // A copy of the latest state; safe from any thread.
    PortMapState state() const;
    // Starts the end without waiting for it (say, as the window closes);
    // the destructor then has less to wait for.
    void requestStop();
    // Waits until the state leaves Trying, or `limit` passes; the state then.
    PortMapState waitUntilSettled(std::chrono::milliseconds limit) const;

private:
    void run();
    // The helper started with its input and output on the two pipe ends; -1
    // when it could not be.
    pid_t spawnHelper(int toHelper, int fromHelper) const;
    // Its lines read until it ends or a stop is asked for, then its end.
    void followHelper(pid_t helper, int& toHelper, int fromHelper);
    // Reads what the helper wrote and acts on each whole line; false once it
    // has ended.
    bool readLines(int fd);
    void handleLine(std::string_view line);
    // The state with the router's answer for IPv4, the pinhole kept.
    void settle(PortMapState next);
    void forgetPinhole();
    void shutDown(pid_t helper, int& toHelper, int fromHelper, bool mapped);

    const PortMapOptions options_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    PortMapState state_;
    // The worker's own: the helper's unfinished line, and whether it ever mapped.
    std::string pending_;
    bool everMapped_ = false;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::thread worker_;
};

}  // namespace orbel
