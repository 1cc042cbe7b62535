#include "catalogue/catalogue_reader.h"
#include "catalogue/category_conversion.h"
#include "fuzz_expect.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

// Input: the bytes of a Units.dat file.
namespace mensurix::fuzz {
namespace {

// How many categories and units are converted per input: enough to reach every kind of line,
// few enough that one input stays fast.
constexpr std::size_t ConvertedCategories = 8;
constexpr std::size_t ConvertedUnits = 64;

// A line that the reader turns back into `unit`. Only the forms the reader can have produced
// occur: a name without '=', a factor before the first '|' without one, and so on.
std::string UnitLine(const UnitEntry& unit) {
    std::string line = unit.IsDefault ? "*" : "";
    line += unit.Name;
    line += '=';
    if (unit.OffsetFirst) {
        line += '+';
        line += unit.Offset;
        if (!unit.FactorFromBase.empty() || !unit.FactorToBase.empty()) {
            line += '|';
            line += unit.FactorFromBase;
        }
        if (!unit.FactorToBase.empty()) {
            line += '|';
            line += unit.FactorToBase;
        }
        return line;
    }
    line += unit.FactorFromBase;
    if (!unit.FactorToBase.empty() || !unit.Offset.empty()) {
        line += '|';
        line += unit.FactorToBase;
    }
    if (!unit.Offset.empty()) {
        line += "|+";
        line += unit.Offset;
    }
    return line;
}

std::string CatalogueText(const UnitCatalogue& catalogue) {
    std::string text;
    for (const auto& category : catalogue) {
        text += '[';
        text += category.Name;
        text += "]\n";
        for (const auto& unit : category.Units) {
            text += UnitLine(unit);
            text += '\n';
        }
    }
    return text;
}

bool SameUnit(const UnitEntry& a, const UnitEntry& b) {
    return a.IsDefault == b.IsDefault && a.Name == b.Name && a.FactorFromBase == b.FactorFromBase &&
           a.FactorToBase == b.FactorToBase && a.Offset == b.Offset &&
           a.OffsetFirst == b.OffsetFirst;
}

bool SameCatalogue(const UnitCatalogue& a, const UnitCatalogue& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.Name == y.Name &&
               std::equal(x.Units.begin(), x.Units.end(), y.Units.begin(), y.Units.end(), SameUnit);
    });
}

bool HoldsLineBreakOrNul(const std::string& text) {
    return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

void CheckTexts(const UnitCatalogue& catalogue) {
    for (const auto& category : catalogue) {
        Expect(!HoldsLineBreakOrNul(category.Name), "a category name is one line");
        for (const auto& unit : category.Units) {
            Expect(!HoldsLineBreakOrNul(unit.Name) && !HoldsLineBreakOrNul(unit.FactorFromBase) &&
                       !HoldsLineBreakOrNul(unit.FactorToBase) && !HoldsLineBreakOrNul(unit.Offset),
                   "a unit's texts come from one line");
            Expect(unit.Name.find('=') == std::string::npos, "a unit name stops at the first '='");
        }
    }
}

// The conversion absorbs whatever texts the catalogue holds, from the default unit as a start
// shows it and from the last unit.
void Convert(const UnitCatalogue& catalogue) {
    for (std::size_t c = 0; c < std::min(catalogue.size(), ConvertedCategories); ++c) {
        const UnitCategory& category = catalogue[c];
        if (category.Units.empty() || category.Units.size() > ConvertedUnits) {
            continue;
        }
        const auto& units = category.Units;
        const auto found = std::find_if(units.begin(), units.end(),
                                        [](const UnitEntry& unit) { return unit.IsDefault; });
        const auto first =
            static_cast<std::size_t>(found == units.end() ? 0 : found - units.begin());
        for (const std::size_t from : {first, units.size() - 1}) {
            const auto results = ConvertAcrossCategory(category, from, "-12.5");
            Expect(results.Refusal != ConversionRefusal::None ||
                       results.Values.size() == units.size(),
                   "one result per unit unless refused");
        }
    }
}

} // namespace
} // namespace mensurix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mensurix;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const UnitCatalogue catalogue = ParseCatalogue(bytes);
    fuzz::CheckTexts(catalogue);
    // Written back in the file's format, the catalogue reads as itself: no field loses or gains
    // a byte at a separator.
    fuzz::Expect(fuzz::SameCatalogue(ParseCatalogue(fuzz::CatalogueText(catalogue)), catalogue),
                 "a catalogue written back reads as itself");
    fuzz::Convert(catalogue);
    return 0;
}
