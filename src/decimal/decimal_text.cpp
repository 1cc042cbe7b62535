#include "decimal/decimal_text.h"

#include <algorithm>

namespace mensurix {

std::string TextBefore(std::string_view text, std::string_view separator) {
    const auto p = text.find(separator);
    return p == std::string_view::npos ? std::string() : std::string(text.substr(0, p));
}

std::string TextAfter(std::string_view text, std::string_view separator) {
    const auto p = text.find(separator);
    return p == std::string_view::npos ? std::string()
                                       : std::string(text.substr(p + separator.size()));
}

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

int DigitValue(char ch) {
    return ch >= '0' && ch <= '9' ? ch - '0' : 0;
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

void AlignDecimals(std::string& a, std::string& b) {
    if (a.find('.') == std::string::npos) {
        a += '.';
    }
    if (b.find('.') == std::string::npos) {
        b += '.';
    }
    const auto intA = a.find('.');
    const auto intB = b.find('.');
    const auto fracA = a.size() - intA - 1;
    const auto fracB = b.size() - intB - 1;
    const auto intWidth = std::max(intA, intB);
    const auto fracWidth = std::max(fracA, fracB);
    a.insert(0, intWidth - intA, '0');
    b.insert(0, intWidth - intB, '0');
    a.append(fracWidth - fracA, '0');
    b.append(fracWidth - fracB, '0');
}

std::string TrimZeros(std::string_view text) {
    const auto first = std::min(text.find_first_not_of('0'), text.size());
    text.remove_prefix(first);
    const auto last = text.find_last_not_of('0');
    text = last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
    if (!text.empty() && text.back() == '.') {
        text.remove_suffix(1);
    }
    std::string r;
    if (!text.empty() && text.front() == '.') {
        r.reserve(text.size() + 1);
        r += '0';
    }
    r += text;
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
