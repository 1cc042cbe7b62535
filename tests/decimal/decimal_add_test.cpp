#include "decimal/decimal_add.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

struct SignedCase {
    const char* name;
    std::string a, b, sum, difference;
};

TEST(DecimalAddSubtract, SignedCases) {
    const std::vector<SignedCase> cases = {
        {"mixed signs", "12.5", "-0.75", "11.75", "13.25"},
        {"classic binary trap", "0.1", "0.2", "0.3", "-0.1"},
        {"both negative", "-3", "-4.5", "-7.5", "1.5"},
        {"carry into new digit", "99.99", "0.01", "100", "99.98"},
        {"far apart widths", "1000", "0.001", "1000.001", "999.999"},
        {"borrow through zeros", "10", "0.01", "10.01", "9.99"},
        {"negative first", "-5.25", "3.75", "-1.5", "-9"},
        {"opposites", "1", "-1", "0", "2"},
        {"opposites reversed", "-1", "1", "0", "-2"},
        {"missing parts", ".5", "5.", "5.5", "-4.5"},
        {"leading and trailing zeros", "007.50", "0", "7.5", "7.5"},
        {"negative zeros", "-0", "-0", "-0", "0"},
        {"blanks trimmed", " 7 ", "1", "8", "6"},
        {"control bytes trimmed", "\t\r\n7\x01", "1", "8", "6"},
        {"plus reads as zero digit", "+5", "1", "6", "4"},
        {"empty first", "", "5", "", ""},
        {"empty second", "5", "", "", ""},
        {"blank is empty", "   ", "5", "", ""},
        {"lone minus second", "5", "-", "5", ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DecimalAdd(row.a, row.b), row.sum);
        EXPECT_EQ(DecimalSubtract(row.a, row.b), row.difference);
    }
}

TEST(MagnitudeAddSubtract, UnsignedCases) {
    EXPECT_EQ(MagnitudeAdd("", "3.2"), "3.2");
    EXPECT_EQ(MagnitudeAdd("0099", "1"), "100");
    EXPECT_EQ(MagnitudeAdd("", ""), "0");
    EXPECT_EQ(MagnitudeAdd("9.9", "0.1"), "10");
    EXPECT_EQ(MagnitudeSubtract("2", "3"), "-1");
    EXPECT_EQ(MagnitudeSubtract("0.5", ".50"), "0");
    EXPECT_EQ(MagnitudeSubtract("1.5", "1.25"), "0.25");
    EXPECT_EQ(MagnitudeSubtract("1000", "0.001"), "999.999");
    EXPECT_EQ(MagnitudeSubtract("0.001", "1000"), "-999.999");
}

TEST(DecimalAddSubtract, CarryAndBorrowRunThroughLongOperands) {
    const std::string nines(500, '9');
    EXPECT_EQ(DecimalAdd(nines, "1"), "1" + std::string(500, '0'));
    EXPECT_EQ(DecimalSubtract("1" + std::string(500, '0'), "1"), nines);
    EXPECT_EQ(DecimalAdd("0." + nines, "0." + std::string(499, '0') + "1"), "1");
}

} // namespace
} // namespace mensurix
