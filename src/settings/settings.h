#pragma once

#include <cstdint>

namespace mensurix {

// Language indexes as stored in options.ini: 0 English, 1 Spanish, 2 German, 3 Italian,
// 4 French, 5 Chinese, 6 Japanese (both shown in English), 7 not chosen yet.
constexpr std::uint8_t LanguageEnglish = 0;
constexpr std::uint8_t LanguageNotChosen = 7;

// Which of the Settings values a run really holds: read from options.ini (or its defaults when
// there is no file), or changed by the user. A run whose start failed before the settings were
// read knows none of them, so writing them back would replace the user's values by the window's
// design values.
struct SettingsKnown {
    bool Digits = true;
    bool Separators = true;
    bool Class = true;
    bool Language = true;

    bool Any() const { return Digits || Separators || Class || Language; }
    bool operator==(const SettingsKnown&) const = default;
};

// The values kept in options.ini between runs.
struct Settings {
    int Digits = 8;         // fraction digits shown, 0..20
    bool Separators = true; // thousands separators shown
    int Class = 0;          // selected category; -1 for none, not checked against the catalogue
    std::uint8_t Language = LanguageEnglish;

    bool operator==(const Settings&) const = default;
};

} // namespace mensurix
