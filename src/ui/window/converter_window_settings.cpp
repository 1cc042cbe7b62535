#include "ui/window/converter_window.h"

#include "files/make_directories.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include <exception>

namespace mensurix {

void ConverterWindow::LoadSettings() {
    const Settings settings = ReadSettings(settingsDir_ + "options.ini", currentLanguage_);
    settingsInFile_ = settings;
    // The file, or the defaults of a missing one, gave every value.
    settingsKnown_ = SettingsKnown{};
    currentLanguage_ = settings.Language;
    digitsBox_->setValue(settings.Digits);
    separatorsBox_->setChecked(settings.Separators);
    const bool inList = settings.Class >= 0 && settings.Class < categoryList_->count();
    categoryList_->setCurrentIndex(inList ? settings.Class : -1);
    // A catalogue without the saved category (a damaged file) leaves it saved for the next run.
    settingsKnown_.Class = inList;
    CategoryChanged();
}

void ConverterWindow::SaveSettings() {
    Settings settings;
    settings.Digits = digitsBox_->value();
    settings.Separators = separatorsBox_->isChecked();
    settings.Class = categoryList_->currentIndex();
    settings.Language = currentLanguage_;
    if (settingsKnown_.Any()) {
        // A per-user folder is made on the first save.
        MakeDirectories(settingsDir_);
        WriteSettings(settingsDir_ + "options.ini", settings, settingsInFile_, settingsKnown_);
        settingsInFile_ = settings;
    }
}

// The session may end the program without closing its window, so what a close would save is
// saved now; the close that may still follow saves only what changes after this.
void ConverterWindow::SaveSettingsBeforeSessionEnd() {
    try {
        SaveSettings();
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

} // namespace mensurix
