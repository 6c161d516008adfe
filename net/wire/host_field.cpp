#include "net/wire/host_field.h"

#include <algorithm>

namespace orbel {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

// Four decimal parts 0-255 without leading zeros: the tail of an IPv6
// address such as ::ffff:192.0.2.7.
bool isDottedQuad(std::string_view s) {
    int parts = 0;
    while (true) {
        std::size_t n = 0;
        int value = 0;
        while (n < s.size() && isDigit(s[n]) && n < 3) value = value * 10 + (s[n++] - '0');
        if (n == 0 || value > 255 || (n > 1 && s[0] == '0')) return false;
        s.remove_prefix(n);
        if (++parts == 4) return s.empty();
        if (s.empty() || s.front() != '.') return false;
        s.remove_prefix(1);
    }
}

// Hex groups of one to four digits between single colons, the last perhaps a
// dotted IPv4 address worth two groups: how many, or -1 when malformed.
int countIpv6Groups(std::string_view s, bool ipv4TailAllowed) {
    if (s.empty()) return 0;
    int groups = 0;
    while (true) {
        const std::size_t colon = s.find(':');
        const std::string_view group = s.substr(0, colon);
        if (colon == std::string_view::npos && ipv4TailAllowed && group.find('.') != std::string_view::npos)
            return isDottedQuad(group) ? groups + 2 : -1;
        if (group.empty() || group.size() > 4 || !std::all_of(group.begin(), group.end(), isHexDigit)) return -1;
        ++groups;
        if (colon == std::string_view::npos) return groups;
        s.remove_prefix(colon + 1);
    }
}

// Eight groups, or fewer around one "::".
bool isIpv6Literal(std::string_view s) {
    const std::size_t gap = s.find("::");
    if (gap == std::string_view::npos) return countIpv6Groups(s, true) == 8;
    const int left = countIpv6Groups(s.substr(0, gap), false);
    const int right = countIpv6Groups(s.substr(gap + 2), true);
    return left >= 0 && right >= 0 && left + right <= 7;
}

// An IPv6 address, perhaps followed by "%zone" naming an interface.
bool isIpv6Host(std::string_view s) {
    const std::size_t percent = s.find('%');
    if (percent != std::string_view::npos) {
        const std::string_view zone = s.substr(percent + 1);
        const auto zoneChar = [](char c) { return isAsciiLetter(c) || isDigit(c) || c == '_' || c == '.' || c == '-'; };
        if (zone.empty() || !std::all_of(zone.begin(), zone.end(), zoneChar)) return false;
        s = s.substr(0, percent);
    }
    return isIpv6Literal(s);
}

// Letters, digits, '-', '.', '_' and any byte of a non-ASCII (UTF-8) letter:
// what a name or an IPv4 address may hold. Anything else, a '/' or a '@', is
// a slip the user should hear about now rather than as a failed lookup.
bool isNameOrIpv4(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) {
        return isAsciiLetter(c) || isDigit(c) || c == '-' || c == '.' || c == '_' || static_cast<unsigned char>(c) >= 0x80;
    });
}

HostField refused(std::string reason) {
    HostField field;
    field.reason = std::move(reason);
    return field;
}

// Why the host part of a field is no host, or nullptr.
const char* hostProblem(std::string_view host, bool bracketed) {
    if (host.empty()) return "The address before the port is missing.";
    if (host.size() > MaxHostLength) return "The address is too long.";
    if (host.find('[') != std::string_view::npos || host.find(']') != std::string_view::npos)
        return "The brackets around the address do not match.";
    if (bracketed && !isIpv6Host(host)) return "Brackets hold an IPv6 address, such as [2001:db8::1].";
    if (!bracketed && host.find(':') == std::string_view::npos && !isNameOrIpv4(host))
        return "The address holds a character that no host name or IP address can contain.";
    return nullptr;
}

// The port a field names: 1 to 65535, or 0 for anything else.
unsigned portNumber(std::string_view port) {
    const bool digits = !port.empty() && port.size() <= 5 && std::all_of(port.begin(), port.end(), isDigit);
    if (!digits) return 0;
    unsigned value = 0;
    for (const char c : port) value = value * 10 + static_cast<unsigned>(c - '0');
    return value > 65535 ? 0 : value;
}

}  // namespace

HostField parseHostField(std::string_view text, std::uint16_t defaultPort) {
    text = trimmed(text);
    if (text.empty()) return refused("You must supply an address!");
    if (std::any_of(text.begin(), text.end(), isSpace)) return refused("An address cannot contain spaces.");

    std::string_view host = text;
    std::string_view port;
    bool hasPort = false;
    bool bracketed = false;
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) return refused("The '[' before the address is never closed with ']'.");
        host = text.substr(1, close - 1);
        const std::string_view after = text.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != ':') return refused("Only ':' and a port may follow the ']'.");
            port = after.substr(1);
            hasPort = true;
        }
        bracketed = true;
    } else if (text.find(']') != std::string_view::npos) {
        return refused("The ']' has no '[' before it.");
    } else if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
        if (text.find(':', colon + 1) == std::string_view::npos) {
            host = text.substr(0, colon);
            port = text.substr(colon + 1);
            hasPort = true;
        } else if (!isIpv6Host(text)) {
            // Several colons: only an IPv6 address has them, and it cannot carry a port unbracketed.
            return refused("That is not an IPv6 address. To give a port with one, write [address]:port.");
        }
    }

    if (const char* why = hostProblem(host, bracketed)) return refused(why);

    HostField field;
    field.port = defaultPort;
    if (hasPort) {
        const unsigned value = portNumber(port);
        if (value == 0) return refused("The port must be a number from 1 to 65535.");
        field.port = static_cast<std::uint16_t>(value);
    }
    field.ok = true;
    field.host = std::string(host);
    return field;
}

std::string hostFieldText(const HostField& field) {
    const bool ipv6 = field.host.find(':') != std::string::npos;
    return (ipv6 ? "[" + field.host + "]" : field.host) + ":" + std::to_string(field.port);
}

}  // namespace orbel
