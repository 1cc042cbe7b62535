#pragma once

#include "decimal/exact_fraction.h"

#include <optional>
#include <string_view>

namespace mensurix {

struct UnitEntry;

// How a unit's readings relate to its category's base, worked out once from its catalogue texts.
// With b a quantity in the base and u the same quantity in the unit:
//   plain:      b = u x ToBase and u = b x FromBase (offsets as the entry places them)
//   reciprocal: b x u = ToBase, so u = ToBase / b and b = ToBase / u
struct UnitScale {
    ExactFraction ToBase = FractionOf("1");
    std::optional<ExactFraction> FromBase; // none: the unit has no factor and shows no value
    bool Reciprocal = false;
    // Significant digits that are certain in a size known only approximately (built on pi);
    // 0 for an exact size.
    std::size_t CertainDigits = 0;
    // The unit's zero is absolute: no quantity of its category lies below it.
    bool Absolute = false;
};

// The unit's scale: from its size note when it has a well-formed one; else from its two factors
// when one is exact and the other its reciprocal, rounded; else the factors as written (u from
// b by FactorFromBase, b from u by FactorToBase, an empty FactorToBase passing the value on).
UnitScale ReadUnitScale(const UnitEntry& unit);

} // namespace mensurix
