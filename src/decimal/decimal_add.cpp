#include "decimal/decimal_add.h"

#include "decimal/magnitude_steps.h"

#include <string>

namespace mensurix {

DecimalText MagnitudeAdd(std::string_view a, std::string_view b) {
    std::string x(a);
    std::string y(b);
    AlignDecimals(x, y);
    // The digits are written from the back into a buffer with one spare place for the carry.
    std::string r(x.size() + 1, '0');
    auto out = r.size();
    int carry = 0;
    for (auto i = x.size(); i-- > 0;) {
        if (x[i] == '.' && y[i] == '.') {
            r[--out] = '.';
            continue;
        }
        const int s = carry + DigitValue(x[i]) + DigitValue(y[i]);
        r[--out] = static_cast<char>('0' + s % 10);
        carry = s / 10;
    }
    r[--out] = static_cast<char>('0' + carry);
    return TrimZeros(r);
}

DecimalText MagnitudeSubtract(std::string_view a, std::string_view b) {
    std::string x = CanonicalMagnitude(a);
    std::string y = CanonicalMagnitude(b);
    AlignDecimals(x, y);
    const bool negative = y > x;
    if (negative) {
        x.swap(y);
    }
    std::string r(x.size(), '0');
    int borrow = 0;
    for (auto i = x.size(); i-- > 0;) {
        if (x[i] == '.' && y[i] == '.') {
            r[i] = '.';
            continue;
        }
        int d = DigitValue(x[i]) - DigitValue(y[i]) - borrow;
        borrow = d < 0 ? 1 : 0;
        d += 10 * borrow;
        r[i] = static_cast<char>('0' + d);
    }
    std::string trimmed = TrimZeros(r);
    if (negative) {
        trimmed.insert(0, 1, '-');
    }
    return trimmed;
}

DecimalText DecimalAdd(std::string_view a, std::string_view b) {
    const auto ta = TrimBlanks(a);
    const auto tb = TrimBlanks(b);
    if (ta.empty() || tb.empty()) {
        return {};
    }
    const bool negA = ta.front() == '-';
    const bool negB = tb.front() == '-';
    const auto magA = negA ? ta.substr(1) : ta;
    const auto magB = negB ? tb.substr(1) : tb;
    if (!negA && !negB) {
        return MagnitudeAdd(ta, tb);
    }
    if (!negA) {
        return MagnitudeSubtract(ta, magB);
    }
    if (!negB) {
        return MagnitudeSubtract(tb, magA);
    }
    // Both negative: the sign goes in front whatever the sum, so "-0" + "-0" is "-0".
    std::string sum = MagnitudeAdd(magA, magB);
    sum.insert(0, 1, '-');
    return sum;
}

DecimalText DecimalSubtract(std::string_view a, std::string_view b) {
    const auto tb = TrimBlanks(b);
    if (tb.empty()) {
        return {};
    }
    if (tb.front() == '-') {
        return DecimalAdd(a, tb.substr(1));
    }
    std::string negated;
    negated.reserve(tb.size() + 1);
    negated += '-';
    negated += tb;
    return DecimalAdd(a, negated);
}

} // namespace mensurix
