#pragma once

#include "decimal/decimal_text.h"

#include <cstddef>
#include <string>

namespace mensurix {

// An exact rational value: Numerator / Denominator, both canonical decimal texts, the sign on
// the numerator and the denominator never negative. A zero denominator stands for a value that
// does not exist (the reciprocal of zero); it stays so through every operation.
struct ExactFraction {
    DecimalText Numerator = "0";
    DecimalText Denominator = "1";
};

// The value of a decimal text, read as the multiplication reads it (any byte reads as a digit).
ExactFraction FractionOf(std::string_view decimal);

// The value `numerator / denominator` of two decimal texts.
ExactFraction FractionOf(std::string_view numerator, std::string_view denominator);

ExactFraction Times(const ExactFraction& a, const ExactFraction& b);
ExactFraction Plus(const ExactFraction& a, const ExactFraction& b);
ExactFraction Minus(const ExactFraction& a, const ExactFraction& b);

// 1 / a; the reciprocal of zero has a zero denominator.
ExactFraction Reciprocal(const ExactFraction& a);

bool Exists(const ExactFraction& a);
bool IsNegative(const ExactFraction& a);
bool IsZero(const ExactFraction& a);
bool operator==(const ExactFraction& a, const ExactFraction& b); // same value

// The value in lowest terms, integer numerator and denominator ("5000/127"; "3" for 3/1).
std::string FractionText(const ExactFraction& a);

// The exact value as people read it: the whole decimal when it terminates ("0.0254");
// otherwise the decimal cut after `significantDigits` significant digits (at least one fraction
// digit), ending in "…", then " = " and the fraction in lowest terms. Grouped by "," in
// thousands when asked. Empty for a value that does not exist.
std::string ExactValueText(const ExactFraction& a, std::size_t significantDigits,
                           bool groupThousands);

} // namespace mensurix
