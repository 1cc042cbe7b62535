#include "localisation/refusal_message.h"

#include <array>

namespace mensurix {
namespace {

constexpr std::size_t ReadingDigits = 20;

const std::string& Template(const std::string& text, const std::string& english) {
    return text.empty() ? english : text;
}

} // namespace

std::string RefusalMessage(const InputRefusal& refusal, const RefusalTexts& texts) {
    static const RefusalTexts english = {
        "Not a value: \xE2\x80\x9C%1\xE2\x80\x9D at character %2.",
        "The value is incomplete after \xE2\x80\x9C%1\xE2\x80\x9D (character %2).",
        "\xE2\x80\x9C,\xE2\x80\x9D at character %2 would be a decimal comma; write "
        "\xE2\x80\x9C.\xE2"
        "\x80\x9D.",
        "\xE2\x80\x9C%1\xE2\x80\x9D reads two ways: %3 or %4.",
        "Division by zero at character %2.",
        "\xE2\x80\x9C%1\xE2\x80\x9D is no unit of this category.",
        "\xE2\x80\x9C%1\xE2\x80\x9D names several units; write its symbol.",
        "\xE2\x80\x9C%1\xE2\x80\x9D needs a unit, as the other numbers have.",
        "\xE2\x80\x9C%1\xE2\x80\x9D cannot be added to other units.",
    };
    const std::string* chosen = nullptr;
    switch (refusal.Kind) {
    case RefusalKind::Empty:
        return {};
    case RefusalKind::TooLong:
    case RefusalKind::TooDeep:
    case RefusalKind::TooLarge:
    case RefusalKind::LongArithmetic:
    case RefusalKind::UnexpectedCharacter:
    case RefusalKind::SecondPoint:
    case RefusalKind::NoDigit:
        chosen = &Template(texts.NotAValue, english.NotAValue);
        break;
    case RefusalKind::NothingAfter:
    case RefusalKind::UnclosedParenthesis:
        chosen = &Template(texts.Incomplete, english.Incomplete);
        break;
    case RefusalKind::DecimalComma:
        chosen = &Template(texts.DecimalComma, english.DecimalComma);
        break;
    case RefusalKind::TwoReadings:
        chosen = &Template(texts.TwoReadings, english.TwoReadings);
        break;
    case RefusalKind::DivisionByZero:
        chosen = &Template(texts.DivisionByZero, english.DivisionByZero);
        break;
    case RefusalKind::UnknownUnit:
        chosen = &Template(texts.UnknownUnit, english.UnknownUnit);
        break;
    case RefusalKind::AmbiguousUnit:
        chosen = &Template(texts.AmbiguousUnit, english.AmbiguousUnit);
        break;
    case RefusalKind::MissingUnit:
        chosen = &Template(texts.MissingUnit, english.MissingUnit);
        break;
    case RefusalKind::UnitNotSummable:
        chosen = &Template(texts.NotSummable, english.NotSummable);
        break;
    }
    std::array<std::string, 4> values = {refusal.Text, std::to_string(refusal.Position), "", ""};
    if (refusal.Readings.size() == 2) {
        values[2] = ExactValueText(refusal.Readings[0], ReadingDigits, false);
        values[3] = ExactValueText(refusal.Readings[1], ReadingDigits, false);
    }
    // One pass, so that a typed "%2" stays as typed.
    std::string message;
    for (std::size_t at = 0; at < chosen->size(); ++at) {
        const char next = at + 1 < chosen->size() ? (*chosen)[at + 1] : '\0';
        if ((*chosen)[at] == '%' && next >= '1' && next <= '4') {
            message += values[static_cast<std::size_t>(next - '1')];
            ++at;
        } else {
            message += (*chosen)[at];
        }
    }
    return message;
}

} // namespace mensurix
