#pragma once

#include <string>
#include <string_view>

// The digit-level steps from which the decimal operations are built; not for their callers.
namespace mensurix {

// '0'..'9' give their value, every other byte gives 0.
int DigitValue(char ch);

// Brings both texts to the same integer and fraction widths by filling with '0'.
void AlignDecimals(std::string& a, std::string& b);

// The last step of the magnitude operations: strips leading and trailing zeros.
std::string TrimZeros(std::string_view text);

} // namespace mensurix
