#include "localisation/language_choice.h"

#include "text/ascii_case.h"

#include <array>
#include <string>
#include <tuple>
#include <utility>

namespace mensurix {

std::uint8_t LanguageFromLocaleName(std::string_view englishName) {
    const std::string lower = AsciiLowercase(englishName);
    // Tested in this order; the first name contained decides.
    constexpr std::array<std::pair<std::string_view, std::uint8_t>, 7> Names = {{
        {"english", 0},
        {"german", 2},
        {"spanish", 1},
        {"french", 4},
        {"italian", 3},
        {"chinese", 5},
        {"japan", 6},
    }};
    for (const auto& [name, index] : Names) {
        if (lower.find(name) != std::string::npos) {
            return index;
        }
    }
    return LanguageNotChosen;
}

std::optional<std::uint8_t> LanguageFromName(std::string_view name) {
    const std::string lower = AsciiLowercase(name);
    constexpr std::array<std::tuple<std::string_view, std::string_view, std::uint8_t>, 5> Names = {{
        {"english", "en", 0},
        {"spanish", "es", 1},
        {"german", "de", 2},
        {"italian", "it", 3},
        {"french", "fr", 4},
    }};
    for (const auto& [english, code, index] : Names) {
        if (lower == english || lower == code) {
            return index;
        }
    }
    return std::nullopt;
}

std::uint8_t LanguageFromLocaleValue(std::string_view locale) {
    const std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
    return code.size() == 2 ? LanguageFromName(code).value_or(LanguageEnglish) : LanguageEnglish;
}

LanguageFile LanguageFileFor(std::uint8_t index) {
    switch (index) {
    case 1:
        return {"Languages/Spanish.isl", 1};
    case 2:
        return {"Languages/German.isl", 2};
    case 3:
        return {"Languages/Italian.isl", 3};
    case 4:
        return {"Languages/French.isl", 4};
    default:
        return {"Languages/English.isl", 0};
    }
}

} // namespace mensurix
