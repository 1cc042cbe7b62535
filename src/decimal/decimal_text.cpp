#include "decimal/decimal_text.h"

#include "decimal/magnitude_steps.h"

#include <algorithm>

namespace mensurix {

std::string_view TrimBlanks(std::string_view text) {
    // Compared unsigned, so that bytes above 127 are not taken for control characters.
    const auto isBlank = [](char ch) { return static_cast<unsigned char>(ch) <= 32; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string CanonicalMagnitude(std::string_view text) {
    std::string r;
    r.reserve(text.size() + 2);
    for (const char ch : text) {
        r += ch == '.' ? '.' : static_cast<char>('0' + DigitValue(ch));
    }
    r.erase(0, std::min(r.find_first_not_of('0'), r.size()));
    const auto dot = r.find('.');
    if (dot == std::string::npos) {
        // No fraction: nothing after the (virtual) '.' to strip, and no '.' to remove again.
        return r.empty() ? std::string("0") : r;
    }
    // Zeros are stripped from the fraction part only; further '.' characters stay inside it.
    auto end = r.size();
    while (end > dot + 1 && r[end - 1] == '0') {
        --end;
    }
    r.resize(end);
    if (r.back() == '.') {
        r.pop_back();
    }
    if (!r.empty() && r.front() == '.') {
        r.insert(0, 1, '0');
    }
    return r.empty() ? std::string("0") : r;
}

bool IsDecimalNumber(std::string_view text) {
    if (text.empty() || text == "-") {
        return false;
    }
    if (text.front() == '-') {
        text.remove_prefix(1);
    }
    bool seenPoint = false;
    bool seenDigit = false;
    for (const char ch : text) {
        if (ch == '.') {
            if (seenPoint) {
                return false;
            }
            seenPoint = true;
        } else if (ch < '0' || ch > '9') {
            return false;
        } else {
            seenDigit = true;
        }
    }
    // A lone '.' has no digit and is no number.
    return seenDigit;
}

} // namespace mensurix
