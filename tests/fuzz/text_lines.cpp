#include "text_lines.h"

namespace mensurix::fuzz {

std::vector<TextLine> SplitTextLines(std::string_view text) {
    std::vector<TextLine> lines;
    while (!text.empty()) {
        const auto stop = text.find_first_of("\r\n");
        if (stop == std::string_view::npos) {
            lines.push_back({text, {}});
            break;
        }
        const std::size_t endLength = text.compare(stop, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back({text.substr(0, stop), text.substr(stop, endLength)});
        text.remove_prefix(stop + endLength);
    }
    return lines;
}

} // namespace mensurix::fuzz
