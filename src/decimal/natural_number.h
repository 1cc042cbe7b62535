#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Unsigned integers of any size in limbs of nine decimal digits, for the decimal operations that
// need whole-number arithmetic (multiplication, division). Not part of the public number API.
namespace mensurix::natural {

constexpr std::uint64_t LimbBase = 1000000000;
constexpr std::size_t LimbDigits = 9;

// Little-endian limbs, no high zero limbs; zero is the empty vector.
using Limbs = std::vector<std::uint32_t>;

// The digits of `digits` followed by `zeros` zero digits; any byte reads through DigitValue.
Limbs FromDigits(std::string_view digits, std::size_t zeros = 0);

// Decimal digits without leading zeros; "0" for zero.
std::string ToDigits(const Limbs& value);

int Compare(const Limbs& a, const Limbs& b);

struct Division {
    Limbs Quotient;
    Limbs Remainder;
};

// a = Quotient x b + Remainder, 0 <= Remainder < b. `b` must not be zero.
Division Divide(const Limbs& a, const Limbs& b);

Limbs Multiply(const Limbs& a, const Limbs& b);

Limbs GreatestCommonDivisor(Limbs a, Limbs b);

// An unsigned decimal text as an integer: its characters without the first '.' (any byte reads
// through DigitValue, so a second '.' counts as a zero digit) and how many stood after it.
struct PointlessDigits {
    std::string Digits;
    std::size_t FractionDigits = 0;
};
PointlessDigits WithoutPoint(std::string_view text);

// The canonical decimal text of an integer's digits divided by 10^fractionDigits.
std::string WithPoint(std::string digits, std::size_t fractionDigits);

} // namespace mensurix::natural
