#include "catalogue/catalogue_reader.h"
#include "catalogue/category_conversion.h"
#include "decimal/decimal_add.h"
#include "decimal/decimal_multiply.h"
#include "decimal/decimal_round.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace mensurix {
namespace {

const UnitCatalogue& Shipped() {
    static const UnitCatalogue catalogue = ReadCatalogueFile(MENSURIX_DATA_DIR "/Units.dat");
    return catalogue;
}

const UnitCategory* FindCategory(const std::string& name) {
    for (const auto& category : Shipped()) {
        if (category.Name == name) {
            return &category;
        }
    }
    return nullptr;
}

std::size_t FindUnit(const UnitCategory& category, const std::string& name) {
    for (std::size_t i = 0; i < category.Units.size(); ++i) {
        if (category.Units[i].Name == name) {
            return i;
        }
    }
    return category.Units.size();
}

// 1 <= value <= 1 + 2 x 10^-39: both factors are rounded away from zero, each by less than one
// unit in its 40th digit, so their product never falls below 1.
bool AtMostTwoInTenToThe39AboveOne(const DecimalText& value) {
    const std::string difference = DecimalSubtract(value, "1");
    if (difference == "0") {
        return true;
    }
    const std::string tiny = "0." + std::string(38, '0');
    if (difference.rfind(tiny, 0) != 0) {
        return false;
    }
    const std::string rest = difference.substr(tiny.size());
    return rest == "2" || rest.front() == '0' || rest.front() == '1';
}

TEST(ShippedCatalogue, SizeAndPreselectedUnits) {
    ASSERT_GE(Shipped().size(), 50U);
    std::size_t units = 0;
    for (const auto& category : Shipped()) {
        SCOPED_TRACE(category.Name);
        units += category.Units.size();
        std::size_t defaults = 0;
        std::set<std::string> names;
        for (const auto& unit : category.Units) {
            defaults += unit.IsDefault ? 1 : 0;
            EXPECT_TRUE(names.insert(unit.Name).second) << unit.Name;
        }
        EXPECT_EQ(defaults, 1U);
    }
    EXPECT_GE(units, 750U);
}

TEST(ShippedCatalogue, EveryFactorPairIsReciprocalAndNeverBelowOne) {
    for (const auto& category : Shipped()) {
        for (const auto& unit : category.Units) {
            SCOPED_TRACE(category.Name + " / " + unit.Name);
            ASSERT_TRUE(IsDecimalNumber(unit.FactorFromBase));
            ASSERT_TRUE(IsDecimalNumber(unit.FactorToBase));
            EXPECT_TRUE(AtMostTwoInTenToThe39AboveOne(
                DecimalMultiply(unit.FactorFromBase, unit.FactorToBase)));
            if (!unit.Offset.empty()) {
                EXPECT_TRUE(IsDecimalNumber(unit.Offset));
            }
        }
    }
}

// A typed value comes back in its own row, and an exact tie there rounds away from zero: the
// factors never multiply to less than 1, offsets included.
TEST(ShippedCatalogue, ValuesComeBackInTheirOwnRow) {
    const struct {
        const char* typed;
        int digits;
        const char* shown;
    } cases[] = {{"1", 8, "1"}, {"1", 20, "1"}, {"2.5", 0, "3"}, {"-0.25", 1, "-0.3"}};
    for (const auto& category : Shipped()) {
        for (std::size_t i = 0; i < category.Units.size(); ++i) {
            SCOPED_TRACE(category.Name + " / " + category.Units[i].Name);
            for (const auto& row : cases) {
                const auto results = ConvertAcrossCategory(category, i, row.typed);
                EXPECT_EQ(DecimalRound(results[i], row.digits, false), row.shown) << row.typed;
            }
        }
    }
}

// The golden file holds conversions at 20 digits and exact ties between units at few digits
// (2.5 yd at 0 digits shows 3 yd, 31.1 °F shows -1 °C), computed through this file.
TEST(ShippedCatalogue, GoldenConversions) {
    std::ifstream golden(MENSURIX_TESTS_DIR "/shipped_conversions.tsv");
    ASSERT_TRUE(golden.good());
    std::string line;
    int checked = 0;
    while (std::getline(golden, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string category, from, typed, to, digits, expected;
        std::getline(fields, category, '\t');
        std::getline(fields, from, '\t');
        std::getline(fields, typed, '\t');
        std::getline(fields, to, '\t');
        std::getline(fields, digits, '\t');
        std::getline(fields, expected, '\t');
        SCOPED_TRACE(line);
        const UnitCategory* found = FindCategory(category);
        ASSERT_NE(found, nullptr);
        const auto source = FindUnit(*found, from);
        const auto target = FindUnit(*found, to);
        ASSERT_LT(source, found->Units.size());
        ASSERT_LT(target, found->Units.size());
        const auto results = ConvertAcrossCategory(*found, source, typed);
        EXPECT_EQ(DecimalRound(results[target], std::stoi(digits), false), expected);
        ++checked;
    }
    EXPECT_GE(checked, 250);
}

} // namespace
} // namespace mensurix
