#include "decimal/decimal_multiply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

TEST(DecimalMultiply, SignedCases) {
    struct Case {
        const char* name;
        std::string a, b, product;
    };
    const std::vector<Case> cases = {
        {"mixed signs", "12.5", "-0.75", "-9.375"},
        {"both negative", "-2", "-3", "6"},
        {"fraction to whole", "1.5", "2", "3"},
        {"trailing zeros removed", "2.5", "0.04", "0.1"},
        {"small fractions", "0.001", "0.001", "0.000001"},
        {"identity", "100", "1", "100"},
        {"missing integer parts", "-.5", "-.5", "0.25"},
        {"zero times negative", "0", "-5", "-0"},
        {"negative zero", "-0", "5", "-0"},
        {"lone point", ".", "7", "0"},
        {"letter reads as zero", "1a2", "2", "204"},
        {"empty first", "", "5", ""},
        {"empty second", "3", "", ""},
        {"blanks trimmed", " 3\t", "\n2 ", "6"},
        {"second point reads as zero digit", "1.2.3", "1", "1.203"},
        {"limb boundary carries", "999999999999999999", "999999999999999999",
         "999999999999999998000000000000000001"},
        {"many fraction digits", "0.0000000000000000000001", "0.0000000000000000000001",
         "0.00000000000000000000000000000000000000000001"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DecimalMultiply(row.a, row.b), row.product);
    }
}

TEST(MultiplyByDigit, KeepsLeadingZeros) {
    EXPECT_EQ(MultiplyByDigit("05", 3), "15");
    EXPECT_EQ(MultiplyByDigit("0125", 8), "1000");
    EXPECT_EQ(MultiplyByDigit("99", 9), "891");
    EXPECT_EQ(MultiplyByDigit("123", 0), "000");
    EXPECT_EQ(MultiplyByDigit("05", 1), "05");
    EXPECT_EQ(MultiplyByDigit("", 7), "");
}

TEST(MagnitudeMultiply, UnsignedCases) {
    EXPECT_EQ(MagnitudeMultiply("12", "34"), "408");
    EXPECT_EQ(MagnitudeMultiply("0.25", "4"), "1");
    EXPECT_EQ(MagnitudeMultiply("", "5"), "0");
    EXPECT_EQ(MagnitudeMultiply("5", ""), "0");
    EXPECT_EQ(MagnitudeMultiply("12.5", "0.75"), "9.375");
    EXPECT_EQ(MagnitudeMultiply("2.5", "0.04"), "0.1");
}

} // namespace
} // namespace mensurix
