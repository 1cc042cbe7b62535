#include "ui/window/exact_value_tip.h"

#include <algorithm>
#include <vector>

namespace mensurix {
namespace {

// Where each UTF-8 character begins, so that no line ends inside one.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U) {
            starts.push_back(i);
        }
    }
    starts.push_back(text.size());
    return starts;
}

} // namespace

std::string ExactValueTip(std::string_view exact, std::size_t lineWidth, std::size_t maxLines) {
    constexpr std::string_view Ellipsis = "\xE2\x80\xA6";
    const std::vector<std::size_t> starts = CharacterStarts(exact);
    const std::size_t characters = starts.size() - 1;
    const std::size_t room = lineWidth * maxLines;
    const bool cut = characters > room;
    const std::size_t shown = cut ? room - 1 : characters;
    std::string tip;
    for (std::size_t first = 0; first < shown; first += lineWidth) {
        if (first > 0) {
            tip += '\n';
        }
        const std::size_t last = std::min(first + lineWidth, shown);
        tip += exact.substr(starts[first], starts[last] - starts[first]);
    }
    if (cut) {
        tip += Ellipsis;
    }
    return tip;
}

} // namespace mensurix
