#include "ui/exact_value_tip.h"

namespace mensurix {

std::string ExactValueTip(std::string_view exact, std::size_t lineWidth, std::size_t maxLines) {
    constexpr std::string_view Ellipsis = "\xE2\x80\xA6";
    const std::size_t room = lineWidth * maxLines;
    const bool cut = exact.size() > room;
    const std::string_view shown = cut ? exact.substr(0, room - 1) : exact;
    std::string tip;
    for (std::size_t start = 0; start < shown.size(); start += lineWidth) {
        if (start > 0) {
            tip += '\n';
        }
        tip += shown.substr(start, lineWidth);
    }
    if (cut) {
        tip += Ellipsis;
    }
    return tip;
}

} // namespace mensurix
