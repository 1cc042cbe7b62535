#include "decimal/decimal_text.h"
#include "decimal/magnitude_steps.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace mensurix {
namespace {

struct UnaryCase {
    const char* name;
    std::string input;
    std::string expected;
};

void ExpectAll(const std::vector<UnaryCase>& cases,
               const std::function<std::string(const std::string&)>& operation) {
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(operation(row.input), row.expected);
    }
}

TEST(DigitValue, NonDigitsReadAsZero) {
    for (char ch = '0'; ch <= '9'; ++ch) {
        EXPECT_EQ(DigitValue(ch), ch - '0');
    }
    for (const char ch : std::string("+-. a\x7f\x80\xff", 9)) {
        EXPECT_EQ(DigitValue(ch), 0) << static_cast<int>(ch);
    }
    EXPECT_EQ(DigitValue('\0'), 0);
}

TEST(CanonicalMagnitude, Cases) {
    ExpectAll({{"leading and trailing zeros", "007.500", "7.5"},
               {"letter inside", "1a2", "102"},
               {"empty", "", "0"},
               {"lone point", ".", "0"},
               {"fraction only", ".50", "0.5"},
               {"whole", "100", "100"},
               {"zero with fraction", "0.0", "0"},
               {"sign reads as zero", "-12.50", "12.5"},
               {"second point stays in the fraction", "1.2.0", "1.2"}},
              [](const std::string& t) { return CanonicalMagnitude(t); });
}

TEST(TrimZeros, Cases) {
    ExpectAll({{"both ends", "007.500", "7.5"},
               {"all zeros", "000.000", "0"},
               {"keeps one zero before point", "00.25", "0.25"},
               {"trailing point", "120.", "120"},
               {"leading zeros", "0013.25", "13.25"},
               {"empty", "", "0"}},
              [](const std::string& t) { return TrimZeros(t); });
}

TEST(AlignDecimals, SameWidthsPointAtSamePlace) {
    struct Case {
        const char* name;
        std::string a, b, alignedA, alignedB;
    };
    const std::vector<Case> cases = {
        {"fractions of different width", "12.5", "0.75", "12.50", "00.75"},
        {"missing parts", ".5", "5", "0.5", "5.0"},
        {"empty operand", "", "3.2", "0.0", "3.2"},
    };
    for (auto row : cases) {
        SCOPED_TRACE(row.name);
        AlignDecimals(row.a, row.b);
        EXPECT_EQ(row.a, row.alignedA);
        EXPECT_EQ(row.b, row.alignedB);
    }
}

TEST(IsDecimalNumber, AcceptsOnlyPlainDecimals) {
    for (const char* text : {"5", "-5", ".5", "5.", "-.5", "0", "-0", "007.50"}) {
        EXPECT_TRUE(IsDecimalNumber(text)) << text;
    }
    for (const char* text : {"", "-", ".", "-.", "1.2.3", "+5", "5 ", " 5", "1e5", "--5", "1,000",
                             "0x10", "5-", "\t5"}) {
        EXPECT_FALSE(IsDecimalNumber(text)) << text;
    }
    EXPECT_FALSE(IsDecimalNumber(std::string("5\0", 2)));
}

TEST(TrimBlanks, RemovesCodesUpTo32AtBothEndsOnly) {
    EXPECT_EQ(TrimBlanks(std::string("\0\t 7 \r\n\x1f", 8)), "7");
    EXPECT_EQ(TrimBlanks(" 1 2 "), "1 2");
    EXPECT_EQ(TrimBlanks("\xa0"
                         "5"),
              "\xa0"
              "5");
    EXPECT_EQ(TrimBlanks("   "), "");
}

} // namespace
} // namespace mensurix
