#pragma once

#include "settings/settings.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace mensurix {

// The language index for the English name of a locale's language ("German", "Japanese", ...);
// LanguageNotChosen when no known name is contained in it.
std::uint8_t LanguageFromLocaleName(std::string_view englishName);

// The language index for a language's English name or two-letter code ("German", "de"), in
// any case; nullopt for any other text. Only the five interface languages have one.
std::optional<std::uint8_t> LanguageFromName(std::string_view name);

// The language index for a POSIX locale value ("de_DE.UTF-8", "fr"): one of the five interface
// languages by its code, English for any other.
std::uint8_t LanguageFromLocaleValue(std::string_view locale);

// What an index shows: the language file relative to the program directory and the index of
// the language menu item that is checked (0 English ... 4 French).
struct LanguageFile {
    std::string_view RelativePath;
    int MenuItem;
};

LanguageFile LanguageFileFor(std::uint8_t index);

} // namespace mensurix
