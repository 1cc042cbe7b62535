#include "settings/settings_file.h"

#include "decimal/display_digits.h"
#include "profile/integer_text.h"
#include "profile/profile_file.h"

#include <algorithm>
#include <string>

namespace mensurix {
namespace {

int ReadInteger(const ProfileFile& file, const char* section, const char* key, int fallback) {
    return ParseInteger32(file.ReadString(section, key, "")).value_or(fallback);
}

} // namespace

Settings ReadSettings(const std::string& path, std::uint8_t currentLanguage) {
    Settings settings;
    const ProfileFile file(path);
    if (!file.Exists()) {
        settings.Language = currentLanguage;
        return settings;
    }
    settings.Language = static_cast<std::uint8_t>(std::clamp(
        ReadInteger(file, "LANGUAGE", "Default", LanguageNotChosen), 0, int{LanguageNotChosen}));
    settings.Digits =
        std::clamp(ReadInteger(file, "OPTIONS", "Digits", settings.Digits), 0, MaxFractionDigits);
    settings.Separators = ReadInteger(file, "OPTIONS", "Separators", 1) != 0;
    settings.Class = ReadInteger(file, "OPTIONS", "Class", settings.Class);
    return settings;
}

void WriteSettings(const std::string& path, const Settings& settings, const Settings& readAtStart,
                   const SettingsKnown& known) {
    if (!known.Any()) {
        return;
    }
    ProfileFile file(path);
    bool anySet = false;
    const auto setIfChanged = [&](bool isKnown, bool changed, const char* section, const char* key,
                                  const std::string& value) {
        if (isKnown && (changed || !file.HasKey(section, key))) {
            file.SetString(section, key, value);
            anySet = true;
        }
    };
    setIfChanged(known.Digits, settings.Digits != readAtStart.Digits, "OPTIONS", "Digits",
                 std::to_string(std::clamp(settings.Digits, 0, MaxFractionDigits)));
    setIfChanged(known.Separators, settings.Separators != readAtStart.Separators, "OPTIONS",
                 "Separators", settings.Separators ? "1" : "0");
    setIfChanged(known.Class, settings.Class != readAtStart.Class, "OPTIONS", "Class",
                 std::to_string(settings.Class));
    setIfChanged(known.Language, settings.Language != readAtStart.Language, "LANGUAGE", "Default",
                 std::to_string(settings.Language));
    if (anySet) {
        file.Save();
    }
}

} // namespace mensurix
