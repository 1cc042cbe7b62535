#pragma once

#include "catalogue/unit_catalogue.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace mensurix {

// The symbol of a unit as its name writes it: the text between the ")" that ends the name and
// the "(" that it closes ("km" of "Kilometer (km)", "W/(m·K)"); empty for a name that does not
// end so.
std::string_view UnitSymbol(std::string_view name);

// The name without its symbol part and the blanks before it ("Kilometer").
std::string_view UnitBareName(std::string_view name);

struct UnitPosition {
    std::size_t Category = 0;
    std::size_t Unit = 0;
    friend bool operator==(const UnitPosition&, const UnitPosition&) = default;
};

enum class MatchOutcome { Found, Ambiguous, Unknown };

// Found: the one unit. Ambiguous: every unit the text fits equally well. Unknown: the closest
// units, for a suggestion.
struct UnitMatch {
    MatchOutcome Outcome = MatchOutcome::Unknown;
    std::vector<UnitPosition> Units;
};

// The unit a user's text names, all texts UTF-8. Tried in this order, the first that decides
// wins: the symbol exactly; the symbol without regard to ASCII case, when only one unit fits;
// the name, with or without its symbol part, exactly; the name without regard to case. A text
// that symbols qualify with a convention after a blank ("gal" of "gal US" and "gal UK") is
// ambiguous: the choices are those units and the one the text names.
UnitMatch FindUnit(const UnitCatalogue& catalogue, std::string_view text);

struct CategoryMatch {
    MatchOutcome Outcome = MatchOutcome::Unknown;
    std::vector<std::size_t> Categories;
};

// The category of that name: exactly, else without regard to ASCII case.
CategoryMatch FindCategory(const UnitCatalogue& catalogue, std::string_view name);

// Every unit whose name contains the text, ASCII case ignored, in catalogue order. The name
// holds the symbol, so a symbol's text finds its unit too.
std::vector<UnitPosition> SearchUnits(const UnitCatalogue& catalogue, std::string_view text);

} // namespace mensurix
