#pragma once

#include "catalogue/converted_value.h"

#include <string>
#include <vector>

namespace mensurix {

// Every row's whole value, as "Copy exact value" gives it.
inline std::vector<std::string> WholeValues(const std::vector<ConvertedValue>& values) {
    std::vector<std::string> wholes;
    for (const auto& value : values) {
        wholes.push_back(WholeValue(value, false));
    }
    return wholes;
}

} // namespace mensurix
