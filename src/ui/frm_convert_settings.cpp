#include "ui/frm_convert.h"

#include "settings/settings_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

namespace mensurix {

void TFrmConvert::LoadSettings() {
    const Settings settings = ReadSettings(programDir_ + "options.ini", currentLanguage_);
    currentLanguage_ = settings.Language;
    SpinEditDec->setValue(settings.Digits);
    CheckBoxDouHao->setChecked(settings.Separators);
    const bool inList = settings.Class >= 0 && settings.Class < ComboBoxUnits->count();
    ComboBoxUnits->setCurrentIndex(inList ? settings.Class : -1);
    ComboBoxUnitsChange();
}

void TFrmConvert::SaveSettings() {
    Settings settings;
    settings.Digits = SpinEditDec->value();
    settings.Separators = CheckBoxDouHao->isChecked();
    settings.Class = ComboBoxUnits->currentIndex();
    settings.Language = currentLanguage_;
    WriteSettings(programDir_ + "options.ini", settings);
}

} // namespace mensurix
