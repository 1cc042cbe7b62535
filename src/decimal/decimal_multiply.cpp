#include "decimal/decimal_multiply.h"

#include "decimal/magnitude_steps.h"
#include "decimal/natural_number.h"

namespace mensurix {
std::string MultiplyByDigit(std::string_view digits, int digit) {
    std::string r(digits.size() + 1, '0');
    auto out = r.size();
    int carry = 0;
    for (auto i = digits.size(); i-- > 0;) {
        const int s = carry + DigitValue(digits[i]) * digit;
        r[--out] = static_cast<char>('0' + s % 10);
        carry = s / 10;
    }
    if (carry == 0) {
        return r.substr(1);
    }
    r[0] = static_cast<char>('0' + carry);
    return r;
}

DecimalText MagnitudeMultiply(std::string_view a, std::string_view b) {
    const auto x = natural::WithoutPoint(a);
    const auto y = natural::WithoutPoint(b);
    if (x.Digits.empty() || y.Digits.empty()) {
        return "0";
    }
    return natural::WithPoint(natural::ToDigits(natural::Multiply(natural::FromDigits(x.Digits),
                                                                  natural::FromDigits(y.Digits))),
                              x.FractionDigits + y.FractionDigits);
}

DecimalText DecimalMultiply(std::string_view a, std::string_view b) {
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
    std::string r = MagnitudeMultiply(ta, tb);
    // A zero product with exactly one negative operand keeps its sign: "-0".
    if (negA != negB) {
        r.insert(0, 1, '-');
    }
    return r;
}

} // namespace mensurix
