#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mensurix {

// One "Component.Property=Value" line of a language file, cut and trimmed. A target without
// '.' names a property of the window itself (empty component name).
struct ComponentLine {
    std::string Component;
    std::string Property;
    std::string Value;
};

ComponentLine CutComponentLine(std::string_view line);

// A list value cut at every "||", in written order.
std::vector<std::string> SplitListValue(std::string_view value);

} // namespace mensurix
