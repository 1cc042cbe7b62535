#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mensurix {

enum class Utf16Order { LittleEndian, BigEndian };

// Text saved as UTF-16, as some Windows editors save profile files, turned into UTF-8 so that
// it reads like any other file, and back again byte for byte.
struct Utf16Text {
    Utf16Order order = Utf16Order::LittleEndian;
    // The code units after the byte-order mark as UTF-8. A lone surrogate becomes the three
    // bytes UTF-8 would give its value, so that nothing of a damaged file is lost.
    std::string utf8;
    // A last byte that completes no code unit.
    std::string oddByte;
};

// The text of bytes that begin with a UTF-16 byte-order mark; nullopt for any other bytes.
std::optional<Utf16Text> ReadUtf16(std::string_view bytes);

// The bytes of `text` with its byte-order mark: its UTF-8 (every sequence ReadUtf16 makes,
// lone surrogates included) as code units in its order, then its odd byte. A byte that begins
// no such sequence becomes U+FFFD.
std::string WriteUtf16(const Utf16Text& text);

} // namespace mensurix
