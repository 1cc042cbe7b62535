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
    // a / b = (A / 10^fa) / (B / 10^fb) = A x 10^fb / (B x 10^fa), scaled by 10^fractionDigits.
    const auto x = natural::WithoutPoint(ta);
    const auto y = natural::WithoutPoint(tb);
    const natural::Limbs divisor = natural::FromDigits(y.Digits, x.FractionDigits);
    if (divisor.empty()) {
        return {};
    }
    const natural::Limbs dividend =
        natural::FromDigits(x.Digits, y.FractionDigits + fractionDigits);
    const natural::Division division = natural::Divide(dividend, divisor);
    DecimalQuotient result;
    result.Quotient = natural::WithPoint(natural::ToDigits(division.Quotient), fractionDigits);
    result.Rest = RestOf(division.Remainder, divisor);
    result.Negative = negA != negB && !(division.Quotient.empty() && division.Remainder.empty());
    if (result.Negative && !division.Quotient.empty()) {
        result.Quotient.insert(0, 1, '-');
    }
    return result;
}

} // namespace mensurix
