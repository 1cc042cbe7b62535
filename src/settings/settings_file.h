#pragma once

#include "settings/settings.h"

#include <cstdint>
#include <string>

namespace mensurix {

// The settings in the file at `path`. Without a file the defaults apply and the language stays
// `currentLanguage`; with one, a missing or non-integer value gives its default (language 7,
// meaning not chosen) and the digits and the language are clamped into their ranges.
Settings ReadSettings(const std::string& path, std::uint8_t currentLanguage);

// Sets the values that `known` names key by key, keeping every other byte of the file, and
// replaces the file once, so that either all of them change or none; with none known the file is
// not touched. Throws FileError("Unable to write to <path>") when the file cannot be written.
void WriteSettings(const std::string& path, const Settings& settings,
                   const SettingsKnown& known = SettingsKnown{});

} // namespace mensurix
