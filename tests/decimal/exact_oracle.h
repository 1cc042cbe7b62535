#pragma once

#include <gmpxx.h>

#include <string>

// An independent exact model of decimal texts: a signed integer scaled by a power of ten,
// computed with GMP. Only for texts that IsDecimalNumber accepts.
namespace mensurix::oracle {

struct Exact {
    mpz_class scaled; // the value times 10^scale
    unsigned long scale = 0;
    bool negativeSign = false; // the text began with '-', even when its value is zero
};

Exact Parse(const std::string& text);

Exact Add(const Exact& a, const Exact& b);
Exact Multiply(const Exact& a, const Exact& b);

// Canonical text; "-0" only when `negativeZero` asks for it and the value is zero.
std::string Canonical(const Exact& value, bool negativeZero);

// Rounded half away from zero to `digits` fraction places, trailing zeros dropped, optionally
// grouped by thousands.
std::string Rounded(const Exact& value, unsigned long digits, bool group);

} // namespace mensurix::oracle
