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
    const std::string rule =
        "; a number is digits with at most one \".\" and an optional leading \"-\"";
    if (text.empty()) {
        return "the value is empty" + rule;
    }
    const std::string quoted = "\"" + std::string(text) + "\" is not a number: ";
    const std::size_t start = text.front() == '-' ? 1 : 0;
    if (start == text.size()) {
        return quoted + "nothing follows the \"-\"" + rule;
    }
    bool point = false;
    for (std::size_t i = start; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            continue;
        }
        const std::string position =
            "character " + std::to_string(Utf8Length(text.substr(0, i)) + 1);
        if (ch == '.' && point) {
            return quoted + "a second \".\" at " + position + rule;
        }
        if (ch == '.') {
            point = true;
            continue;
        }
        return quoted + "\"" + std::string(CharacterAt(text, i)) + "\" at " + position + rule;
    }
    return quoted + "it is not accepted" + rule;
}

} // namespace mensurix
