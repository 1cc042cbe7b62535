#include "cli/number_complaint.h"

#include "text/utf8_text.h"

namespace mensurix {
namespace {

// The whole UTF-8 character that starts at `at`, so that the message never shows half of one.
std::string_view CharacterAt(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
        ++end;
    }
    return text.substr(at, end - at);
}

} // namespace

std::string ExplainNotANumber(std::string_view text) {
    // Built by appending only: GCC 12 misreads a literal put in front of a string at -O3.
    const auto complaint = [text](std::string_view what) {
        std::string message;
        if (text.empty()) {
            message = "the value is empty";
        } else {
            message += '"';
            message += text;
            message += "\" is not a number: ";
            message += what;
        }
        message += "; a number is digits with at most one \".\" and an optional leading \"-\"";
        return message;
    };
    if (text.empty()) {
        return complaint({});
    }
    const std::size_t start = text.front() == '-' ? 1 : 0;
    if (start == text.size()) {
        return complaint("nothing follows the \"-\"");
    }
    bool point = false;
    for (std::size_t i = start; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            continue;
        }
        if (ch == '.' && !point) {
            point = true;
            continue;
        }
        std::string what = ch == '.' ? std::string("a second \".\"") : std::string(1, '"');
        if (ch != '.') {
            what += CharacterAt(text, i);
            what += '"';
        }
        what += " at character ";
        what += std::to_string(Utf8Length(text.substr(0, i)) + 1);
        return complaint(what);
    }
    return complaint("it has no digit");
}

} // namespace mensurix
