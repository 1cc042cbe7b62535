#pragma once

#include "decimal/decimal_text.h"

#include <cstddef>

namespace mensurix {

// How the part of a quotient beyond its last kept digit compares to half a unit of that digit.
enum class DivisionRest { Zero, BelowHalf, Half, AboveHalf };

struct DecimalQuotient {
    DecimalText Quotient; // truncated toward zero, canonical; empty when there is none
    DivisionRest Rest = DivisionRest::Zero;
    bool Negative = false; // the exact quotient is below zero (also when Quotient is "0")
};

// The signed quotient a / b, exact to `fractionDigits` fraction digits, with the rest beyond them
// classified, so that rounding is decided exactly. Operands are trimmed of bytes 0..32 like the
// other operations; an empty operand or a zero divisor gives no quotient (empty text). A zero
// quotient is "0", never "-0".
DecimalQuotient DecimalDivide(std::string_view a, std::string_view b, std::size_t fractionDigits);

} // namespace mensurix
