#include "catalogue/catalogue_reader.h"
#include "catalogue/category_conversion.h"
#include "decimal/decimal_add.h"
#include "decimal/decimal_multiply.h"
#include "decimal/decimal_round.h"

#include "table_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
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

// Old readers take the factors: every plain unit keeps a pair that multiplies to 1 within the
// rounding of both; a reciprocal unit has none.
TEST(ShippedCatalogue, EveryFactorPairIsReciprocalAndNeverBelowOne) {
    for (const auto& category : Shipped()) {
        for (const auto& unit : category.Units) {
            SCOPED_TRACE(category.Name + " / " + unit.Name);
            if (unit.Scale.Reciprocal) {
                EXPECT_TRUE(unit.FactorFromBase.empty() && unit.FactorToBase.empty());
                continue;
            }
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

// Each line reads as the size its definition gives, in the generator's table of sizes.
TEST(ShippedCatalogue, EveryUnitReadsAsItsDefinedSize) {
    const auto rows = ReadTableRows(MENSURIX_TESTS_DIR "/shipped_sizes.tsv");
    for (const TableRow& row : rows) {
        const std::string category = row.Field(0), name = row.Field(1), kind = row.Field(2),
                          size = row.Field(3);
        SCOPED_TRACE(row.Line);
        const UnitCategory* found = FindCategory(category);
        ASSERT_NE(found, nullptr);
        const auto index = FindUnit(*found, name);
        ASSERT_LT(index, found->Units.size());
        const UnitScale& scale = found->Units[index].Scale;
        EXPECT_EQ(scale.Reciprocal, kind == "reciprocal");
        EXPECT_EQ(scale.Absolute, kind == "absolute");
        if (size.starts_with('~')) {
            EXPECT_EQ(scale.ToBase, FractionOf(size.substr(1)));
            EXPECT_GE(scale.CertainDigits, 50U);
        } else {
            const auto slash = size.find('/');
            EXPECT_EQ(scale.ToBase, FractionOf(size.substr(0, slash), size.substr(slash + 1)));
            EXPECT_EQ(scale.CertainDigits, 0U);
        }
    }
    std::size_t units = 0;
    for (const auto& category : Shipped()) {
        units += category.Units.size();
    }
    EXPECT_EQ(rows.size(), units);
}

// A typed value comes back in its own row exactly, at any digits; below 0 in an absolute unit
// it is refused, and zero has no value in a reciprocal unit.
TEST(ShippedCatalogue, ValuesComeBackInTheirOwnRow) {
    const struct {
        const char* typed;
        int digits;
        const char* shown;
    } cases[] = {{"1", 8, "1"},
                 {"1", 20, "1"},
                 {"2.5", 0, "3"},
                 {"-0.25", 1, "-0.3"},
                 {"123456789012345678901234567890.123456789", 20,
                  "123456789012345678901234567890.123456789"}};
    for (const auto& category : Shipped()) {
        const bool absolute = std::any_of(category.Units.begin(), category.Units.end(),
                                          [](const UnitEntry& u) { return u.Scale.Absolute; });
        for (std::size_t i = 0; i < category.Units.size(); ++i) {
            SCOPED_TRACE(category.Name + " / " + category.Units[i].Name);
            for (const auto& row : cases) {
                const auto results = ConvertAcrossCategory(category, i, row.typed);
                if (category.Units[i].Scale.Absolute && row.typed[0] == '-') {
                    EXPECT_EQ(results.Refusal, ConversionRefusal::BelowAbsoluteZero);
                    continue;
                }
                if (results.Refusal != ConversionRefusal::None) {
                    EXPECT_TRUE(absolute) << row.typed; // the exact check judges which
                    continue;
                }
                ASSERT_EQ(results.Values.size(), category.Units.size()) << row.typed;
                EXPECT_EQ(ShownValue(results.Values[i], row.digits, false), row.shown) << row.typed;
            }
            if (category.Units[i].Scale.Reciprocal) {
                const auto zero = ConvertAcrossCategory(category, i, "0");
                EXPECT_EQ(zero.Values[i].Missing, MissingValue::ReciprocalOfZero);
            }
        }
    }
}

// The golden file holds conversions at 20 digits and exact ties between units at few digits
// (2.5 yd at 0 digits shows 3 yd, 31.1 °F shows -1 °C), computed through this file.
TEST(ShippedCatalogue, GoldenConversions) {
    const auto rows = ReadTableRows(MENSURIX_TESTS_DIR "/shipped_conversions.tsv");
    for (const TableRow& row : rows) {
        const std::string category = row.Field(0), from = row.Field(1), typed = row.Field(2),
                          to = row.Field(3), digits = row.Field(4), expected = row.Field(5),
                          certain = row.Field(6);
        SCOPED_TRACE(row.Line);
        const UnitCategory* found = FindCategory(category);
        ASSERT_NE(found, nullptr);
        const auto source = FindUnit(*found, from);
        const auto target = FindUnit(*found, to);
        ASSERT_LT(source, found->Units.size());
        ASSERT_LT(target, found->Units.size());
        const auto results = ConvertAcrossCategory(*found, source, typed).Values;
        EXPECT_EQ(ShownValue(results[target], std::stoi(digits), false), expected);
        EXPECT_EQ(results[target].CertainDigits, certain.empty() ? 0U : std::stoul(certain));
    }
    EXPECT_GE(rows.size(), 250U);
}

} // namespace
} // namespace mensurix
