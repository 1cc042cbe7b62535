#include "exact_oracle.h"

#include <algorithm>

namespace mensurix::oracle {
namespace {

mpz_class PowerOfTen(unsigned long exponent) {
    mpz_class result;
    mpz_ui_pow_ui(result.get_mpz_t(), 10, exponent);
    return result;
}

mpz_class Rescaled(const Exact& value, unsigned long scale) {
    return value.scaled * PowerOfTen(scale - value.scale);
}

std::string Digits(const mpz_class& magnitude, unsigned long scale) {
    std::string digits = magnitude.get_str();
    if (digits.size() <= scale) {
        digits.insert(0, scale + 1 - digits.size(), '0');
    }
    return digits;
}

} // namespace

Exact Parse(const std::string& text) {
    Exact value;
    std::string body = text;
    if (!body.empty() && body.front() == '-') {
        value.negativeSign = true;
        body.erase(0, 1);
    }
    std::string digits;
    const auto point = body.find('.');
    if (point == std::string::npos) {
        digits = body;
    } else {
        digits = body.substr(0, point) + body.substr(point + 1);
        value.scale = body.size() - point - 1;
    }
    value.scaled = digits.empty() ? mpz_class(0) : mpz_class(digits, 10);
    if (value.negativeSign) {
        value.scaled = -value.scaled;
    }
    return value;
}

Exact Add(const Exact& a, const Exact& b) {
    Exact sum;
    sum.scale = std::max(a.scale, b.scale);
    sum.scaled = Rescaled(a, sum.scale) + Rescaled(b, sum.scale);
    return sum;
}

Exact Multiply(const Exact& a, const Exact& b) {
    Exact product;
    product.scale = a.scale + b.scale;
    product.scaled = a.scaled * b.scaled;
    return product;
}

std::string Canonical(const Exact& value, bool negativeZero) {
    if (value.scaled == 0) {
        return negativeZero ? "-0" : "0";
    }
    const mpz_class magnitude = abs(value.scaled);
    std::string digits = Digits(magnitude, value.scale);
    std::string integer = digits.substr(0, digits.size() - value.scale);
    std::string fraction = digits.substr(digits.size() - value.scale);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    std::string text = value.scaled < 0 ? "-" : "";
    text += integer;
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    return text;
}

std::string Rounded(const Exact& value, unsigned long digits, bool group) {
    mpz_class magnitude = abs(value.scaled);
    unsigned long scale = value.scale;
    if (scale > digits) {
        const mpz_class divisor = PowerOfTen(scale - digits);
        mpz_class quotient = magnitude / divisor;
        const mpz_class remainder = magnitude % divisor;
        if (2 * remainder >= divisor) {
            ++quotient;
        }
        magnitude = quotient;
        scale = digits;
    }
    Exact rounded;
    rounded.scaled = value.scaled < 0 ? mpz_class(-magnitude) : magnitude;
    rounded.scale = scale;
    std::string text = Canonical(rounded, false);
    if (!group) {
        return text;
    }
    const std::size_t sign = text.front() == '-' ? 1 : 0;
    const auto point = std::min(text.find('.'), text.size());
    for (auto k = point; k > sign + 3; k -= 3) {
        text.insert(k - 3, 1, ',');
    }
    return text;
}

} // namespace mensurix::oracle
