#include "ui/frm_convert.h"

#include "files/make_directories.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include <exception>

namespace mensurix {

void TFrmConvert::LoadSettings() {
    const Settings settings = ReadSettings(settingsDir_ + "options.ini", currentLanguage_);
    settingsInFile_ = settings;
    // The file, or the defaults of a missing one, gave every value.
    settingsKnown_ = SettingsKnown{};
    currentLanguage_ = settings.Language;
    SpinEditDec->setValue(settings.Digits);
    CheckBoxDouHao->setChecked(settings.Separators);
    const bool inList = settings.Class >= 0 && settings.Class < ComboBoxUnits->count();
    ComboBoxUnits->setCurrentIndex(inList ? settings.Class : -1);
    // A catalogue without the saved category (a damaged file) leaves it saved for the next run.
    settingsKnown_.Class = inList;
    ComboBoxUnitsChange();
}

void TFrmConvert::SaveSettings() {
    Settings settings;
    settings.Digits = SpinEditDec->value();
    settings.Separators = CheckBoxDouHao->isChecked();
    settings.Class = ComboBoxUnits->currentIndex();
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
void TFrmConvert::SaveSettingsBeforeSessionEnd() {
    try {
        SaveSettings();
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

} // namespace mensurix
