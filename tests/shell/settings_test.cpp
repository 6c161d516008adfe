// How a stored setting's text is read: as atoi reads it, clamped to int.
#include <gtest/gtest.h>

#include <climits>

#include "shell/settings.h"

namespace orbel {
namespace {

TEST(ParseSettingNumber, ReadsLikeAtoi) {
    const std::pair<std::string_view, int> rows[] = {
        {"255", 255}, {"", 0}, {"abc", 0}, {"  \t\n42xyz", 42}, {"12 34", 12}, {"-7", -7}, {"+9", 9}, {"- 9", 0},
        {"+-9", 0}, {"-0", 0}, {"2147483647", INT_MAX}, {"2147483648", INT_MAX}, {"4294967297", INT_MAX},
        {"99999999999999999999999999", INT_MAX}, {"-2147483648", INT_MIN}, {"-99999999999999999999", INT_MIN},
        {std::string_view("9934666\0", 8), 9934666}};
    for (const auto& [text, number] : rows) EXPECT_EQ(parseSettingNumber(text), number) << text;
}

}  // namespace
}  // namespace orbel
