#include "catalogue/category_conversion.h"

#include "decimal/decimal_add.h"
#include "decimal/decimal_multiply.h"

namespace mensurix {
namespace {

// An empty factor means "no factor": the value passes unchanged.
DecimalText TimesFactorIfAny(std::string_view value, const std::string& factor) {
    return factor.empty() ? DecimalText(value) : DecimalMultiply(value, factor);
}

} // namespace

DecimalText BaseValue(const UnitEntry& source, std::string_view typed) {
    if (source.Offset.empty()) {
        return TimesFactorIfAny(typed, source.FactorToBase);
    }
    if (source.OffsetFirst) {
        return DecimalSubtract(TimesFactorIfAny(typed, source.FactorToBase), source.Offset);
    }
    return TimesFactorIfAny(DecimalSubtract(typed, source.Offset), source.FactorToBase);
}

DecimalText ValueInUnit(const UnitEntry& unit, std::string_view baseValue) {
    if (unit.Offset.empty()) {
        // Multiplied even by an empty factor, which gives the empty text: a blank cell.
        return DecimalMultiply(baseValue, unit.FactorFromBase);
    }
    if (unit.OffsetFirst) {
        return TimesFactorIfAny(DecimalAdd(baseValue, unit.Offset), unit.FactorFromBase);
    }
    return DecimalAdd(TimesFactorIfAny(baseValue, unit.FactorFromBase), unit.Offset);
}

std::vector<DecimalText> ConvertAcrossCategory(const UnitCategory& category,
                                               std::size_t sourceIndex, std::string_view typed) {
    const DecimalText base = BaseValue(category.Units.at(sourceIndex), typed);
    std::vector<DecimalText> results;
    results.reserve(category.Units.size());
    for (const auto& unit : category.Units) {
        results.push_back(ValueInUnit(unit, base));
    }
    return results;
}

} // namespace mensurix
