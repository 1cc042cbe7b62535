#pragma once

#include "input/input_refusal.h"

#include <string>
#include <string_view>

namespace mensurix {

// The refusal of `typed` said in English, for the command line and as the window's fallback:
// what is wrong and where, then what a value may look like.
std::string EnglishRefusal(std::string_view typed, const InputRefusal& refusal);

} // namespace mensurix
