#pragma once

#include <QString>

#include <functional>
#include <string>

namespace mensurix {

// What the main window takes from its surroundings; tests replace any of them.
struct ConverterWindowServices {
    // The executable's folder, with a trailing separator; empty for the running executable's.
    // The data and the settings are looked for from there.
    std::string ProgramDir;
    // The user's own settings folder, with a trailing separator; empty for the system's.
    std::string UserSettingsDir;
    // Shows an error raised by a start-up or shut-down step (a message box by default).
    std::function<void(const QString& message)> ReportError;
    // The English name of the system locale's language, at most 18 characters, else empty.
    std::function<std::string()> LocaleLanguageName;
    // Hands a web address to the user's browser.
    std::function<void(const QString& address)> OpenUrl;
};

// The services of a real run: message boxes, the system locale, the desktop's browser.
ConverterWindowServices DefaultServices();

} // namespace mensurix
