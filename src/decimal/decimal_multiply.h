#pragma once

#include "decimal/decimal_text.h"

namespace mensurix {

// A digit string times one digit 0..9; leading zeros are kept ("05" x 1 is "05").
std::string MultiplyByDigit(std::string_view digits, int digit);

// a x b for unsigned operands; canonical result with every fraction digit of the product.
DecimalText MagnitudeMultiply(std::string_view a, std::string_view b);

// Signed product; a zero product with exactly one negative operand is "-0".
DecimalText DecimalMultiply(std::string_view a, std::string_view b);

} // namespace mensurix
