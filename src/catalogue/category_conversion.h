#pragma once

#include "catalogue/unit_category.h"
#include "decimal/decimal_text.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace mensurix {

// The typed value of `source` brought into the category's base.
DecimalText BaseValue(const UnitEntry& source, std::string_view typed);

// The unit's unrounded value for a value in the category's base.
DecimalText ValueInUnit(const UnitEntry& unit, std::string_view baseValue);

// The unrounded value of `typed` (in unit `sourceIndex`) in every unit of the category, in
// catalogue order. The caller has validated `typed` and the index.
std::vector<DecimalText> ConvertAcrossCategory(const UnitCategory& category,
                                               std::size_t sourceIndex, std::string_view typed);

} // namespace mensurix
