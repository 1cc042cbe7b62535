#pragma once

#include "catalogue/unit_category.h"

#include <vector>

namespace mensurix {

// A category's position in the catalogue is its index in the category list of the window.
using UnitCatalogue = std::vector<UnitCategory>;

void ClearCatalogue(UnitCatalogue& catalogue);

} // namespace mensurix
