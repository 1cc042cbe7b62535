#include "catalogue/category_conversion.h"

#include <algorithm>

namespace mensurix {
namespace {

// Certain digits lost to the rounding of the two sizes and of the quotient's last place.
constexpr std::size_t DigitsLostToRounding = 3;

ExactFraction OffsetOf(const UnitEntry& unit) {
    return FractionOf(unit.Offset);
}

ExactFraction TimesIfAny(const ExactFraction& value, const std::optional<ExactFraction>& factor) {
    return factor ? Times(value, *factor) : value;
}

// The typed quantity in the category's base. A reciprocal unit's zero has no value there.
ExactFraction BaseOf(const UnitEntry& source, const ExactFraction& typed) {
    const UnitScale& scale = source.Scale;
    if (scale.Reciprocal) {
        return Times(scale.ToBase, Reciprocal(typed));
    }
    if (source.Offset.empty()) {
        return Times(typed, scale.ToBase);
    }
    if (source.OffsetFirst) {
        return Minus(Times(typed, scale.ToBase), OffsetOf(source));
    }
    return Times(Minus(typed, OffsetOf(source)), scale.ToBase);
}

// The quantity in the unit, or none when the unit has no factor.
std::optional<ExactFraction> ValueIn(const UnitEntry& unit, const ExactFraction& base) {
    const UnitScale& scale = unit.Scale;
    if (scale.Reciprocal) {
        return Times(scale.ToBase, Reciprocal(base));
    }
    if (unit.Offset.empty()) {
        if (!scale.FromBase) {
            return std::nullopt;
        }
        return Times(base, *scale.FromBase);
    }
    if (unit.OffsetFirst) {
        return TimesIfAny(Plus(base, OffsetOf(unit)), scale.FromBase);
    }
    return Plus(TimesIfAny(base, scale.FromBase), OffsetOf(unit));
}

std::size_t CertainDigitsOf(const UnitEntry& source, const UnitEntry& target) {
    if (&source == &target) {
        return 0; // its size cancels out
    }
    std::size_t certain = 0;
    for (const std::size_t digits : {source.Scale.CertainDigits, target.Scale.CertainDigits}) {
        if (digits != 0) {
            certain = certain == 0 ? digits : std::min(certain, digits);
        }
    }
    if (certain == 0) {
        return 0;
    }
    return certain > DigitsLostToRounding ? certain - DigitsLostToRounding : 1;
}

} // namespace

CategoryResults ConvertAcrossCategory(const UnitCategory& category, std::size_t sourceIndex,
                                      std::string_view typed) {
    return ConvertAcrossCategory(category, sourceIndex, FractionOf(typed));
}

CategoryResults ConvertAcrossCategory(const UnitCategory& category, std::size_t sourceIndex,
                                      const ExactFraction& value) {
    const UnitEntry& source = category.Units.at(sourceIndex);
    const ExactFraction base = BaseOf(source, value);
    CategoryResults results;
    results.Values.reserve(category.Units.size());
    for (const auto& unit : category.Units) {
        const auto value = ValueIn(unit, base);
        if (!value) {
            ConvertedValue none;
            none.Missing = MissingValue::NoFactor;
            results.Values.push_back(std::move(none));
            continue;
        }
        if (unit.Scale.Absolute && IsNegative(*value)) {
            return {ConversionRefusal::BelowAbsoluteZero, {}};
        }
        results.Values.push_back(ValueOf(*value, CertainDigitsOf(source, unit)));
        if (!Exists(*value)) {
            // A blank factor or offset text gives no value either, as any blank operand does.
            results.Values.back().Missing = source.Scale.Reciprocal || unit.Scale.Reciprocal
                                                ? MissingValue::ReciprocalOfZero
                                                : MissingValue::NoFactor;
        }
    }
    return results;
}

} // namespace mensurix
