#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mensurix {

// An exact value as tooltip text: lines of `lineWidth` characters, at most `maxLines` of them,
// the last ending in "…" when the value is longer still. The value is UTF-8; characters, not
// bytes, are counted.
std::string ExactValueTip(std::string_view exact, std::size_t lineWidth, std::size_t maxLines);

} // namespace mensurix
