#pragma once

#include "catalogue/converted_value.h"
#include "catalogue/unit_category.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace mensurix {

enum class ConversionRefusal {
    None,
    BelowAbsoluteZero, // the value lies below a unit of the category whose zero is absolute
};

struct CategoryResults {
    ConversionRefusal Refusal = ConversionRefusal::None;
    std::vector<ConvertedValue> Values; // one per unit in catalogue order; empty when refused
};

// The exact value of `typed` (in unit `sourceIndex`) in every unit of the category:
// value x size(source) / size(target) with the offsets. The caller has validated `typed` and
// the index.
CategoryResults ConvertAcrossCategory(const UnitCategory& category, std::size_t sourceIndex,
                                      std::string_view typed);

// The same for an exact value, such as the one a typed sum or fraction reads as.
CategoryResults ConvertAcrossCategory(const UnitCategory& category, std::size_t sourceIndex,
                                      const ExactFraction& value);

} // namespace mensurix
