#pragma once

#include <cstddef>
#include <string_view>

// The characters the input readers treat specially, each found by its UTF-8 bytes at a byte
// offset. Private to the readers.
namespace mensurix::typed {

inline bool IsDigitAt(std::string_view text, std::size_t at) {
    return at < text.size() && text[at] >= '0' && text[at] <= '9';
}

// The length of `mark` when the text holds it at `at`, else 0.
inline std::size_t MarkAt(std::string_view text, std::size_t at, std::string_view mark) {
    return text.substr(at).starts_with(mark) ? mark.size() : 0;
}

// A blank between numbers and operators or inside a digit group: space, tab, no-break space,
// thin space, narrow no-break space.
inline std::size_t BlankAt(std::string_view text, std::size_t at) {
    for (const std::string_view blank : {" ", "\t", "\xC2\xA0", "\xE2\x80\x89", "\xE2\x80\xAF"}) {
        if (const std::size_t length = MarkAt(text, at, blank)) {
            return length;
        }
    }
    return 0;
}

// "+" or "-" or the minus sign U+2212; `negative` tells which.
inline std::size_t SignAt(std::string_view text, std::size_t at, bool& negative) {
    negative = true;
    if (const std::size_t length = MarkAt(text, at, "-") + MarkAt(text, at, "\xE2\x88\x92")) {
        return length;
    }
    negative = false;
    return MarkAt(text, at, "+");
}

// A byte inside a UTF-8 character, not its first.
inline bool ContinuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

// The bytes of the whole UTF-8 character that starts at `at`.
inline std::size_t CharacterLengthAt(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && ContinuesCharacter(text[end])) {
        ++end;
    }
    return end - at;
}

// `end` moved back over the blanks before it, never before `begin`.
inline std::size_t EndWithoutBlanks(std::string_view text, std::size_t begin, std::size_t end) {
    while (end > begin) {
        std::size_t start = end - 1;
        while (start > begin && ContinuesCharacter(text[start])) {
            --start;
        }
        if (BlankAt(text, start) != end - start) {
            break;
        }
        end = start;
    }
    return end;
}

} // namespace mensurix::typed
