#pragma once

#include "decimal/decimal_text.h"

namespace mensurix {

// One unit in the N-th fraction place: "1", "0.1", "0.01", ...
DecimalText RoundingUnit(int fractionDigits);

// Display text: rounded half away from zero to `fractionDigits`, trailing zeros dropped, "-0"
// shown as "0", and the integer part grouped by "," when `groupThousands` is set. A negative
// digit count rounds like 0.
std::string DecimalRound(std::string_view value, int fractionDigits, bool groupThousands);

// Display text of the whole value: DecimalRound without rounding away any digit.
std::string DecimalExact(std::string_view value, bool groupThousands);

// Whether DecimalRound at `fractionDigits` drops fraction digits of the value.
bool RoundingDropsDigits(std::string_view value, int fractionDigits);

} // namespace mensurix
