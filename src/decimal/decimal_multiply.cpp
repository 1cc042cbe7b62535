#include "decimal/decimal_multiply.h"

#include <cstdint>
#include <vector>

namespace mensurix {
namespace {

constexpr std::uint64_t LimbBase = 1000000000;
constexpr std::size_t LimbDigits = 9;

// An operand split at its first '.': the digit characters (any byte reads through DigitValue,
// so a second '.' counts as a zero digit) and the number of fraction characters.
struct DigitString {
    std::string_view integer;
    std::string_view fraction;
    std::size_t size() const { return integer.size() + fraction.size(); }
    char at(std::size_t i) const {
        return i < integer.size() ? integer[i] : fraction[i - integer.size()];
    }
};

DigitString SplitAtPoint(std::string_view text) {
    const auto p = text.find('.');
    if (p == std::string_view::npos) {
        return {text, {}};
    }
    return {text.substr(0, p), text.substr(p + 1)};
}

// Little-endian limbs of nine decimal digits each.
std::vector<std::uint64_t> ToLimbs(const DigitString& digits) {
    const auto n = digits.size();
    std::vector<std::uint64_t> limbs((n + LimbDigits - 1) / LimbDigits, 0);
    for (std::size_t k = 0; k < limbs.size(); ++k) {
        const auto end = n - k * LimbDigits;
        const auto begin = end > LimbDigits ? end - LimbDigits : 0;
        std::uint64_t value = 0;
        for (auto i = begin; i < end; ++i) {
            value = value * 10 + static_cast<std::uint64_t>(DigitValue(digits.at(i)));
        }
        limbs[k] = value;
    }
    // High zero limbs add nothing; dropping them keeps zero-padded operands cheap.
    while (!limbs.empty() && limbs.back() == 0) {
        limbs.pop_back();
    }
    return limbs;
}

// The product of two digit strings as exactly `width` digits (leading zeros kept). Schoolbook
// multiplication on limbs gives the same digits as summing one partial product per digit, in
// time proportional to the product of the lengths.
std::string ProductDigits(const DigitString& a, const DigitString& b, std::size_t width) {
    const auto x = ToLimbs(a);
    const auto y = ToLimbs(b);
    std::vector<std::uint64_t> product(x.size() + y.size(), 0);
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i] == 0) {
            continue;
        }
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < y.size(); ++j) {
            const std::uint64_t cur = product[i + j] + x[i] * y[j] + carry;
            product[i + j] = cur % LimbBase;
            carry = cur / LimbBase;
        }
        product[i + y.size()] += carry;
    }
    std::string digits(width, '0');
    auto out = width;
    for (std::size_t k = 0; k < product.size() && out > 0; ++k) {
        auto limb = product[k];
        for (std::size_t d = 0; d < LimbDigits && out > 0; ++d) {
            digits[--out] = static_cast<char>('0' + limb % 10);
            limb /= 10;
        }
    }
    return digits;
}

} // namespace

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
    const auto x = SplitAtPoint(a);
    const auto y = SplitAtPoint(b);
    const auto fractionDigits = x.fraction.size() + y.fraction.size();
    if (x.size() == 0 || y.size() == 0) {
        return "0";
    }
    // The product has at most as many digits as both operands together, and at least as many
    // as its fraction needs, so the '.' always falls inside the digit string.
    const auto width = x.size() + y.size();
    const std::string digits = ProductDigits(x, y, width);
    std::string placed;
    placed.reserve(width + 1);
    placed.append(digits, 0, width - fractionDigits);
    placed += '.';
    placed.append(digits, width - fractionDigits, fractionDigits);
    return TrimZeros(placed);
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
