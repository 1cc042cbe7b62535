#pragma once

#include "catalogue/unit_entry.h"

#include <string>
#include <vector>

namespace mensurix {

struct UnitCategory {
    std::string Name;
    std::vector<UnitEntry> Units;
};

} // namespace mensurix
