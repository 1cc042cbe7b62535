#include "catalogue/catalogue_reader.h"
#include "catalogue/edit_distance.h"
#include "catalogue/unit_lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

// Symbols in UTF-8, two that differ only in case (Mm, mm), one written twice (F) and names
// that hold no symbol at all.
const UnitCatalogue& Fixture() {
    static const UnitCatalogue catalogue =
        ParseCatalogue("[Length]\n"
                       "*Meter (m)=1|1\n"
                       "Kilometer (km)=0.001|1000\n"
                       "Micrometer (\xC2\xB5m)=1000000|0.000001\n"
                       "Megameter (Mm)=0.000001|1000000\n"
                       "Millimeter (mm)=1000|0.001\n"
                       "Hand=9.84|0.1016\n"
                       "[Temperature]\n"
                       "*Kelvin (K)=1|1\n"
                       "Degree Fahrenheit (\xC2\xB0"
                       "F)=1.8|0.5|+-459.67\n"
                       "Fahrenheit Twin (F)=1|1\n"
                       "[Capacitance]\n"
                       "*Farad (F)=1|1\n"
                       "[Area]\n"
                       "*Square Meter (m\xC2\xB2)=1|1\n");
    return catalogue;
}

std::vector<std::string> Names(const std::vector<UnitPosition>& units) {
    std::vector<std::string> names;
    for (const auto& u : units) {
        names.push_back(Fixture()[u.Category].Units[u.Unit].Name);
    }
    return names;
}

TEST(UnitSymbol, IsTheLastParenthesisAtTheEnd) {
    struct Case {
        std::string name;
        std::string symbol;
        std::string bare;
    };
    const std::vector<Case> cases = {
        {"Kilometer (km)", "km", "Kilometer"},
        {"Liter per 100 Kilometers (L/100 km)", "L/100 km", "Liter per 100 Kilometers"},
        {"Foot (US) (ft US)", "ft US", "Foot (US)"},
        {"Hand", "", "Hand"},
        {"Hand (hh) spare", "", "Hand (hh) spare"},
        {"Empty ()", "", "Empty"},
        {"x)", "", "x)"},
        {"", "", ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(UnitSymbol(row.name), row.symbol);
        EXPECT_EQ(UnitBareName(row.name), row.bare);
    }
}

TEST(FindUnit, SymbolThenCaseThenName) {
    struct Case {
        std::string text;
        MatchOutcome outcome;
        std::vector<std::string> units;
    };
    const std::vector<Case> cases = {
        {"km", MatchOutcome::Found, {"Kilometer (km)"}},
        {"\xC2\xB5m", MatchOutcome::Found, {"Micrometer (\xC2\xB5m)"}},
        {"m\xC2\xB2", MatchOutcome::Found, {"Square Meter (m\xC2\xB2)"}},
        {"\xC2\xB0"
         "f",
         MatchOutcome::Found,
         {"Degree Fahrenheit (\xC2\xB0"
          "F)"}},
        {"Mm", MatchOutcome::Found, {"Megameter (Mm)"}},
        {"mm", MatchOutcome::Found, {"Millimeter (mm)"}},
        {"KM", MatchOutcome::Found, {"Kilometer (km)"}},
        {"MM", MatchOutcome::Ambiguous, {"Megameter (Mm)", "Millimeter (mm)"}},
        {"F", MatchOutcome::Ambiguous, {"Fahrenheit Twin (F)", "Farad (F)"}},
        {"Kilometer", MatchOutcome::Found, {"Kilometer (km)"}},
        {"kilometer (KM)", MatchOutcome::Found, {"Kilometer (km)"}},
        {"hand", MatchOutcome::Found, {"Hand"}},
        {"Kilometre",
         MatchOutcome::Unknown,
         {"Kilometer (km)", "Micrometer (\xC2\xB5m)", "Millimeter (mm)", "Meter (m)",
          "Megameter (Mm)"}},
        {"FAHRENHEIT",
         MatchOutcome::Unknown,
         {"Degree Fahrenheit (\xC2\xB0"
          "F)",
          "Fahrenheit Twin (F)", "Farad (F)", "Meter (m)", "Hand"}},
        {"", MatchOutcome::Unknown, {}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.text);
        const UnitMatch match = FindUnit(Fixture(), row.text);
        EXPECT_EQ(match.Outcome, row.outcome);
        EXPECT_EQ(Names(match.Units), row.units);
    }
}

TEST(FindCategory, ExactThenAnyCaseElseTheClosest) {
    EXPECT_EQ(FindCategory(Fixture(), "Area").Categories, std::vector<std::size_t>{3});
    EXPECT_EQ(FindCategory(Fixture(), "temperature").Categories, std::vector<std::size_t>{1});
    const CategoryMatch unknown = FindCategory(Fixture(), "Lenght");
    EXPECT_EQ(unknown.Outcome, MatchOutcome::Unknown);
    ASSERT_FALSE(unknown.Categories.empty());
    EXPECT_EQ(unknown.Categories.front(), 0U);
}

TEST(SearchUnits, NameOrSymbolAnyCase) {
    EXPECT_EQ(Names(SearchUnits(Fixture(), "METER")),
              (std::vector<std::string>{"Meter (m)", "Kilometer (km)", "Micrometer (\xC2\xB5m)",
                                        "Megameter (Mm)", "Millimeter (mm)",
                                        "Square Meter (m\xC2\xB2)"}));
    EXPECT_EQ(Names(SearchUnits(Fixture(), "\xC2\xB0")),
              std::vector<std::string>{"Degree Fahrenheit (\xC2\xB0"
                                       "F)"});
    EXPECT_TRUE(SearchUnits(Fixture(), "parsec").empty());
}

TEST(EditDistance, CountsEditsIgnoringAsciiCase) {
    EXPECT_EQ(EditDistance("kitten", "sitting"), 3U);
    EXPECT_EQ(EditDistance("KM", "km"), 0U);
    EXPECT_EQ(EditDistance("", "abc"), 3U);
}

} // namespace
} // namespace mensurix
