#include "profile/integer_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace mensurix {
namespace {

TEST(ParseInteger32, AcceptsWholeDecimalAndHexadecimalTexts) {
    struct Case {
        const char* name;
        std::string text;
        std::optional<std::int32_t> expected;
    };
    const std::vector<Case> cases = {
        {"zero", "0", 0},
        {"decimal", "42", 42},
        {"leading zeros", "0008", 8},
        {"plus", "+7", 7},
        {"minus", "-3", -3},
        {"leading blanks and control bytes", " \t\x01\x1f 5", 5},
        {"dollar hex", "$14", 20},
        {"0x hex", "0x0A", 10},
        {"0X hex, mixed case digits", "0XaBc", 0xABC},
        {"signed hex", "-$10", -16},
        {"largest", "2147483647", 2147483647},
        {"least", "-2147483648", -2147483647 - 1},
        {"least in hex", "-0x80000000", -2147483647 - 1},
        {"largest in hex", "$7FFFFFFF", 2147483647},
        {"one above the largest", "2147483648", std::nullopt},
        {"one below the least", "-2147483649", std::nullopt},
        {"hex above the largest", "0x80000000", std::nullopt},
        {"far out of range", "99999999999999999999", std::nullopt},
        {"empty", "", std::nullopt},
        {"blanks only", "   ", std::nullopt},
        {"lone sign", "-", std::nullopt},
        {"lone dollar", "$", std::nullopt},
        {"lone 0x", "0x", std::nullopt},
        {"sign after blanks then blank", "- 5", std::nullopt},
        {"trailing blank", "5 ", std::nullopt},
        {"trailing letter", "12a", std::nullopt},
        {"word", "yes", std::nullopt},
        {"hex digit without prefix", "A", std::nullopt},
        {"two signs", "--1", std::nullopt},
        {"sign after prefix", "$-1", std::nullopt},
        {"fraction", "1.5", std::nullopt},
        {"NUL is not a blank",
         std::string("\0"
                     "1",
                     2),
         std::nullopt},
        {"x without 0", "x10", std::nullopt},
        {"non-ASCII digit-like byte", "1\xb2", std::nullopt},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ParseInteger32(row.text), row.expected);
    }
}

TEST(ParseInteger32, HugeRunsOfDigits) {
    const std::string digits(10 * 1024 * 1024, '9');
    EXPECT_EQ(ParseInteger32(digits), std::nullopt);
    EXPECT_EQ(ParseInteger32("$" + std::string(10 * 1024 * 1024, 'F')), std::nullopt);
    EXPECT_EQ(ParseInteger32(std::string(10 * 1024 * 1024, '0') + "17"), 17);
}

} // namespace
} // namespace mensurix
