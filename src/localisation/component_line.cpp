#include "localisation/component_line.h"

#include "decimal/decimal_text.h"

namespace mensurix {

ComponentLine CutComponentLine(std::string_view line) {
    const auto equals = line.find('=');
    const auto target = TrimBlanks(line.substr(0, equals));
    const auto value =
        equals == std::string_view::npos ? std::string_view() : TrimBlanks(line.substr(equals + 1));
    const auto dot = target.find('.');
    if (dot == std::string_view::npos) {
        return {{}, std::string(target), std::string(value)};
    }
    return {std::string(TrimBlanks(target.substr(0, dot))),
            std::string(TrimBlanks(target.substr(dot + 1))), std::string(value)};
}

std::vector<std::string> SplitListValue(std::string_view value) {
    constexpr std::string_view Separator = "||";
    std::vector<std::string> lines;
    for (auto p = value.find(Separator); p != std::string_view::npos; p = value.find(Separator)) {
        lines.emplace_back(value.substr(0, p));
        value.remove_prefix(p + Separator.size());
    }
    lines.emplace_back(value);
    return lines;
}

} // namespace mensurix
