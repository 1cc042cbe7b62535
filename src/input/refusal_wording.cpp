#include "input/refusal_wording.h"

#include "input/typed_number.h"

#include <algorithm>

namespace mensurix {
namespace {

constexpr std::size_t ReadingDigits = 20;

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string Where(const InputRefusal& refusal) {
    return Quoted(refusal.Text) + " at character " + std::to_string(refusal.Position);
}

std::string Problem(std::string_view typed, const InputRefusal& refusal) {
    switch (refusal.Kind) {
    case RefusalKind::Empty:
    case RefusalKind::TooLong:
        return {};
    case RefusalKind::TooDeep:
        return "parentheses or signs nest deeper than " + std::to_string(MaxTypedNesting) +
               " levels at character " + std::to_string(refusal.Position);
    case RefusalKind::TooLarge:
        return Where(refusal) + " makes a value of more than " + std::to_string(MaxValueDigits) +
               " digits";
    case RefusalKind::LongArithmetic:
        return Where(refusal) + ": arithmetic and sums are read in values of up to " +
               std::to_string(MaxExpressionBytes) + " bytes";
    case RefusalKind::UnexpectedCharacter:
        return Where(refusal);
    case RefusalKind::SecondPoint:
        return "a second \".\" at character " + std::to_string(refusal.Position);
    case RefusalKind::NoDigit:
        return std::any_of(typed.begin(), typed.end(),
                           [](char ch) { return ch >= '0' && ch <= '9'; })
                   ? Where(refusal) + " has no digit"
                   : "it has no digit";
    case RefusalKind::NothingAfter:
        return "nothing follows the " + Quoted(refusal.Text);
    case RefusalKind::UnclosedParenthesis:
        return "the \"(\" at character " + std::to_string(refusal.Position) + " is never closed";
    case RefusalKind::DecimalComma:
        return Where(refusal) + " would be a decimal comma, which is written \".\" here";
    case RefusalKind::TwoReadings:
        return Where(refusal) + " reads two ways, as " +
               ExactValueText(refusal.Readings.at(0), ReadingDigits, false) + " or as " +
               ExactValueText(refusal.Readings.at(1), ReadingDigits, false);
    case RefusalKind::DivisionByZero:
        return Where(refusal) + " divides by zero";
    case RefusalKind::UnknownUnit:
        return Where(refusal) + " is no unit of this category";
    case RefusalKind::AmbiguousUnit:
        return Where(refusal) + " names more than one unit of this category";
    case RefusalKind::MissingUnit:
        return Where(refusal) + " has no unit, though the other numbers have one";
    case RefusalKind::UnitNotSummable:
        return Where(refusal) +
               " cannot be summed: a unit with an offset or a reciprocal unit stands only "
               "alone, as the value's own unit";
    }
    return Where(refusal);
}

} // namespace

std::string EnglishRefusal(std::string_view typed, const InputRefusal& refusal) {
    std::string message;
    if (refusal.Kind == RefusalKind::Empty) {
        message = "the value is empty";
    } else if (refusal.Kind == RefusalKind::TooLong) {
        message = "the value is longer than " + std::to_string(MaxTypedBytes) + " bytes";
    } else {
        message = Quoted(typed);
        message += " is not a number: ";
        message += Problem(typed, refusal);
    }
    message += "; a value is a number such as 1.5, -2.5e3, 1,234.5 or 1/3, or a sum such as "
               "5 ft 3 in";
    return message;
}

} // namespace mensurix
