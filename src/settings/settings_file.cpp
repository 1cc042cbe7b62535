#include "settings/settings_file.h"

#include "decimal/display_digits.h"
#include "profile/integer_text.h"
#include "profile/profile_file.h"

#include <algorithm>
#include <string>

namespace mensurix {
namespace {

constexpr int kLanguageNotChosen = 7;

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
        ReadInteger(file, "LANGUAGE", "Default", kLanguageNotChosen), 0, kLanguageNotChosen));
    settings.Digits =
        std::clamp(ReadInteger(file, "OPTIONS", "Digits", settings.Digits), 0, MaxFractionDigits);
    settings.Separators = ReadInteger(file, "OPTIONS", "Separators", 1) != 0;
    settings.Class = ReadInteger(file, "OPTIONS", "Class", settings.Class);
    return settings;
}

void WriteSettings(const std::string& path, const Settings& settings, const SettingsKnown& known) {
    if (!known.Any()) {
        return;
    }
    ProfileFile file(path);
    if (known.Digits) {
        file.SetString("OPTIONS", "Digits",
                       std::to_string(std::clamp(settings.Digits, 0, MaxFractionDigits)));
    }
    if (known.Separators) {
        file.SetString("OPTIONS", "Separators", settings.Separators ? "1" : "0");
    }
    if (known.Class) {
        file.SetString("OPTIONS", "Class", std::to_string(settings.Class));
    }
    if (known.Language) {
        file.SetString("LANGUAGE", "Default", std::to_string(settings.Language));
    }
    file.Save();
}

} // namespace mensurix
