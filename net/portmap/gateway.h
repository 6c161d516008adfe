// Inside orbel-chess-portmap: what it was asked to do, and what it maps the
// port through (NAT-PMP, PCP or a UPnP router), each a Gateway.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace orbel::portmap {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using std::chrono::seconds;

struct Settings {
    std::uint16_t port = 0;
    seconds lease{3600};
    milliseconds discovery{2000};
    seconds attempt{10};
    milliseconds remove{1500};
    std::string description = "Orbel Chess";
    // Which of "natpmp", "pcp" and "upnp" may be used, in that order.
    std::string protocols = "natpmp,pcp,upnp";
    bool allows(const char* protocol) const;
};

// What the port is mapped (or a pinhole opened) through, and the words the
// helper's lines use.
class Gateway {
public:
    virtual ~Gateway() = default;
    // Asks for (or renews) the mapping; empty when granted, else why not.
    virtual std::string map(const Settings& s) = 0;
    virtual void unmap(const Settings& s) = 0;
    // Where the Internet reaches the mapping.
    virtual const std::string& outside() const = 0;
    virtual std::uint16_t outsidePort(const Settings& s) const { return s.port; }
    virtual const char* protocol() const = 0;
    // How long the last grant lasts: the gateway may give less than asked.
    virtual seconds lifetime(const Settings& s) const { return s.lease; }
};

std::optional<std::uint32_t> ipv4(const char* text);
// Not in a block no outside peer can reach.
bool isPublicIpv4(std::uint32_t address);

// PCP (RFC 6887) with the default gateway of one address family: over IPv4 a
// port of the router's outside address mapped here, over IPv6 a pinhole in
// the router's firewall for this machine's stable global address.
class Pcp : public Gateway {
public:
    Pcp(bool ipv6, milliseconds patience);
    ~Pcp() override;
    Pcp(const Pcp&) = delete;
    Pcp& operator=(const Pcp&) = delete;

    // Finds the gateway and asks whether it speaks PCP; empty when it does,
    // else why not.
    std::string find();
    std::string map(const Settings& s) override;
    void unmap(const Settings& s) override;
    const std::string& outside() const override { return outside_; }
    std::uint16_t outsidePort(const Settings&) const override { return granted_; }
    const char* protocol() const override { return "pcp"; }
    seconds lifetime(const Settings& s) const override;

private:
    struct State;
    std::string ask(const Settings& s, std::uint32_t lifetime);
    std::string exchange(const unsigned char* request, std::size_t size, int opcode);
    bool epochFollows();

    const bool ipv6_;
    const milliseconds patience_;
    std::unique_ptr<State> state_;
    std::string outside_;
    std::uint16_t granted_ = 0;
};

}  // namespace orbel::portmap
