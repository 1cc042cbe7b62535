#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace mensurix {

// A language's names of the catalogue's units, from a profile file beside its language file
// ("Languages/German.units"): a "[Category]" section per category, named as Units.dat names it,
// and in it "English unit name=name in this language". Category and unit names match without
// regard to ASCII case. A unit the file does not name keeps its English name, so a unit added to
// Units.dat is never shown blank; lines that are not "name=value", empty values and names of no
// unit are passed over, and the first of repeated keys wins.
class UnitNames {
public:
    UnitNames() = default;
    explicit UnitNames(std::string_view contents);

    // The unit's name in this language, if the file gives one.
    std::optional<std::string_view> Find(std::string_view category,
                                         std::string_view englishName) const;

    // The unit's name in this language, or `englishName` itself.
    std::string_view NameOf(std::string_view category, std::string_view englishName) const {
        return Find(category, englishName).value_or(englishName);
    }

private:
    std::unordered_map<std::string, std::string> names_; // "category\nunit", lowercase ASCII
};

// The names in the file at `path`; none when there is no readable file.
UnitNames ReadUnitNames(const std::string& path);

// The unit-name file that belongs to a language file: the same name ending in ".units".
std::string UnitNamesPathFor(std::string_view languageFilePath);

} // namespace mensurix
