#include "decimal/decimal_round.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

TEST(DecimalRound, Cases) {
    struct Case {
        std::string value;
        int digits;
        bool group;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"2.345", 2, false, "2.35"},
        {"-2.345", 2, false, "-2.35"},
        {"2.344999", 2, false, "2.34"},
        {"0.125", 2, false, "0.13"},
        {"99.96", 1, false, "100"},
        {"0.5", 0, false, "1"},
        {"-0.5", 0, false, "-1"},
        {"-12.5", 0, false, "-13"},
        {"12.3", 0, false, "12"},
        {"-0.004", 2, false, "0"},
        {"-0.05", 1, false, "-0.1"},
        {"-0", 8, false, "0"},
        {"12.3", 5, false, "12.3"},
        {"0.000123456", 8, false, "0.00012346"},
        {"1234567.891", 2, true, "1,234,567.89"},
        {"1234.5678", 2, true, "1,234.57"},
        {"-1234.5", 1, true, "-1,234.5"},
        {"-123456", 0, true, "-123,456"},
        {"-999.5", 0, true, "-1,000"},
        {"123", 0, true, "123"},
        {"1000", 8, true, "1,000"},
        {"999.9999", 2, true, "1,000"},
        {"", 8, true, ""},
        {"-123", 0, true, "-123"},
        {"-1234", 0, true, "-1,234"},
        {"12345678901234567890", 0, true, "12,345,678,901,234,567,890"},
        {"0.99999999999999999999999", 20, false, "1"},
        {"1.50", 8, false, "1.5"},
        {"1.5", -1, false, "2"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.value + " at " + std::to_string(row.digits));
        EXPECT_EQ(DecimalRound(row.value, row.digits, row.group), row.shown);
    }
}

// The exact display keeps every digit however many, and says so exactly when rounding would not.
TEST(DecimalExact, KeepsEveryDigitAndTellsWhenRoundingDrops) {
    struct Case {
        std::string value;
        int digits;
        bool group;
        std::string exact;
        bool drops;
    };
    const std::vector<Case> cases = {
        {"0.0833333333333333333333333333333333333333396", 8, false,
         "0.0833333333333333333333333333333333333333396", true},
        {"-1234.56789", 5, true, "-1,234.56789", false},
        {"-1234.56789", 4, true, "-1,234.56789", true},
        {"-0", 0, false, "0", false},
        {"1000000", 0, true, "1,000,000", false},
        {"0.5", 0, false, "0.5", true},
        {"", 8, false, "", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.value + " at " + std::to_string(row.digits));
        EXPECT_EQ(DecimalExact(row.value, row.group), row.exact);
        EXPECT_EQ(RoundingDropsDigits(row.value, row.digits), row.drops);
    }
}

TEST(RoundingUnit, OneInTheLastPlace) {
    EXPECT_EQ(RoundingUnit(0), "1");
    EXPECT_EQ(RoundingUnit(1), "0.1");
    EXPECT_EQ(RoundingUnit(3), "0.001");
    EXPECT_EQ(RoundingUnit(20), "0.00000000000000000001");
}

} // namespace
} // namespace mensurix
