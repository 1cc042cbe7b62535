#pragma once

#include <string>

namespace mensurix {

// One unit of a category, its texts exactly as they stand in the catalogue line.
struct UnitEntry {
    bool IsDefault = false;
    std::string Name;
    std::string FactorFromBase;
    std::string FactorToBase;
    std::string Offset;
    bool OffsetFirst = false;
};

} // namespace mensurix
