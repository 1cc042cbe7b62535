#pragma once

#include <string>
#include <string_view>

// Decimal numbers held as byte texts: an optional leading '-', digits and at most one '.'.
// The operations never fail: any byte that is not a digit reads as 0.
namespace mensurix {

using DecimalText = std::string;

// The characters before the first `separator`; empty when it does not occur.
std::string TextBefore(std::string_view text, std::string_view separator);

// The characters after the first `separator`; empty when it does not occur.
std::string TextAfter(std::string_view text, std::string_view separator);

// The text without its leading and trailing bytes of codes 0 to 32.
std::string_view TrimBlanks(std::string_view text);

// '0'..'9' give their value, every other byte gives 0.
int DigitValue(char ch);

// The canonical form of an unsigned decimal text (a sign reads as a zero digit).
std::string CanonicalMagnitude(std::string_view text);

// Brings both texts to the same integer and fraction widths by filling with '0'.
void AlignDecimals(std::string& a, std::string& b);

// The last step of the magnitude operations: strips leading and trailing zeros.
std::string TrimZeros(std::string_view text);

// Whether the user's text is a number; no trimming, no '+', no exponent.
bool IsDecimalNumber(std::string_view text);

} // namespace mensurix
