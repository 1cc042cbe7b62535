#include "text/ascii_case.h"

namespace mensurix {
namespace {

char LowerAscii(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

} // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::string AsciiLowercase(std::string_view text) {
    std::string lower(text);
    for (char& ch : lower) {
        ch = LowerAscii(ch);
    }
    return lower;
}

} // namespace mensurix
