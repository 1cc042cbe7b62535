#include "text/utf16_text.h"

#include <cstdint>
#include <utility>

namespace mensurix {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

std::uint16_t CodeUnitAt(std::string_view bytes, std::size_t at, Utf16Order order) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return order == Utf16Order::LittleEndian ? static_cast<std::uint16_t>(first | second << 8)
                                             : static_cast<std::uint16_t>(first << 8 | second);
}

void AppendUtf8(std::string& out, char32_t value) {
    if (value < 0x80) {
        out += static_cast<char>(value);
    } else if (value < 0x800) {
        out += static_cast<char>(0xC0 | value >> 6);
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        out += static_cast<char>(0xE0 | value >> 12);
        out += static_cast<char>(0x80 | (value >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | value >> 18);
        out += static_cast<char>(0x80 | (value >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (value >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    }
}

void AppendCodeUnit(std::string& out, std::uint16_t unit, Utf16Order order) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out += order == Utf16Order::LittleEndian ? low : high;
    out += order == Utf16Order::LittleEndian ? high : low;
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}

// The value of the UTF-8 sequence at `at` and its length, surrogate values allowed; one byte of
// U+FFFD when no sequence begins there.
std::pair<char32_t, std::size_t> Utf8SequenceAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    const std::size_t length = lead >= 0xF0 && lead < 0xF5   ? 4
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                                                             : 0;
    if (length == 0 || at + length > text.size()) {
        return {kReplacement, 1};
    }
    char32_t value = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return {kReplacement, 1};
        }
        value = value << 6 | (next & 0x3F);
    }
    const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (value < smallest || value > 0x10FFFF) {
        return {kReplacement, 1};
    }
    return {value, length};
}

} // namespace

std::optional<Utf16Text> ReadUtf16(std::string_view bytes) {
    Utf16Text text;
    if (bytes.starts_with("\xFF\xFE")) {
        text.order = Utf16Order::LittleEndian;
    } else if (bytes.starts_with("\xFE\xFF")) {
        text.order = Utf16Order::BigEndian;
    } else {
        return std::nullopt;
    }
    const std::size_t end = bytes.size() - bytes.size() % 2;
    text.utf8.reserve(end);
    for (std::size_t at = 2; at < end; at += 2) {
        const char32_t unit = CodeUnitAt(bytes, at, text.order);
        if (IsHighSurrogate(unit) && at + 2 < end) {
            const char32_t next = CodeUnitAt(bytes, at + 2, text.order);
            if (IsLowSurrogate(next)) {
                AppendUtf8(text.utf8, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                at += 2;
                continue;
            }
        }
        AppendUtf8(text.utf8, unit);
    }
    text.oddByte = bytes.substr(end);
    return text;
}

std::string WriteUtf16(const Utf16Text& text) {
    std::string bytes;
    bytes.reserve(2 + 2 * text.utf8.size() + text.oddByte.size());
    AppendCodeUnit(bytes, 0xFEFF, text.order);
    for (std::size_t at = 0; at < text.utf8.size();) {
        const auto [value, length] = Utf8SequenceAt(text.utf8, at);
        at += length;
        if (value >= 0x10000) {
            AppendCodeUnit(bytes, static_cast<std::uint16_t>(0xD800 + ((value - 0x10000) >> 10)),
                           text.order);
            AppendCodeUnit(bytes, static_cast<std::uint16_t>(0xDC00 + ((value - 0x10000) & 0x3FF)),
                           text.order);
        } else {
            AppendCodeUnit(bytes, static_cast<std::uint16_t>(value), text.order);
        }
    }
    bytes += text.oddByte;
    return bytes;
}

} // namespace mensurix
