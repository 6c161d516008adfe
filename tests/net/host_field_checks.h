// What holds for every text parseHostField is given, whatever it is: shared
// by the seeded mutation test and the libFuzzer target.
#pragma once

#include <string>
#include <string_view>

#include "net/wire/host_field.h"

namespace orbel::host_field_checks {

// Empty when every rule holds, else the first that broke.
inline std::string broken(std::string_view text) {
    const HostField field = parseHostField(text, 4128);
    if (!field.ok) return field.reason.empty() ? "refused without a reason" : "";
    if (!field.reason.empty()) return "accepted with a reason";
    if (field.host.empty() || field.port == 0) return "accepted without a host or port";
    if (field.host.find_first_of(" []\t") != std::string::npos) return "a space or bracket in the host";
    // What it yields, typed back, yields the same.
    const HostField again = parseHostField(hostFieldText(field), 1);
    if (!again.ok || again.host != field.host || again.port != field.port) return "no round trip";
    return {};
}

}  // namespace orbel::host_field_checks
