#include "input/refusal_wording.h"
#include "input/typed_number.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace mensurix {
namespace {

// What one language makes of a text: its exact value in lowest terms, or the refusal with
// a part of its English wording.
struct Outcome {
    std::string value;
    RefusalKind kind = RefusalKind::Empty;
    std::size_t position = 0;
    std::string wording;
};

Outcome Is(std::string value) {
    return {std::move(value), RefusalKind::Empty, 0, {}};
}

Outcome Refused(RefusalKind kind, std::size_t position, std::string wording) {
    return {{}, kind, position, std::move(wording)};
}

struct Case {
    std::string name;
    std::string text;
    Outcome point; // a language that writes a decimal point
    Outcome comma; // one that writes a decimal comma
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const Case& row, std::ostream* out) {
    *out << row.name;
}

Case Both(std::string name, std::string text, const Outcome& outcome) {
    return {std::move(name), std::move(text), outcome, outcome};
}

const std::string Minus = "\xE2\x88\x92";
const std::string NoBreak = "\xC2\xA0";
const std::string Thin = "\xE2\x80\x89";
const std::string NarrowNoBreak = "\xE2\x80\xAF";
using K = RefusalKind;

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        Both("Integer", "42", Is("42")),
        Both("Decimal", "-0.25", Is("-1/4")),
        Both("LeadingPoint", ".5", Is("1/2")),
        Both("BlanksAround", " \t12 ", Is("12")),
        Both("NoBreakBlanksAround", NoBreak + "12" + Thin, Is("12")),
        Both("LeadingPlus", "+5", Is("5")),
        Both("MinusSign", Minus + "3", Is("-3")),
        Both("Exponent", "1e3", Is("1000")),
        Both("NegativeExponent", "2.5E-7", Is("1/4000000")),
        Both("ExponentWithMinusSign", "1e" + Minus + "2", Is("1/100")),
        Both("ExponentPlus", "1.5e+2", Is("150")),
        Both("OwnGrouping", "1,234.5", Is("2469/2")),
        Both("OwnGroupingTwice", "12,345,678", Is("12345678")),
        Both("SpaceGroups", "1 234 567", Is("1234567")),
        Both("NoBreakGroups", "1" + NoBreak + "234", Is("1234")),
        Both("ThinGroups", "1" + Thin + "234" + Thin + "567", Is("1234567")),
        Both("NarrowNoBreakGroups", "9" + NarrowNoBreak + "000", Is("9000")),
        Both("ApostropheGroups", "1'234'567.25", Is("4938269/4")),
        Both("UnderscoreGroups", "1_000", Is("1000")),
        Both("Fraction", "1/3", Is("1/3")),
        Both("MixedNumber", "2 3/4", Is("11/4")),
        Both("NegativeMixedNumber", "-2 3/4", Is("-11/4")),
        Both("SumWithFraction", "5+3/12", Is("21/4")),
        Both("Product", "12*8.5", Is("102")),
        Both("TimesAndDivide",
             "6\xC3\x97"
             "2\xC3\xB7"
             "4",
             Is("3")),
        Both("Parentheses", "(1+2)/3", Is("1")),
        Both("UnaryMinusOfGroup", "-(1+2)*2", Is("-6")),
        Both("DoubleSign", "--2", Is("2")),
        Both("SubtractionAfterProduct", "2*3-1/2", Is("11/2")),
        Both("GroupedOverThousandIsBoth", "2 345/1000", Is("469/200")),
        Both("ProductOfMixedIsDivision", "1/2 3/4",
             Refused(K::UnexpectedCharacter, 5, "\"3\" at character 5")),
        {"DecimalComma", "1,5",
         Refused(K::DecimalComma, 2, "\",\" at character 2 would be a decimal comma"), Is("3/2")},
        {"DecimalCommaAfterBlankGroups", "1 234,5",
         Refused(K::DecimalComma, 6, "\",\" at character 6"), Is("2469/2")},
        {"CommaGroupOrDecimal", "1,234", Is("1234"),
         Refused(K::TwoReadings, 1,
                 "\"1,234\" at character 1 reads two ways, as 1234 or as 1.234")},
        {"LongCommaFraction", "1,2345", Refused(K::DecimalComma, 2, "\",\""), Is("2469/2000")},
        Both("CommaGroupsAndDecimalComma", "1,234,5",
             Refused(K::UnexpectedCharacter, 6, "\",\" at character 6")),
        Both("GroupOrMixedDiffer", "2 345/8",
             Refused(K::TwoReadings, 1, "reads two ways, as 293.125 or as 45.125")),
        Both("Empty", "", Refused(K::Empty, 1, "the value is empty")),
        Both("OnlyBlanks", "  " + NoBreak, Refused(K::Empty, 1, "the value is empty")),
        Both("Letter", "1x",
             Refused(K::UnexpectedCharacter, 2, "\"1x\" is not a number: \"x\" at character 2")),
        Both("WholeCharacterNamed", "1\xC2\xB0",
             Refused(K::UnexpectedCharacter, 2, "\"\xC2\xB0\" at character 2")),
        Both("PositionInCharacters", Minus + "1\xC2\xB0",
             Refused(K::UnexpectedCharacter, 3, "at character 3")),
        Both("ExponentWithoutDigits", "1e",
             Refused(K::UnexpectedCharacter, 2, "\"e\" at character 2")),
        Both("SecondPoint", "1.2.3", Refused(K::SecondPoint, 4, "a second \".\" at character 4")),
        Both("NoDigit", ".", Refused(K::NoDigit, 1, "\".\" is not a number: it has no digit")),
        Both("NoDigitInSum", "1+.", Refused(K::NoDigit, 3, "\".\" at character 3 has no digit")),
        Both("LoneMinus", "-", Refused(K::NothingAfter, 1, "nothing follows the \"-\"")),
        Both("TrailingOperator", "1 + ", Refused(K::NothingAfter, 3, "nothing follows the \"+\"")),
        Both("OpenParenthesisAtEnd", "2*(",
             Refused(K::NothingAfter, 3, "nothing follows the \"(\"")),
        Both("UnclosedParenthesis", "(1+2",
             Refused(K::UnclosedParenthesis, 1, "the \"(\" at character 1 is never closed")),
        Both("StrayClosing", "1)", Refused(K::UnexpectedCharacter, 2, "\")\" at character 2")),
        Both("TwoNumbers", "1 2", Refused(K::UnexpectedCharacter, 3, "\"2\" at character 3")),
        {"BadGroupLength", "1,23,456", Refused(K::DecimalComma, 2, "\",\" at character 2"),
         Refused(K::UnexpectedCharacter, 5, "\",\" at character 5")},
        {"MixedGroupMarks", "1,234 567", Refused(K::UnexpectedCharacter, 7, "\"5\" at character 7"),
         Refused(K::TwoReadings, 1, "as 1234 or as 1.234")},
        Both("DivisionByZero", "1/0",
             Refused(K::DivisionByZero, 2, "\"/\" at character 2 divides by zero")),
        Both("DivisionByZeroValue", "4/(2-2)", Refused(K::DivisionByZero, 2, "divides by zero")),
        Both("MixedByZero", "2 3/0", Refused(K::DivisionByZero, 4, "divides by zero")),
        Both("HugeExponent", "1e99999", Refused(K::TooLarge, 2, "more than 65536 digits")),
        Both("ExponentsMultiplied", "1e5000*1e5000",
             Refused(K::TooLarge, 7, "\"*\" at character 7")),
        Both("LongNumberAlone", std::string(MaxExpressionBytes, '9') + "0",
             Is(std::string(MaxExpressionBytes, '9') + "0")),
        Both("ArithmeticInALongText", std::string(MaxExpressionBytes, '9') + "+1",
             Refused(K::LongArithmetic, MaxExpressionBytes + 1,
                     "\"+\" at character 1001: arithmetic")),
        Both("DeepParentheses", std::string(MaxTypedNesting + 1, '(') + "1",
             Refused(K::TooDeep, MaxTypedNesting + 1, "nest deeper than")),
        Both("ManySigns", std::string(MaxTypedNesting + 1, '-') + "1",
             Refused(K::TooDeep, MaxTypedNesting + 1, "nest deeper than")),
        Both("TooLong", std::string(MaxTypedBytes + 1, '1'),
             Refused(K::TooLong, 1, "longer than 131072 bytes")),
        Both("LongestAccepted", std::string(MaxTypedBytes, '0'), Is("0")),
    };
    return cases;
}

class TypedNumber : public ::testing::TestWithParam<Case> {};

void Expect(const std::string& text, bool decimalComma, const Outcome& expected) {
    SCOPED_TRACE(decimalComma ? "decimal comma" : "decimal point");
    const NumberReading reading = ReadTypedNumber(text, NumberConventions{decimalComma});
    if (!expected.value.empty()) {
        ASSERT_FALSE(reading.Refusal) << EnglishRefusal(text, *reading.Refusal);
        EXPECT_EQ(FractionText(reading.Value), expected.value);
        return;
    }
    ASSERT_TRUE(reading.Refusal) << FractionText(reading.Value);
    EXPECT_EQ(reading.Refusal->Kind, expected.kind);
    EXPECT_EQ(reading.Refusal->Position, expected.position);
    const std::string wording = EnglishRefusal(text, *reading.Refusal);
    EXPECT_NE(wording.find(expected.wording), std::string::npos) << wording;
}

TEST_P(TypedNumber, ReadsExactlyOrSaysWhy) {
    Expect(GetParam().text, false, GetParam().point);
    Expect(GetParam().text, true, GetParam().comma);
}

INSTANTIATE_TEST_SUITE_P(Forms, TypedNumber, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace mensurix
