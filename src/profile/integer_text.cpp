#include "profile/integer_text.h"

namespace mensurix {
namespace {

int DigitIn(char ch, int base) {
    int digit = base;
    if (ch >= '0' && ch <= '9') {
        digit = ch - '0';
    } else if (base == 16 && ch >= 'a' && ch <= 'f') {
        digit = ch - 'a' + 10;
    } else if (base == 16 && ch >= 'A' && ch <= 'F') {
        digit = ch - 'A' + 10;
    }
    return digit < base ? digit : -1;
}

} // namespace

std::optional<std::int32_t> ParseInteger32(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] >= 1 && text[at] <= 32) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    if (text.substr(at).starts_with('$')) {
        base = 16;
        at += 1;
    } else if (text.substr(at).starts_with("0x") || text.substr(at).starts_with("0X")) {
        base = 16;
        at += 2;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    // The magnitude of the least value; stopping above it keeps the sum far from overflow.
    constexpr std::int64_t kLimit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = DigitIn(text[at], base);
        if (digit < 0) {
            return std::nullopt;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > kLimit) {
            return std::nullopt;
        }
    }
    if (!negative && magnitude == kLimit) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace mensurix
