#include "decimal/decimal_divide.h"

#include "decimal/natural_number.h"

namespace mensurix {
namespace {

DivisionRest RestOf(const natural::Limbs& remainder, const natural::Limbs& divisor) {
    if (remainder.empty()) {
        return DivisionRest::Zero;
    }
    const int order = natural::Compare(natural::Multiply(remainder, {2}), divisor);
    return order < 0 ? DivisionRest::BelowHalf
                     : (order == 0 ? DivisionRest::Half : DivisionRest::AboveHalf);
}

} // namespace

DecimalQuotient DecimalDivide(std::string_view a, std::string_view b, std::size_t fractionDigits) {
    auto ta = TrimBlanks(a);
    auto tb = TrimBlanks(b);
    if (ta.empty() || tb.empty()) {
        return {};
    }
    const bool negA = ta.front() == '-';
    const bool negB = tb.front() == '-';
    if (negA) {
        ta.remove_prefix(1);
    }
    if (negB) {
        tb.remove_prefix(1);
    }
    // a / b x 10^fractionDigits = A x 10^(fb + fractionDigits - fa) / B.
    const auto x = natural::WithoutPoint(ta);
    const auto y = natural::WithoutPoint(tb);
    const natural::Limbs divisor = natural::FromDigits(y.Digits);
    if (divisor.empty()) {
        return {};
    }
    const std::size_t scale = y.FractionDigits + fractionDigits;
    natural::Division division;
    DivisionRest rest = DivisionRest::Zero;
    if (scale >= x.FractionDigits) {
        division =
            natural::Divide(natural::FromDigits(x.Digits, scale - x.FractionDigits), divisor);
        rest = RestOf(division.Remainder, divisor);
    } else {
        // A's last `dropped` digits lie below the quotient's last place: divide the digits above
        // them by B alone, and judge the rest (remainder and dropped digits over B x 10^dropped)
        // without ever dividing by that long divisor.
        const std::size_t dropped = x.FractionDigits - scale;
        // Digits holds every fraction digit, so at least `dropped` of them.
        const std::string_view digits(x.Digits);
        const std::size_t kept = digits.size() - dropped;
        division = natural::Divide(natural::FromDigits(digits.substr(0, kept)), divisor);
        const std::string restDigits =
            natural::ToDigits(division.Remainder) + std::string(digits.substr(kept));
        rest = RestOf(natural::FromDigits(restDigits), natural::FromDigits(y.Digits, dropped));
    }
    DecimalQuotient result;
    result.Quotient = natural::WithPoint(natural::ToDigits(division.Quotient), fractionDigits);
    result.Rest = rest;
    result.Negative = negA != negB && !(division.Quotient.empty() && rest == DivisionRest::Zero);
    if (result.Negative && !division.Quotient.empty()) {
        result.Quotient.insert(0, 1, '-');
    }
    return result;
}

} // namespace mensurix
