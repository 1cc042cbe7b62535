#include "decimal/magnitude_steps.h"

#include <algorithm>

namespace mensurix {

int DigitValue(char ch) {
    return ch >= '0' && ch <= '9' ? ch - '0' : 0;
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

} // namespace mensurix
