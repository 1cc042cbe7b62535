#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace mensurix {

// The whole text read as a signed 32-bit integer: optional leading bytes of codes 1 to 32, an
// optional '+' or '-', then decimal digits or "$", "0x" or "0X" followed by hexadecimal digits.
// The sign applies to the magnitude, so "-0x80000000" is the least value and "0x80000000" is out
// of range. nullopt for anything else, including trailing characters and values out of range.
std::optional<std::int32_t> ParseInteger32(std::string_view text);

} // namespace mensurix
