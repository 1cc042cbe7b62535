#include "catalogue/converted_value.h"

#include "decimal/decimal_divide.h"
#include "decimal/decimal_round.h"

#include <algorithm>

namespace mensurix {
namespace {

// Significant digits the whole form of an endless value shows before its "…".
constexpr std::size_t WholeFormDigits = 50;

// Digits before the point, 0 for a value below 1 (a leading '-' is not counted).
std::size_t IntegerDigits(std::string_view decimal) {
    if (decimal.starts_with('-')) {
        decimal.remove_prefix(1);
    }
    const auto point = std::min(decimal.find('.'), decimal.size());
    return decimal.substr(0, point) == "0" ? 0 : point;
}

// Zeros between the point and the first significant digit of a value below 1.
std::size_t LeadingFractionZeros(std::string_view decimal) {
    const auto point = decimal.find('.');
    if (point == std::string_view::npos || IntegerDigits(decimal) != 0) {
        return 0;
    }
    const auto first = decimal.find_first_not_of('0', point + 1);
    return first == std::string_view::npos ? 0 : first - point - 1;
}

// The kept digits rounded to `fractionDigits` places, or to `certainDigits` significant digits
// where those end first (then within the integer part too, its lower digits shown as zeros).
std::string RoundedToCertain(const DecimalText& kept, int fractionDigits, std::size_t certainDigits,
                             bool groupThousands) {
    const auto integerDigits = static_cast<long long>(IntegerDigits(kept));
    const long long certainPlaces = static_cast<long long>(certainDigits) - integerDigits +
                                    static_cast<long long>(LeadingFractionZeros(kept));
    if (certainPlaces >= 0) {
        const int places = static_cast<int>(std::min<long long>(fractionDigits, certainPlaces));
        return DecimalRound(kept, places, groupThousands);
    }
    // Shift the point left, round to an integer, shift back.
    const auto shift = static_cast<std::size_t>(-certainPlaces);
    std::string shifted(kept.substr(0, std::min(kept.find('.'), kept.size())));
    const bool negative = shifted.starts_with('-');
    std::string digits = negative ? shifted.substr(1) : shifted;
    if (digits.size() < shift) {
        digits.insert(0, shift - digits.size(), '0');
    }
    digits.insert(digits.size() - shift, 1, '.');
    std::string rounded = DecimalRound((negative ? "-" : "") + digits, 0, false);
    if (rounded != "0") {
        rounded.append(shift, '0');
    }
    return DecimalRound(rounded, 0, groupThousands);
}

} // namespace

ConvertedValue ValueOf(const ExactFraction& exact, std::size_t certainDigits) {
    ConvertedValue value;
    value.Exact = exact;
    value.CertainDigits = certainDigits;
    if (!Exists(exact)) {
        value.Missing = MissingValue::ReciprocalOfZero;
        return value;
    }
    const DecimalQuotient quotient =
        DecimalDivide(exact.Numerator, exact.Denominator, KeptFractionDigits);
    value.Kept = quotient.Quotient;
    value.KeptIsWhole = quotient.Rest == DivisionRest::Zero;
    return value;
}

bool IsApproximate(const ConvertedValue& value) {
    return value.CertainDigits != 0 && !value.Kept.empty();
}

std::string ShownValue(const ConvertedValue& value, int fractionDigits, bool groupThousands) {
    if (value.Kept.empty()) {
        return {};
    }
    if (IsApproximate(value)) {
        return RoundedToCertain(value.Kept, fractionDigits, value.CertainDigits, groupThousands);
    }
    return DecimalRound(value.Kept, fractionDigits, groupThousands);
}

bool ShownValueDropsDigits(const ConvertedValue& value, int fractionDigits) {
    if (value.Kept.empty()) {
        return false;
    }
    if (IsApproximate(value)) {
        return ShownValue(value, fractionDigits, false) != WholeValue(value, false);
    }
    return !value.KeptIsWhole || RoundingDropsDigits(value.Kept, fractionDigits);
}

std::string WholeValue(const ConvertedValue& value, bool groupThousands) {
    if (value.Kept.empty()) {
        return {};
    }
    if (IsApproximate(value)) {
        return RoundedToCertain(value.Kept, static_cast<int>(KeptFractionDigits) - 1,
                                value.CertainDigits, groupThousands);
    }
    return ExactValueText(value.Exact, WholeFormDigits, groupThousands);
}

} // namespace mensurix
