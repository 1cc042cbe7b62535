#pragma once

namespace mensurix {

// The display shows a value with 0 to this many fraction digits: the window's spin box, the
// saved setting and the command line's --digits all keep to it.
constexpr int MaxFractionDigits = 20;

} // namespace mensurix
