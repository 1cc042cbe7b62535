#pragma once

#include "decimal/display_digits.h"
#include "decimal/exact_fraction.h"

#include <cstddef>
#include <string>

namespace mensurix {

// Fraction digits a result keeps: one more than the display ever shows, so that rounding to any
// shown number of digits is decided by the first dropped digit alone.
constexpr std::size_t KeptFractionDigits = MaxFractionDigits + 1;

enum class MissingValue {
    None,
    NoFactor,         // the catalogue gives the unit no factor
    ReciprocalOfZero, // zero has no value in a reciprocal unit, nor its reciprocal in a plain one
};

// One unit's value of the converted quantity.
struct ConvertedValue {
    ExactFraction Exact;           // the value itself
    DecimalText Kept;              // truncated toward zero after KeptFractionDigits; empty: none
    bool KeptIsWhole = false;      // nothing beyond the kept digits
    std::size_t CertainDigits = 0; // 0 for an exact value; else its certain significant digits
    MissingValue Missing = MissingValue::None;
};

ConvertedValue ValueOf(const ExactFraction& exact, std::size_t certainDigits);

bool IsApproximate(const ConvertedValue& value);

// The display text: rounded half away from zero to `fractionDigits`, never to more significant
// digits than are certain, trailing zeros dropped, optionally grouped. Empty for no value.
std::string ShownValue(const ConvertedValue& value, int fractionDigits, bool groupThousands);

// Whether the display at `fractionDigits` leaves out some of the value.
bool ShownValueDropsDigits(const ConvertedValue& value, int fractionDigits);

// The whole value, never a rounded one presented as exact: the full decimal when it ends, else a
// long decimal ending in "…" and the fraction; an approximate value to its certain digits.
std::string WholeValue(const ConvertedValue& value, bool groupThousands);

} // namespace mensurix
