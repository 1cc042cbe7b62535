#pragma once

#include <string>

namespace mensurix {

// The English name of the language of the system's default locale ("German"), or the empty text
// when it is unavailable or longer than 18 characters.
std::string SystemLanguageName();

} // namespace mensurix
