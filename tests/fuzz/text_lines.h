#pragma once

#include <string_view>
#include <vector>

namespace mensurix::fuzz {

// One line of a text file: its characters and the line end after them (CR LF, LF, CR, or
// nothing for a last line without one).
struct TextLine {
    std::string_view content;
    std::string_view end;
    bool operator==(const TextLine&) const = default;
};

std::vector<TextLine> SplitTextLines(std::string_view text);

} // namespace mensurix::fuzz
