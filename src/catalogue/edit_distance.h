#pragma once

#include <cstddef>
#include <string_view>

namespace mensurix {

// The number of single-byte insertions, deletions and replacements that turn one text into the
// other, ASCII letters compared without regard to case. Cheap enough for a few hundred short
// names, which is all it serves: suggesting what the user may have meant.
std::size_t EditDistance(std::string_view a, std::string_view b);

} // namespace mensurix
