#pragma once

#include "decimal/decimal_text.h"

namespace mensurix {

// a + b for unsigned operands, used as they come.
DecimalText MagnitudeAdd(std::string_view a, std::string_view b);

// a - b for unsigned operands; '-' in front when b > a, never "-0".
DecimalText MagnitudeSubtract(std::string_view a, std::string_view b);

// Signed sum; operands are trimmed of bytes 0..32, an empty operand gives the empty text.
DecimalText DecimalAdd(std::string_view a, std::string_view b);

// Signed difference a - b, with the same trimming and empty-text rule as DecimalAdd.
DecimalText DecimalSubtract(std::string_view a, std::string_view b);

} // namespace mensurix
