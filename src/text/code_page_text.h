#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mensurix {

// The code page in which this system writes 8-bit text: on Windows the ANSI code page ("CP"
// and its number), elsewhere the character set of the environment's locale (LC_ALL, LC_CTYPE,
// LANG) as the C library names it. Read once.
const std::string& SystemCodePage();

// The bytes, written in the named code page (a name SystemCodePage gives), as UTF-8. Nullopt
// where that code page is UTF-8 or ASCII, is unknown here, or the bytes are no text in it.
std::optional<std::string> Utf8FromCodePage(std::string_view bytes, const std::string& codePage);

} // namespace mensurix
