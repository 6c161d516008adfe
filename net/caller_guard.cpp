#include "net/caller_guard.h"

#include <algorithm>
#include <tuple>

namespace orbel {

std::size_t CallerGuard::indexOf(const Address& address) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&address](const Entry& e) { return e.used && e.address == address; });
    return static_cast<std::size_t>(found - entries_.begin());
}

bool CallerGuard::ignored(const Address& address, Clock::time_point now) const {
    const std::size_t i = indexOf(address);
    return i < Entries && now < entries_[i].ignoredUntil;
}

void CallerGuard::strike(const Address& address, Clock::time_point now, std::chrono::milliseconds ignoreFor) {
    std::size_t i = indexOf(address);
    if (i == Entries) {
        // A free entry, or the one struck longest ago; one that is ignored
        // now goes last.
        const auto key = [now](const Entry& e) { return std::tuple(e.used, now < e.ignoredUntil, e.touched); };
        i = static_cast<std::size_t>(
            std::min_element(entries_.begin(), entries_.end(),
                             [&key](const Entry& a, const Entry& b) { return key(a) < key(b); }) -
            entries_.begin());
        entries_[i] = Entry{address, {}, 0, 0, {}, now, true};
    }
    Entry* e = &entries_[i];
    e->touched = now;
    e->strikes[static_cast<std::size_t>(e->next)] = now;
    e->next = (e->next + 1) % Strikes;
    e->count = std::min(e->count + 1, Strikes);
    // Once full, the slot to be written next holds the oldest of the last three.
    const Clock::time_point oldest = e->strikes[static_cast<std::size_t>(e->next)];
    if (e->count == Strikes && now - oldest <= Within) {
        e->ignoredUntil = now + ignoreFor;
        e->count = 0;
    }
}

}  // namespace orbel
