#include "catalogue/unit_lookup.h"

#include "catalogue/edit_distance.h"
#include "text/ascii_case.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace mensurix {
namespace {

constexpr std::size_t SuggestionCount = 5;

// Whether name holds needle, already lower-cased, in any ASCII case.
bool NameHolds(std::string_view name, const std::string& needle) {
    return AsciiLowercase(name).find(needle) != std::string::npos;
}

// Where the symbol part of a name opens: the "(" that the name's final ")" closes, so that a
// symbol may hold parentheses of its own ("W/(m·K)").
std::size_t SymbolOpening(std::string_view name) {
    if (name.empty() || name.back() != ')') {
        return std::string_view::npos;
    }
    std::size_t depth = 0;
    for (std::size_t i = name.size(); i-- > 0;) {
        if (name[i] == ')') {
            ++depth;
        } else if (name[i] == '(' && --depth == 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

// Whether the symbol is the text and a convention after a blank ("gal US" for "gal").
bool NamesAConventionOf(std::string_view symbol, std::string_view text) {
    return symbol.size() > text.size() + 1 && symbol[text.size()] == ' ' &&
           EqualsIgnoringAsciiCase(symbol.substr(0, text.size()), text);
}

const UnitEntry& UnitAt(const UnitCatalogue& catalogue, const UnitPosition& position) {
    return catalogue[position.Category].Units[position.Unit];
}

// A reciprocal unit that shows a plain unit of another category in this one's table: the same
// unit, found where it is defined.
bool IsReciprocalView(const UnitCatalogue& catalogue, const UnitEntry& unit) {
    if (!unit.Scale.Reciprocal) {
        return false;
    }
    for (const auto& category : catalogue) {
        for (const auto& other : category.Units) {
            if (!other.Scale.Reciprocal && other.Name == unit.Name) {
                return true;
            }
        }
    }
    return false;
}

std::vector<UnitPosition> UnitsWhere(const UnitCatalogue& catalogue,
                                     const std::function<bool(const UnitEntry&)>& fits) {
    std::vector<UnitPosition> found;
    for (std::size_t c = 0; c < catalogue.size(); ++c) {
        for (std::size_t u = 0; u < catalogue[c].Units.size(); ++u) {
            const UnitEntry& unit = catalogue[c].Units[u];
            if (fits(unit) && !IsReciprocalView(catalogue, unit)) {
                found.push_back({c, u});
            }
        }
    }
    return found;
}

bool NameFits(const UnitEntry& unit, std::string_view text, bool ignoreCase) {
    const auto same = [&](std::string_view name) {
        return ignoreCase ? EqualsIgnoringAsciiCase(name, text) : name == text;
    };
    return same(unit.Name) || same(UnitBareName(unit.Name));
}

// The positions ordered by their distance to the text, nearest first, catalogue order within
// one distance; at most SuggestionCount of them.
template <typename Position>
std::vector<Position> Closest(std::vector<std::pair<std::size_t, Position>> scored) {
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Position> closest;
    for (std::size_t i = 0; i < scored.size() && i < SuggestionCount; ++i) {
        closest.push_back(scored[i].second);
    }
    return closest;
}

std::size_t LongestNameLength(const UnitCatalogue& catalogue) {
    std::size_t longest = 0;
    for (const auto& category : catalogue) {
        longest = std::max(longest, category.Name.size());
        for (const auto& unit : category.Units) {
            longest = std::max(longest, unit.Name.size());
        }
    }
    return longest;
}

UnitMatch Decided(std::vector<UnitPosition> units) {
    return {units.size() == 1 ? MatchOutcome::Found : MatchOutcome::Ambiguous, std::move(units)};
}

UnitMatch FindUnitIgnoringConventions(const UnitCatalogue& catalogue, std::string_view text);

} // namespace

std::string_view UnitSymbol(std::string_view name) {
    const auto open = SymbolOpening(name);
    return open == std::string_view::npos ? std::string_view()
                                          : name.substr(open + 1, name.size() - open - 2);
}

std::string_view UnitBareName(std::string_view name) {
    const auto open = SymbolOpening(name);
    if (open == std::string_view::npos) {
        return name;
    }
    std::string_view bare = name.substr(0, open);
    while (!bare.empty() && bare.back() == ' ') {
        bare.remove_suffix(1);
    }
    return bare;
}

UnitMatch FindUnit(const UnitCatalogue& catalogue, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    // A text that conventions qualify ("gal US", "gal UK") never silently means one unit of
    // another quantity ("Gal"): the choices are those and what the text itself names. Beside
    // its own conventions ("mi US"), the unit a text names is the standard one.
    UnitMatch named = FindUnitIgnoringConventions(catalogue, text);
    auto conventions = UnitsWhere(catalogue, [&](const UnitEntry& u) {
        return NamesAConventionOf(UnitSymbol(u.Name), text);
    });
    if (named.Outcome == MatchOutcome::Unknown) {
        return conventions.empty() ? named : Decided(std::move(conventions));
    }
    const auto namedCategory = [&](const UnitPosition& convention) {
        return std::any_of(named.Units.begin(), named.Units.end(), [&](const UnitPosition& unit) {
            return unit.Category == convention.Category;
        });
    };
    if (std::all_of(conventions.begin(), conventions.end(), namedCategory)) {
        return named;
    }
    conventions.insert(conventions.begin(), named.Units.begin(), named.Units.end());
    return Decided(std::move(conventions));
}

namespace {

UnitMatch FindUnitIgnoringConventions(const UnitCatalogue& catalogue, std::string_view text) {
    if (auto exact = UnitsWhere(catalogue,
                                [&](const UnitEntry& u) {
                                    const auto symbol = UnitSymbol(u.Name);
                                    return !symbol.empty() && symbol == text;
                                });
        !exact.empty()) {
        return Decided(std::move(exact));
    }
    auto anyCase = UnitsWhere(catalogue, [&](const UnitEntry& u) {
        const auto symbol = UnitSymbol(u.Name);
        return !symbol.empty() && EqualsIgnoringAsciiCase(symbol, text);
    });
    auto named =
        UnitsWhere(catalogue, [&](const UnitEntry& u) { return NameFits(u, text, false); });
    if (anyCase.size() == 1) {
        // "Rad" is the rad by its name as much as the radian by its symbol in another case.
        for (const UnitPosition& position : named) {
            if (!(position == anyCase.front())) {
                anyCase.push_back(position);
            }
        }
        return Decided(std::move(anyCase));
    }
    if (!named.empty()) {
        return Decided(std::move(named));
    }
    if (auto named =
            UnitsWhere(catalogue, [&](const UnitEntry& u) { return NameFits(u, text, true); });
        !named.empty()) {
        return Decided(std::move(named));
    }
    if (!anyCase.empty()) {
        return Decided(std::move(anyCase));
    }
    // A text longer than every name is near none of them; spelling distances to it would only
    // take time (they grow with its length times every name's).
    if (text.size() > LongestNameLength(catalogue)) {
        return {};
    }
    // Names that hold the text come first ("therm" names the therms), then the nearest ones.
    const std::string needle = AsciiLowercase(text);
    std::vector<std::pair<std::size_t, UnitPosition>> scored;
    for (const UnitPosition& position :
         UnitsWhere(catalogue, [](const UnitEntry&) { return true; })) {
        const std::string_view name = UnitAt(catalogue, position).Name;
        const std::string_view symbol = UnitSymbol(name);
        std::size_t distance = EditDistance(text, UnitBareName(name));
        if (!symbol.empty()) {
            distance = std::min(distance, EditDistance(text, symbol));
        }
        if (!needle.empty() && NameHolds(UnitBareName(name), needle)) {
            distance = 0;
        }
        scored.emplace_back(distance, position);
    }
    return {MatchOutcome::Unknown, Closest(std::move(scored))};
}

} // namespace

CategoryMatch FindCategory(const UnitCatalogue& catalogue, std::string_view name) {
    std::vector<std::size_t> exact;
    std::vector<std::size_t> anyCase;
    std::vector<std::pair<std::size_t, std::size_t>> scored;
    if (name.size() > LongestNameLength(catalogue)) {
        return {};
    }
    for (std::size_t c = 0; c < catalogue.size(); ++c) {
        if (catalogue[c].Name == name) {
            exact.push_back(c);
        }
        if (EqualsIgnoringAsciiCase(catalogue[c].Name, name)) {
            anyCase.push_back(c);
        }
        scored.emplace_back(EditDistance(name, catalogue[c].Name), c);
    }
    for (auto* found : {&exact, &anyCase}) {
        if (!found->empty()) {
            const auto outcome = found->size() == 1 ? MatchOutcome::Found : MatchOutcome::Ambiguous;
            return {outcome, std::move(*found)};
        }
    }
    return {MatchOutcome::Unknown, Closest(std::move(scored))};
}

std::vector<UnitPosition> SearchUnits(const UnitCatalogue& catalogue, std::string_view text) {
    const std::string needle = AsciiLowercase(text);
    return UnitsWhere(catalogue, [&](const UnitEntry& u) { return NameHolds(u.Name, needle); });
}

} // namespace mensurix
