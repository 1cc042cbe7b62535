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
