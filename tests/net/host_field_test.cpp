// The Internet Game dialog's host field: what is a host, what is a port, and
// what is refused with which reason. Then mutated texts through the rules
// every answer keeps.
#include <gtest/gtest.h>

#include "tests/net/host_field_checks.h"
#include "tests/support/golden.h"

namespace orbel {
namespace {

struct Row {
    const char* text;
    const char* host;  // null: refused
    unsigned port;
    const char* reason = "";
};

const Row rows[] = {
    {"192.0.2.7", "192.0.2.7", 4128},
    {"  192.0.2.7:5000 \t\r\n\f\v", "192.0.2.7", 5000},
    {"chess.example.org:65535", "chess.example.org", 65535},
    {"localhost:00080", "localhost", 80},
    {"zZ-9_.example", "zZ-9_.example", 4128},
    {"2001:db8::1", "2001:db8::1", 4128},
    {"2001:db8::1:5000", "2001:db8::1:5000", 4128},  // bare: every colon is the address's
    {"[2001:db8::1]:5000", "2001:db8::1", 5000},
    {"[2001:db8::1]", "2001:db8::1", 4128},
    {"::1", "::1", 4128},
    {"[::ffff:192.0.2.7]:1", "::ffff:192.0.2.7", 1},
    {"1:2:3:4:5:6:7::", "1:2:3:4:5:6:7::", 4128},
    {"[fe80::1%eth0]:5000", "fe80::1%eth0", 5000},
    {"", nullptr, 0, "You must supply an address!"},
    {"   ", nullptr, 0, "You must supply an address!"},
    {"host:", nullptr, 0, "The port must be a number from 1 to 65535."},
    {"host:0", nullptr, 0, "The port must be a number from 1 to 65535."},
    {"host:65536", nullptr, 0, "The port must be a number from 1 to 65535."},
    {"host:123456", nullptr, 0, "The port must be a number from 1 to 65535."},
    {"host:+5", nullptr, 0, "The port must be a number from 1 to 65535."},
    {"host:5x", nullptr, 0, "The port must be a number from 1 to 65535."},
    {":5000", nullptr, 0, "The address before the port is missing."},
    {"[]:5000", nullptr, 0, "The address before the port is missing."},
    {"[2001:db8::1", nullptr, 0, "The '[' before the address is never closed with ']'."},
    {"2001:db8::1]", nullptr, 0, "The ']' has no '[' before it."},
    {"[2001:db8::1]5000", nullptr, 0, "Only ':' and a port may follow the ']'."},
    {"[[::1]", nullptr, 0, "The brackets around the address do not match."},
    {"[chess.example.org]:5000", nullptr, 0, "Brackets hold an IPv6 address, such as [2001:db8::1]."},
    {"[192.0.2.7]", nullptr, 0, "Brackets hold an IPv6 address, such as [2001:db8::1]."},
    {"[fe80::1%]", nullptr, 0, "Brackets hold an IPv6 address, such as [2001:db8::1]."},
    {"a:b:c", nullptr, 0, "That is not an IPv6 address. To give a port with one, write [address]:port."},
    {"1:2:3:4:5:6:7:8:9", nullptr, 0, "That is not an IPv6 address. To give a port with one, write [address]:port."},
    {"1::2::3", nullptr, 0, "That is not an IPv6 address. To give a port with one, write [address]:port."},
    {"12345::1", nullptr, 0, "That is not an IPv6 address. To give a port with one, write [address]:port."},
    {"::ffff:192.0.2.256", nullptr, 0, "That is not an IPv6 address. To give a port with one, write [address]:port."},
    {"chess example.org", nullptr, 0, "An address cannot contain spaces."},
    {"user@chess.example.org", nullptr, 0, "The address holds a character that no host name or IP address can contain."},
    {"http://chess.example.org", nullptr, 0, "The port must be a number from 1 to 65535."},
};

TEST(HostField, EachTextYieldsItsHostAndPortOrItsReason) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const HostField field = parseHostField(row.text, 4128);
        EXPECT_EQ(field.ok, row.host != nullptr);
        EXPECT_EQ(field.host, row.host ? row.host : "");
        EXPECT_EQ(field.port, row.port);
        EXPECT_EQ(field.reason, row.reason);
    }
    EXPECT_EQ(parseHostField(std::string(253, 'a') + ":5000", 4128).ok, true);
    EXPECT_EQ(parseHostField(std::string(254, 'a'), 4128).reason, "The address is too long.");
    EXPECT_EQ(hostFieldText(parseHostField("2001:db8::1", 4128)), "[2001:db8::1]:4128");
}

TEST(HostField, MutatedTextsKeepEveryRule) {
    std::vector<std::string> texts;
    std::vector<std::string> pieces = {":", "[", "]", "%", ".", "0", "f", "F", "9", " ", "\t", "\x80", "\xff", "/"};
    for (const Row& row : rows) texts.push_back(row.text);
    pieces.insert(pieces.end(), texts.begin(), texts.end());
    std::mt19937 rng(4128);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = testing::mutatedSeed(texts, pieces, rng);
        ASSERT_EQ(host_field_checks::broken(text), "") << "for the text \"" << text << '"';
    }
}

}  // namespace
}  // namespace orbel
