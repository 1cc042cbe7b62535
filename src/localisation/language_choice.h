#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace mensurix {

// Language indexes as stored in options.ini: 0 English, 1 Spanish, 2 German, 3 Italian,
// 4 French, 5 Chinese, 6 Japanese (both shown in English), 7 not chosen yet.
constexpr std::uint8_t LanguageEnglish = 0;
constexpr std::uint8_t LanguageNotChosen = 7;

// The language index for the English name of a locale's language ("German", "Japanese", ...);
// 7 when no known name is contained in it.
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
