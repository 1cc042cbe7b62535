#include "catalogue/catalogue_reader.h"
#include "input/refusal_wording.h"
#include "input/typed_quantity.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace mensurix {
namespace {

// The shipped catalogue's spellings: primes for arc minutes and seconds, "ft US" beside "ft",
// and a unit with an offset.
const UnitCatalogue& Fixture() {
    static const UnitCatalogue catalogue = ParseCatalogue(
        "[Length]\n"
        "*Meter (m)=1|1\n"
        "Centimeter (cm)=100|0.01\n"
        "Inch (in)=39.37007874015748031496062992125984251969|0.0254\n"
        "Foot (ft)=3.280839895013123359580052493438320209974|0.3048\n"
        "US Survey Foot (ft US)=3.280833333333333333333333333333333333334|"
        "0.3048006096012192024384048768097536195073|=1200/3937\n"
        "[Time]\n"
        "*Second (s)=1|1\n"
        "Minute (min)=0.01666666666666666666666666666666666666667|60\n"
        "Hour (h)=0.0002777777777777777777777777777777777777778|3600\n"
        "[Mass]\n"
        "*Kilogram (kg)=1|1\n"
        "Pound (lb)=2.204622621848775807229738013450270338543|0.45359237\n"
        "Ounce (oz)=35.27396194958041291567580821520432541668|0.028349523125\n"
        "[Angle]\n"
        "*Degree (\xC2\xB0)=1|1\n"
        "Arcminute (\xE2\x80\xB2)=60|0.01666666666666666666666666666666666666667|"
        "=1/60\n"
        "Arcsecond (\xE2\x80\xB3)=3600|0.0002777777777777777777777777777777777777778|"
        "=1/3600\n"
        "[Temperature]\n"
        "*Kelvin (K)=1|1\n"
        "Degree Celsius (\xC2\xB0"
        "C)=1|1|+-273.15\n");
    return catalogue;
}

struct Case {
    const char* name;
    std::size_t category;
    std::size_t source;
    std::string text;
    std::optional<RefusalKind> refusal;
    std::string expected; // the value in lowest terms, or a part of the refusal's English wording
};

TEST(TypedQuantity, SumsUnitsOfTheCategoryExactly) {
    using K = RefusalKind;
    const std::vector<Case> cases = {
        {"FeetAndInchesInCentimeters", 0, 1, "5 ft 3 in", {}, "8001/50"},
        {"TypewriterMarks", 0, 3, "5'10\"", {}, "35/6"},
        {"PrimesForFeetAndInches",
         0,
         2,
         "5\xE2\x80\xB2"
         "10\xE2\x80\xB3",
         {},
         "70"},
        {"UnitNames", 0, 0, "1 Foot 1 inch", {}, "1651/5000"},
        {"ConventionInSymbol", 0, 0, "1 ft US", {}, "1200/3937"},
        {"FractionOfAUnit", 0, 2, "2 1/2 in", {}, "5/2"},
        {"PlusBetweenTerms", 0, 2, "1 ft + 3 in", {}, "15"},
        {"PlainNumberStaysInSourceUnit", 0, 2, "1e3", {}, "1000"},
        {"HoursAndMinutes", 1, 2, "1 h 30 min", {}, "3/2"},
        {"PoundsAndOunces", 2, 2, "3 lb 4 oz", {}, "52"},
        {"DegreesMinutesSeconds", 3, 0, "12\xC2\xB0 30\xE2\x80\xB2 15\xE2\x80\xB3", {}, "3001/240"},
        {"AngleTypewriterMarks",
         3,
         2,
         "12\xC2\xB0"
         "30'15\"",
         {},
         "45015"},
        {"OffsetUnitAloneAsSource",
         4,
         1,
         "20 \xC2\xB0"
         "C",
         {},
         "20"},
        {"OffsetUnitInSum", 4, 0,
         "1 K 2 \xC2\xB0"
         "C",
         K::UnitNotSummable,
         "\"\xC2\xB0"
         "C\" at character 7 cannot be summed"},
        {"UnknownUnit", 0, 0, "1\xC2\xB0", K::UnknownUnit,
         "\"\xC2\xB0\" at character 2 is no unit of this category"},
        {"UnitOfAnotherCategory", 0, 0, "5 ft 3 lb", K::UnknownUnit, "\"lb\" at character 8"},
        {"LastNumberWithoutUnit", 0, 0, "5 ft 3", K::MissingUnit,
         "\"3\" at character 6 has no unit"},
        {"UnitFirst", 0, 0, "ft 5", K::UnexpectedCharacter, "\"f\" at character 1"},
        {"BadNumberInTerm", 0, 0, "5 ft 1,5 in", K::DecimalComma, "\",\" at character 7"},
        {"NumberRefusalWithoutUnits", 0, 0, "1.2.3", K::SecondPoint, "character 4"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const NumberReading reading =
            ReadTypedQuantity(Fixture()[row.category], row.source, row.text, {});
        if (!row.refusal) {
            ASSERT_FALSE(reading.Refusal) << EnglishRefusal(row.text, *reading.Refusal);
            EXPECT_EQ(FractionText(reading.Value), row.expected);
            continue;
        }
        ASSERT_TRUE(reading.Refusal) << FractionText(reading.Value);
        EXPECT_EQ(reading.Refusal->Kind, *row.refusal);
        const std::string wording = EnglishRefusal(row.text, *reading.Refusal);
        EXPECT_NE(wording.find(row.expected), std::string::npos) << wording;
    }
}

} // namespace
} // namespace mensurix
