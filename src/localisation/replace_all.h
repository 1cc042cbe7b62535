#pragma once

#include <string>
#include <string_view>

namespace mensurix {

// Replaces every occurrence of `pattern`, searching again from the start after each
// replacement. Nothing is replaced when the replacement itself contains the pattern (that would
// never end) or when the pattern is empty.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement);

} // namespace mensurix
