#pragma once

#include <string>
#include <string_view>

// Decimal numbers held as byte texts: an optional leading '-', digits and at most one '.'.
// The operations never fail: any byte that is not a digit reads as 0.
namespace mensurix {

using DecimalText = std::string;

// The text without its leading and trailing bytes of codes 0 to 32.
std::string_view TrimBlanks(std::string_view text);

// The canonical form of an unsigned decimal text (a sign reads as a zero digit).
std::string CanonicalMagnitude(std::string_view text);

// Whether the user's text is a number; no trimming, no '+', no exponent.
bool IsDecimalNumber(std::string_view text);

} // namespace mensurix
