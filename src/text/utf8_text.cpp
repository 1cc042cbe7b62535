#include "text/utf8_text.h"

#include "text/code_page_text.h"

#include <array>
#include <optional>
#include <utility>

namespace mensurix {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

void AppendUtf8(std::string& text, char16_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0U | (code >> 6));
        text += static_cast<char>(0x80U | (code & 0x3FU));
    } else {
        text += static_cast<char>(0xE0U | (code >> 12));
        text += static_cast<char>(0x80U | ((code >> 6) & 0x3FU));
        text += static_cast<char>(0x80U | (code & 0x3FU));
    }
}

} // namespace

std::string_view WithoutUtf8ByteOrderMark(std::string_view bytes) {
    if (bytes.starts_with(Utf8ByteOrderMark)) {
        bytes.remove_prefix(Utf8ByteOrderMark.size());
    }
    return bytes;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
            high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF; // nothing beyond U+10FFFF
        } else {
            return false;
        }
        if (bytes.size() - i < length) {
            return false;
        }
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        if (second < low || second > high) {
            return false;
        }
        for (std::size_t k = 2; k < length; ++k) {
            if (!IsContinuation(static_cast<unsigned char>(bytes[i + k]))) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

std::string Utf8FromWindows1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        AppendUtf8(text, byte >= 0x80 && byte <= 0x9F ? Windows1252High[byte - 0x80U]
                                                      : static_cast<char16_t>(byte));
    }
    return text;
}

std::string Utf8FromFileText(std::string_view bytes) {
    if (IsValidUtf8(bytes)) {
        return std::string(bytes);
    }
    std::optional<std::string> text = Utf8FromCodePage(bytes, SystemCodePage());
    return text ? std::move(*text) : Utf8FromWindows1252(bytes);
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t length = 0;
    for (const char ch : text) {
        length += IsContinuation(static_cast<unsigned char>(ch)) ? 0 : 1;
    }
    return length;
}

} // namespace mensurix
