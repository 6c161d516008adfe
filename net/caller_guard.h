// The addresses that have lately wasted this copy's time. A caller turned
// away, one the user refused, and one that gave up or was given up before
// its request was decided each count against their address; three within a
// minute, and the address is ignored for a while. Only the address counts:
// nothing else a caller sends can put it in another place. The table is
// fixed: a peer calling from address after address pushes the oldest entry
// out and costs no more memory.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>

namespace orbel {

class CallerGuard {
public:
    using Clock = std::chrono::steady_clock;
    // IPv6, with an IPv4 address in its IPv4-mapped form.
    using Address = std::array<std::uint8_t, 16>;
    static constexpr int Strikes = 3;
    static constexpr std::chrono::seconds Within{60};
    static constexpr std::size_t Entries = 32;

    bool ignored(const Address& address, Clock::time_point now) const;
    // One more against `address`; the third within a minute has it
    // ignored for `ignoreFor` from `now`.
    void strike(const Address& address, Clock::time_point now, std::chrono::milliseconds ignoreFor);

private:
    struct Entry {
        Address address{};
        // The latest strikes, the newest at `next - 1` (round).
        std::array<Clock::time_point, Strikes> strikes{};
        int count = 0;
        int next = 0;
        Clock::time_point ignoredUntil{};
        Clock::time_point touched{};
        bool used = false;
    };
    // The entry of `address`, or Entries for none.
    std::size_t indexOf(const Address& address) const;

    std::array<Entry, Entries> entries_{};
};

}  // namespace orbel
