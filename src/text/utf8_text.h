#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mensurix {

// The UTF-8 byte-order mark, with which Windows editors begin a file.
inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// The bytes without a leading UTF-8 byte-order mark.
std::string_view WithoutUtf8ByteOrderMark(std::string_view bytes);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values beyond
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Each byte read as a Windows-1252 character, written as UTF-8. The five bytes that code page
// leaves unassigned stay the C1 controls of the same value.
std::string Utf8FromWindows1252(std::string_view bytes);

// The text of a data file as UTF-8: unchanged when it is UTF-8 already, otherwise read in the
// system's code page (see SystemCodePage), or, where that is UTF-8 or ASCII or does not fit the
// bytes, as Windows-1252, the code page of the shipped files written before UTF-8.
std::string Utf8FromFileText(std::string_view bytes);

// The number of characters (code points) of UTF-8 text: every byte that does not continue a
// sequence starts one.
std::size_t Utf8Length(std::string_view text);

} // namespace mensurix
