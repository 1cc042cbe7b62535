#include "decimal/natural_number.h"

#include "decimal/magnitude_steps.h"

namespace mensurix::natural {
namespace {

void DropHighZeros(Limbs& value) {
    while (!value.empty() && value.back() == 0) {
        value.pop_back();
    }
}

Limbs TimesSmall(const Limbs& value, std::uint64_t factor) {
    Limbs product(value.size() + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::uint64_t cur = value[i] * factor + carry;
        product[i] = static_cast<std::uint32_t>(cur % LimbBase);
        carry = cur / LimbBase;
    }
    product[value.size()] = static_cast<std::uint32_t>(carry);
    return product;
}

// Divides in place by a divisor below LimbBase and returns the remainder.
std::uint64_t DivideSmall(Limbs& value, std::uint64_t divisor) {
    std::uint64_t rest = 0;
    for (std::size_t i = value.size(); i-- > 0;) {
        const std::uint64_t cur = rest * LimbBase + value[i];
        value[i] = static_cast<std::uint32_t>(cur / divisor);
        rest = cur % divisor;
    }
    DropHighZeros(value);
    return rest;
}

// Knuth's long division (TAOCP 4.3.1, algorithm D) for divisors of two limbs or more.
Division DivideLong(const Limbs& a, const Limbs& b) {
    // Scaling both makes the divisor's top limb at least LimbBase / 2, which keeps every trial
    // quotient digit at most two above the true one.
    const std::uint64_t scale = LimbBase / (static_cast<std::uint64_t>(b.back()) + 1);
    Limbs u = TimesSmall(a, scale);
    Limbs v = TimesSmall(b, scale);
    DropHighZeros(v);
    const std::size_t n = v.size();
    const std::size_t m = a.size() - n;
    if (u.size() < a.size() + 1) {
        u.resize(a.size() + 1, 0);
    }
    Limbs quotient(m + 1, 0);
    const std::uint64_t top = v[n - 1];
    const std::uint64_t next = v[n - 2];
    for (std::size_t j = m + 1; j-- > 0;) {
        const std::uint64_t head = static_cast<std::uint64_t>(u[j + n]) * LimbBase + u[j + n - 1];
        std::uint64_t guess = head / top;
        std::uint64_t rest = head % top;
        while (guess >= LimbBase || guess * next > rest * LimbBase + u[j + n - 2]) {
            --guess;
            rest += top;
            if (rest >= LimbBase) {
                break;
            }
        }
        std::uint64_t carry = 0;
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t product = guess * v[i] + carry;
            carry = product / LimbBase;
            std::int64_t digit = static_cast<std::int64_t>(u[i + j]) -
                                 static_cast<std::int64_t>(product % LimbBase) - borrow;
            borrow = digit < 0 ? 1 : 0;
            u[i + j] =
                static_cast<std::uint32_t>(digit + borrow * static_cast<std::int64_t>(LimbBase));
        }
        std::int64_t digit =
            static_cast<std::int64_t>(u[j + n]) - static_cast<std::int64_t>(carry) - borrow;
        borrow = digit < 0 ? 1 : 0;
        u[j + n] = static_cast<std::uint32_t>(digit + borrow * static_cast<std::int64_t>(LimbBase));
        if (borrow != 0) {
            // The guess was one too large: add the divisor back once.
            --guess;
            std::uint64_t sum = 0;
            for (std::size_t i = 0; i < n; ++i) {
                sum += static_cast<std::uint64_t>(u[i + j]) + v[i];
                u[i + j] = static_cast<std::uint32_t>(sum % LimbBase);
                sum /= LimbBase;
            }
            u[j + n] = static_cast<std::uint32_t>((u[j + n] + sum) % LimbBase);
        }
        quotient[j] = static_cast<std::uint32_t>(guess);
    }
    u.resize(n);
    DropHighZeros(u);
    DivideSmall(u, scale);
    DropHighZeros(quotient);
    return {std::move(quotient), std::move(u)};
}

} // namespace

Limbs FromDigits(std::string_view digits, std::size_t zeros) {
    const std::size_t n = digits.size() + zeros;
    Limbs limbs((n + LimbDigits - 1) / LimbDigits, 0);
    for (std::size_t k = 0; k < limbs.size(); ++k) {
        const std::size_t end = n - k * LimbDigits;
        const std::size_t begin = end > LimbDigits ? end - LimbDigits : 0;
        std::uint32_t value = 0;
        for (std::size_t i = begin; i < end; ++i) {
            const int digit = i < digits.size() ? DigitValue(digits[i]) : 0;
            value = value * 10 + static_cast<std::uint32_t>(digit);
        }
        limbs[k] = value;
    }
    DropHighZeros(limbs);
    return limbs;
}

std::string ToDigits(const Limbs& value) {
    if (value.empty()) {
        return "0";
    }
    std::string digits = std::to_string(value.back());
    digits.reserve(digits.size() + (value.size() - 1) * LimbDigits);
    for (std::size_t k = value.size() - 1; k-- > 0;) {
        const std::string limb = std::to_string(value[k]);
        digits.append(LimbDigits - limb.size(), '0');
        digits += limb;
    }
    return digits;
}

int Compare(const Limbs& a, const Limbs& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

Division Divide(const Limbs& a, const Limbs& b) {
    if (Compare(a, b) < 0) {
        return {{}, a};
    }
    if (b.size() == 1) {
        Division result{a, {}};
        const std::uint64_t rest = DivideSmall(result.Quotient, b.front());
        if (rest != 0) {
            result.Remainder.push_back(static_cast<std::uint32_t>(rest));
        }
        return result;
    }
    return DivideLong(a, b);
}

Limbs Multiply(const Limbs& a, const Limbs& b) {
    if (a.empty() || b.empty()) {
        return {};
    }
    std::vector<std::uint64_t> sums(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == 0) {
            continue;
        }
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.size(); ++j) {
            const std::uint64_t cur = sums[i + j] + static_cast<std::uint64_t>(a[i]) * b[j] + carry;
            sums[i + j] = cur % LimbBase;
            carry = cur / LimbBase;
        }
        sums[i + b.size()] += carry;
    }
    Limbs product(sums.begin(), sums.end());
    DropHighZeros(product);
    return product;
}

Limbs GreatestCommonDivisor(Limbs a, Limbs b) {
    while (!b.empty()) {
        Limbs rest = Divide(a, b).Remainder;
        a = std::move(b);
        b = std::move(rest);
    }
    return a;
}

PointlessDigits WithoutPoint(std::string_view text) {
    const auto point = text.find('.');
    if (point == std::string_view::npos) {
        return {std::string(text), 0};
    }
    std::string digits(text.substr(0, point));
    digits += text.substr(point + 1);
    return {std::move(digits), text.size() - point - 1};
}

std::string WithPoint(std::string digits, std::size_t fractionDigits) {
    // At least one digit before the '.', so that the point always falls inside the string.
    if (digits.size() <= fractionDigits) {
        digits.insert(0, fractionDigits + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - fractionDigits, 1, '.');
    return TrimZeros(digits);
}

} // namespace mensurix::natural
