#pragma once

#include <string>
#include <string_view>

namespace mensurix {

// Why a text that IsDecimalNumber rejects is not a number, naming the first character that
// breaks the rule, for a user's error message.
std::string ExplainNotANumber(std::string_view text);

} // namespace mensurix
