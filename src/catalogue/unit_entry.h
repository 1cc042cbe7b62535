#pragma once

#include "catalogue/unit_scale.h"

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
    // The text after "=" of a third field that begins with it: the unit's exact size and marks.
    std::string SizeNote;
    UnitScale Scale; // derived from the texts above when the line is read
};

} // namespace mensurix
