#include "../whole_values.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/category_conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

std::vector<DecimalText> Convert(const char* units, std::size_t source, const char* typed) {
    const auto catalogue = ParseCatalogue(std::string("[C]\n") + units);
    return WholeValues(ConvertAcrossCategory(catalogue.at(0), source, typed).Values);
}

TEST(CategoryConversion, OffsetsInBothOrders) {
    // K is the base; L halves it; M has its offset written last, N first.
    const char* units = "*K=1\nL=0.5|2\nM=2|0.5|+10\nN=+3|4|0.25\n";
    const std::vector<DecimalText> fromBaseOne = {"1", "0.5", "12", "16"};
    EXPECT_EQ(Convert(units, 2, "12"), fromBaseOne);
    EXPECT_EQ(Convert(units, 3, "16"), fromBaseOne);
    EXPECT_EQ(Convert(units, 0, "7"), (std::vector<DecimalText>{"7", "3.5", "24", "40"}));
}

TEST(CategoryConversion, EmptyFactorsAndOffsets) {
    struct Case {
        const char* name;
        const char* units;
        std::size_t source;
        const char* typed;
        std::vector<DecimalText> results;
    };
    const std::vector<Case> cases = {
        {"unit without factors shows nothing and passes the value on",
         "no factors\n*B=1\n",
         0,
         "5",
         {"", "5"}},
        {"offset only, into the unit", "*B=1\nX=+273.15\n", 0, "1", {"1", "274.15"}},
        {"offset only, as the source", "*B=1\nX=+273.15\n", 1, "300", {"26.85", "300"}},
        {"offset last without from-factor", "*B=1\nX=|2|+5\n", 0, "1", {"1", "6"}},
        {"offset with its own sign", "*B=1\nX=+-3|4|0.25\n", 0, "10", {"10", "28"}},
        {"offset with its own sign as source", "*B=1\nX=+-3|4|0.25\n", 1, "28", {"10", "28"}},
        {"blanks around the typed value", "*B=1\nX=2|0.5\n", 1, " 4 ", {"2", "4"}},
        {"non-numeric factor reads its digits", "*B=1\nX=1a|\n", 0, "2", {"2", "20"}},
        {"negative zero is zero", "*B=1\nX=-1|-1\n", 0, "0", {"0", "0"}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Convert(row.units, row.source, row.typed), row.results);
    }
}

TEST(CategoryConversion, CelsiusAndFahrenheitThroughKelvin) {
    const char* units = "*Kelvin=1|1\nCelsius=1|1|+-273.15\n"
                        "Fahrenheit=1.8|0.5555555555555555555555555555555555555556|+-459.67\n";
    EXPECT_EQ(Convert(units, 1, "100").at(2), "212");
    EXPECT_EQ(Convert(units, 1, "-40").at(2), "-40");
    EXPECT_EQ(Convert(units, 0, "0").at(2), "-459.67");
}

} // namespace
} // namespace mensurix

namespace mensurix {
namespace {

// How a unit's size is read, seen through the whole value of 3 source units in the target.
TEST(CategoryConversion, SizesFromFactorsAndNotes) {
    struct Case {
        const char* name;
        const char* units; // source first, target second
        const char* whole;
    };
    const std::vector<Case> cases = {
        {"exact one of a rounded reciprocal pair", "*A=1|1\nB=0.3333333333333333333334|3\n", "1"},
        {"rounded reciprocal written first", "*A=1|1\nB=3|0.3333333333333333333334\n", "9"},
        {"both rounded: the factors as written", "*A=1|1\nB=0.333|3.0003\n", "0.999"},
        {"a pair far from reciprocal: as written", "*A=1|1\nB=1|1.5\n", "3"},
        {"exact fraction note", "*A=1|1\nB=3.28|0.3048|=1200/3937\n", "9.8425"},
        {"malformed note falls back to the factors", "*A=1|1\nB=0.5|2|=2 sideways\n", "1.5"},
        {"reciprocal note", "*A=1|1\nB=||=12 reciprocal\n", "4"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const auto catalogue = ParseCatalogue(std::string("[C]\n") + row.units);
        const auto results = ConvertAcrossCategory(catalogue.at(0), 0, "3").Values;
        EXPECT_EQ(WholeValue(results.at(1), false), row.whole);
    }
}

TEST(CategoryConversion, ApproximateZeroAndAbsoluteZero) {
    const auto catalogue = ParseCatalogue("[Angle]\n*deg=1|1\nrad=0.01745|57.29|"
                                          "=~57.2957795131\n"
                                          "[Fuel]\n*km/L=1|1\nL/100 km=||=100 reciprocal\n"
                                          "[Temperature]\n*K=1|1|=1 absolute\nC=+-273.15|1|1\n");
    const auto angle = ConvertAcrossCategory(catalogue[0], 0, "1").Values;
    EXPECT_TRUE(IsApproximate(angle[1]));
    // 12 digits written, 9 certain: the display never shows more, in the integer part too.
    EXPECT_EQ(ShownValue(angle[1], 20, false), "0.0174532925");
    const auto radians = [&](const char* typed) {
        return ShownValue(ConvertAcrossCategory(catalogue[0], 1, typed).Values[0], 8, true);
    };
    EXPECT_EQ(radians("1000000"), "57,295,779.5");
    EXPECT_EQ(radians("-1000000000000"), "-57,295,779,500,000");
    EXPECT_EQ(ShownValue(ConvertAcrossCategory(catalogue[0], 1, "1").Values[1], 20, false), "1");

    const auto atZero = ConvertAcrossCategory(catalogue[1], 0, "0").Values;
    EXPECT_EQ(atZero[1].Missing, MissingValue::ReciprocalOfZero);
    EXPECT_EQ(ShownValue(atZero[1], 8, false), "");

    EXPECT_EQ(ConvertAcrossCategory(catalogue[2], 1, "-273.15").Refusal, ConversionRefusal::None);
    const auto below = ConvertAcrossCategory(catalogue[2], 1, "-273.16");
    EXPECT_EQ(below.Refusal, ConversionRefusal::BelowAbsoluteZero);
    EXPECT_TRUE(below.Values.empty());
}

} // namespace
} // namespace mensurix
