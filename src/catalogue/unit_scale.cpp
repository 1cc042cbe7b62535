#include "catalogue/unit_scale.h"

#include "catalogue/unit_entry.h"
#include "decimal/decimal_add.h"
#include "decimal/decimal_multiply.h"
#include "decimal/decimal_round.h"
#include "decimal/decimal_text.h"

#include <vector>

namespace mensurix {
namespace {

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const auto blank = text.find(' ');
        words.push_back(text.substr(0, blank));
        text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    }
    return words;
}

// Digits from the first non-zero one on, trailing zeros included: the precision as written.
std::size_t WrittenSignificantDigits(std::string_view decimal) {
    std::size_t count = 0;
    for (const char ch : decimal) {
        if (ch >= '1' && ch <= '9') {
            ++count;
        } else if (ch == '0' && count > 0) {
            ++count;
        }
    }
    return count;
}

// Significant digits of a value, trailing zeros of the integer part left out ("1000" has 1).
std::size_t SignificantDigits(std::string_view decimal) {
    const std::string canonical =
        CanonicalMagnitude(decimal.starts_with('-') ? decimal.substr(1) : decimal);
    const auto last = canonical.find_last_not_of(".0");
    return WrittenSignificantDigits(std::string_view(canonical).substr(0, last + 1));
}

// The size from a note "SIZE[ WORD]...": SIZE an exact decimal, a fraction N/D or "~" and a
// decimal known to its written digits; the words "reciprocal" and "absolute".
std::optional<UnitScale> ScaleFromNote(std::string_view note) {
    const auto words = Words(note);
    if (words.empty()) {
        return std::nullopt;
    }
    UnitScale scale;
    std::string_view size = words.front();
    const bool approximate = size.starts_with('~');
    if (approximate) {
        size.remove_prefix(1);
    }
    const auto slash = size.find('/');
    const std::string_view top = size.substr(0, slash);
    const std::string_view bottom = slash == std::string_view::npos ? "1" : size.substr(slash + 1);
    if (!IsDecimalNumber(top) || !IsDecimalNumber(bottom) ||
        (approximate && slash != std::string_view::npos)) {
        return std::nullopt;
    }
    scale.ToBase = FractionOf(top, bottom);
    if (!Exists(scale.ToBase) || IsZero(scale.ToBase)) {
        return std::nullopt;
    }
    scale.CertainDigits = approximate ? WrittenSignificantDigits(top) : 0;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "reciprocal") {
            scale.Reciprocal = true;
        } else if (words[i] == "absolute") {
            scale.Absolute = true;
        } else {
            return std::nullopt;
        }
    }
    scale.FromBase = scale.Reciprocal ? scale.ToBase : Reciprocal(scale.ToBase);
    return scale;
}

bool Below(std::string_view a, std::string_view b) {
    const DecimalText difference = DecimalSubtract(a, b);
    return difference.starts_with('-') && difference != "-0";
}

std::string_view Magnitude(std::string_view decimal) {
    return decimal.starts_with('-') ? decimal.substr(1) : decimal;
}

// Whether `rounded` lies within one unit of its last written place of 1 / `exact`, that is
// |rounded x exact - 1| < unit(rounded) x |exact|.
bool RoundedReciprocal(std::string_view rounded, std::string_view exact) {
    const DecimalText product = DecimalMultiply(rounded, exact);
    const auto point = rounded.find('.');
    const int places =
        point == std::string_view::npos ? 0 : static_cast<int>(rounded.size() - point - 1);
    const DecimalText bound = DecimalMultiply(RoundingUnit(places), Magnitude(exact));
    return Below(Magnitude(DecimalSubtract(product, "1")), bound);
}

// The unit's exact size when its two factors are reciprocals: both exact, or one exact and the
// other its reciprocal rounded, which is written with more significant digits.
std::optional<ExactFraction> SizeFromFactors(std::string_view from, std::string_view to) {
    if (!IsDecimalNumber(from) || !IsDecimalNumber(to)) {
        return std::nullopt;
    }
    if (DecimalMultiply(from, to) == "1") {
        return FractionOf(to);
    }
    const auto fromDigits = SignificantDigits(from);
    const auto toDigits = SignificantDigits(to);
    if (fromDigits == 0 || toDigits == 0) {
        return std::nullopt;
    }
    if (fromDigits > toDigits && RoundedReciprocal(from, to)) {
        return FractionOf(to);
    }
    if (toDigits > fromDigits && RoundedReciprocal(to, from)) {
        return Reciprocal(FractionOf(from));
    }
    return std::nullopt;
}

} // namespace

UnitScale ReadUnitScale(const UnitEntry& unit) {
    if (const auto noted = ScaleFromNote(unit.SizeNote)) {
        return *noted;
    }
    UnitScale scale;
    if (const auto size = SizeFromFactors(unit.FactorFromBase, unit.FactorToBase)) {
        scale.ToBase = *size;
        scale.FromBase = Reciprocal(*size);
        return scale;
    }
    if (!unit.FactorToBase.empty()) {
        scale.ToBase = FractionOf(unit.FactorToBase);
    }
    if (!unit.FactorFromBase.empty()) {
        scale.FromBase = FractionOf(unit.FactorFromBase);
    }
    return scale;
}

} // namespace mensurix
