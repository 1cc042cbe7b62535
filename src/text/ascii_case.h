#pragma once

#include <string>
#include <string_view>

namespace mensurix {

// Whether the texts are equal when ASCII letters are compared without regard to case; other
// bytes must match exactly.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// The text with ASCII capitals turned into small letters, every other byte kept.
std::string AsciiLowercase(std::string_view text);

} // namespace mensurix
