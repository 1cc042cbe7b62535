#include "input/number_literal.h"

#include "input/typed_characters.h"

#include <string>

namespace mensurix::typed {
namespace {

constexpr std::size_t GroupDigits = 3;
constexpr std::size_t ExponentDigitsRead = 5; // more already exceeds MaxValueDigits

// A digit-group mark at `at`: the program's own ",", the blanks, "'" and "_".
std::size_t GroupMarkAt(std::string_view text, std::size_t at) {
    if (const std::size_t blank = BlankAt(text, at); blank != 0 && text[at] != '\t') {
        return blank;
    }
    return MarkAt(text, at, ",") + MarkAt(text, at, "'") + MarkAt(text, at, "_");
}

// Exactly three digits at `at`, no fourth: a group, not the start of a longer number.
bool GroupAt(std::string_view text, std::size_t at) {
    for (std::size_t i = 0; i < GroupDigits; ++i) {
        if (!IsDigitAt(text, at + i)) {
            return false;
        }
    }
    return !IsDigitAt(text, at + GroupDigits);
}

std::size_t DigitsEnd(std::string_view text, std::size_t at) {
    while (IsDigitAt(text, at)) {
        ++at;
    }
    return at;
}

// 10 to the power `exponent` as a decimal text.
std::string PowerOfTen(std::size_t exponent) {
    std::string power = "1";
    power.append(exponent, '0');
    return power;
}

} // namespace

NumberLiteral ReadNumberLiteral(std::string_view text, std::size_t at,
                                const NumberConventions& conventions) {
    NumberLiteral literal;
    literal.End = at;
    std::size_t p = DigitsEnd(text, at);
    const std::string_view lead = text.substr(at, p - at);
    std::string digits(lead);
    std::string_view mark;
    std::size_t groups = 0;
    if (!lead.empty() && lead.size() <= GroupDigits) {
        for (std::size_t length = GroupMarkAt(text, p);
             length != 0 && (mark.empty() || text.substr(p, length) == mark) &&
             GroupAt(text, p + length);
             length = GroupMarkAt(text, p)) {
            mark = text.substr(p, length);
            digits += text.substr(p + length, GroupDigits);
            p += length + GroupDigits;
            ++groups;
        }
    }
    const bool commaGroups = mark == ",";
    bool pointFraction = text.substr(p).starts_with('.');
    bool commaFraction = !pointFraction && !commaGroups && conventions.DecimalComma &&
                         text.substr(p).starts_with(',');
    std::string fraction;
    if (pointFraction || commaFraction) {
        const std::size_t end = DigitsEnd(text, p + 1);
        fraction = text.substr(p + 1, end - p - 1);
        p = end;
    }
    if (digits.empty() && fraction.empty()) {
        if (pointFraction || commaFraction) {
            literal.Refusal = SpanRefusal{RefusalKind::NoDigit, at, 1, {}};
        }
        return literal;
    }
    if (pointFraction && text.substr(p).starts_with('.')) {
        literal.Refusal = SpanRefusal{RefusalKind::SecondPoint, p, 1, {}};
        return literal;
    }
    if (!conventions.DecimalComma && !commaGroups && text.substr(p).starts_with(',') &&
        IsDigitAt(text, p + 1)) {
        literal.Refusal = SpanRefusal{RefusalKind::DecimalComma, p, 1, {}};
        return literal;
    }
    // "1,234" in a language with a decimal comma; "1,234,5" is refused further on anyway.
    if (commaGroups && groups == 1 && !pointFraction && conventions.DecimalComma &&
        !text.substr(p).starts_with(',')) {
        const std::string asFraction = std::string(lead) + "." + digits.substr(lead.size());
        literal.Refusal = SpanRefusal{
            RefusalKind::TwoReadings, at, p - at, {FractionOf(digits), FractionOf(asFraction)}};
        return literal;
    }
    ExactFraction value = FractionOf(digits.empty() ? "0." + fraction : digits + "." + fraction);
    bool exponentGiven = false;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        bool negative = false;
        const std::size_t sign = SignAt(text, p + 1, negative);
        const std::size_t first = p + 1 + sign;
        const std::size_t end = DigitsEnd(text, first);
        if (end > first) {
            const std::string_view written = text.substr(first, end - first);
            std::size_t exponent = 0;
            for (std::size_t i = 0; i < written.size() && i < ExponentDigitsRead; ++i) {
                exponent = exponent * 10 + static_cast<std::size_t>(written[i] - '0');
            }
            if (written.size() > ExponentDigitsRead || exponent > MaxValueDigits) {
                literal.Refusal = SpanRefusal{RefusalKind::TooLarge, p, end - p, {}};
                return literal;
            }
            const ExactFraction power = FractionOf(PowerOfTen(exponent));
            value = Times(value, negative ? Reciprocal(power) : power);
            exponentGiven = true;
            p = end;
        }
    }
    literal.End = p;
    literal.Value = std::move(value);
    const bool integer = !pointFraction && !commaFraction && !exponentGiven;
    literal.PlainInteger = integer && groups == 0;
    if (integer && groups == 1 && BlankAt(mark, 0) != 0) {
        literal.BlankGroupWhole = FractionOf(lead);
        literal.BlankGroupPart = FractionOf(digits.substr(lead.size()));
    }
    return literal;
}

} // namespace mensurix::typed
