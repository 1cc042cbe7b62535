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

// |value - 1| <= 10^-39, read from the exact difference's text.
bool WithinOneInTenToThe39(const DecimalText& value) {
    std::string difference = DecimalSubtract(value, "1");
    if (!difference.empty() && difference.front() == '-') {
        difference.erase(0, 1);
    }
    if (difference == "0") {
        return true;
    }
    const std::string tiny = "0." + std::string(38, '0');
    if (difference.rfind(tiny, 0) != 0) {
        return false;
    }
    const std::string rest = difference.substr(tiny.size());
    return rest == "1" || rest.front() == '0';
}

TEST(ShippedCatalogue, SizeAndDefaults) {
    ASSERT_GE(Shipped().size(), 30U);
    std::size_t units = 0;
    for (const auto& category : Shipped()) {
        SCOPED_TRACE(category.Name);
        units += category.Units.size();
        std::size_t defaults = 0;
        std::set<std::string> names;
        for (const auto& unit : category.Units) {
            defaults += unit.IsDefault ? 1 : 0;
            EXPECT_TRUE(names.insert(unit.Name).second) << unit.Name;
            if (unit.IsDefault) {
                // The default unit is the category's base.
                EXPECT_EQ(unit.FactorFromBase + "|" + unit.FactorToBase + "|" + unit.Offset,
                          "1|1|");
            }
        }
        EXPECT_EQ(defaults, 1U);
    }
    EXPECT_GE(units, 450U);
}

TEST(ShippedCatalogue, EveryFactorPairIsReciprocal) {
    for (const auto& category : Shipped()) {
        for (const auto& unit : category.Units) {
            SCOPED_TRACE(category.Name + " / " + unit.Name);
            ASSERT_TRUE(IsDecimalNumber(unit.FactorFromBase));
            ASSERT_TRUE(IsDecimalNumber(unit.FactorToBase));
            EXPECT_TRUE(
                WithinOneInTenToThe39(DecimalMultiply(unit.FactorFromBase, unit.FactorToBase)));
            if (!unit.Offset.empty()) {
                EXPECT_TRUE(IsDecimalNumber(unit.Offset));
            }
        }
    }
}

TEST(ShippedCatalogue, OneOfAnyUnitIsOneInItsOwnRow) {
    for (const auto& category : Shipped()) {
        for (std::size_t i = 0; i < category.Units.size(); ++i) {
            SCOPED_TRACE(category.Name + " / " + category.Units[i].Name);
            const auto results = ConvertAcrossCategory(category, i, "1");
            EXPECT_EQ(DecimalRound(results[i], 8, false), "1");
            EXPECT_EQ(DecimalRound(results[i], 20, false), "1");
        }
    }
}

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
        std::string category, from, typed, to, expected;
        std::getline(fields, category, '\t');
        std::getline(fields, from, '\t');
        std::getline(fields, typed, '\t');
        std::getline(fields, to, '\t');
        std::getline(fields, expected, '\t');
        SCOPED_TRACE(line);
        const UnitCategory* found = FindCategory(category);
        ASSERT_NE(found, nullptr);
        const auto source = FindUnit(*found, from);
        const auto target = FindUnit(*found, to);
        ASSERT_LT(source, found->Units.size());
        ASSERT_LT(target, found->Units.size());
        const auto results = ConvertAcrossCategory(*found, source, typed);
        EXPECT_EQ(DecimalRound(results[target], 20, false), expected);
        ++checked;
    }
    EXPECT_GE(checked, 51);
}

} // namespace
} // namespace mensurix
