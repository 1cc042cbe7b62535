#pragma once

#include "catalogue/unit_category.h"
#include "input/typed_number.h"

#include <cstddef>
#include <string_view>

namespace mensurix {

// The value of a typed text as a quantity in unit `sourceIndex` of the category: a number as
// ReadTypedNumber reads it, or numbers each followed by a unit of the category, summed exactly
// ("5 ft 3 in", "1 h 30 min", "12° 30′ 15″"). Units are found by symbol or name; "′" and "″"
// (or "'" and "\"") are the arcminute and arcsecond where the category has them, else foot and
// inch. Units with an offset or a reciprocal scale add to nothing: a lone one is read only as
// the source unit.
NumberReading ReadTypedQuantity(const UnitCategory& category, std::size_t sourceIndex,
                                std::string_view text, const NumberConventions& conventions);

} // namespace mensurix
