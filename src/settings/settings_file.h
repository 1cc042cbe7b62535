#pragma once

#include "settings/settings.h"

#include <cstdint>
#include <string>

namespace mensurix {

// The settings in the file at `path`. Without a file the defaults apply and the language stays
// `currentLanguage`; with one, a missing or non-integer value gives its default (language 7,
// meaning not chosen) and the digits and the language are clamped into their ranges.
Settings ReadSettings(const std::string& path, std::uint8_t currentLanguage);

// Saves what this run changed: reads the file again and sets, key by key, each value that
// `known` names and that differs from `readAtStart` (what the run read) or that the file lacks,
// keeping every other byte, so that a change made meanwhile by another window or by hand
// survives. The file is replaced once, so that either all of them change or none; with nothing
// to set it is not touched. Throws FileError("Unable to write to <path>") when the file cannot
// be written.
void WriteSettings(const std::string& path, const Settings& settings, const Settings& readAtStart,
                   const SettingsKnown& known = SettingsKnown{});

} // namespace mensurix
