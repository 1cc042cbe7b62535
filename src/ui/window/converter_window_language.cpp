#include "ui/window/converter_window.h"

#include "decimal/display_digits.h"
#include "localisation/component_line.h"
#include "localisation/language_choice.h"
#include "localisation/language_file.h"
#include "localisation/replace_all.h"
#include "localisation/unit_names.h"
#include "ui/language/property_registry.h"
#include "ui/program_identity.h"
#include "ui/text_bytes.h"
#include "ui/widgets/auto_size_label.h"
#include "ui/widgets/web_link_label.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTableWidget>

#include <array>

namespace mensurix {
namespace {

// For a language file that does not say them yet.
constexpr const char* DefaultValueTooLongText =
    "The value can have at most %1 characters; the text was not inserted.";
constexpr const char* DefaultBelowAbsoluteZeroText =
    "The value lies below absolute zero (0 %1); no temperature is lower.";
constexpr const char* DefaultApproximateText =
    "Approximate: built on \xCF\x80, shown only to the digits that are certain.";
constexpr const char* DefaultNoValueAtZeroText =
    "Zero has no value in this unit: one of the two units is the reciprocal of the other.";

void DefaultIfEmpty(std::string& text, const char* fallback) {
    if (text.empty()) {
        text = fallback;
    }
}

} // namespace

void ConverterWindow::ApplyMessages(const std::string& path) {
    LanguageMessages messages = ReadLanguageMessages(path);
    homepageLink_->SetCaption(TextFromBytes(ReplaceAll(messages.Homepage, "%1", HomepageAddress)));
    homepageLink_->SetUrl(HomepageAddress);
    copyrightLabel_->SetCaption(
        TextFromBytes(ReplaceAll(messages.CopyRight, "%1", CopyrightHolderText)));
    DefaultIfEmpty(messages.ValueTooLong, DefaultValueTooLongText);
    DefaultIfEmpty(messages.BelowAbsoluteZero, DefaultBelowAbsoluteZeroText);
    DefaultIfEmpty(messages.Approximate, DefaultApproximateText);
    DefaultIfEmpty(messages.NoValueAtZero, DefaultNoValueAtZeroText);
    DefaultIfEmpty(messages.Unit, "Unit");
    DefaultIfEmpty(messages.Value, "Value");
    DefaultIfEmpty(messages.FindUnit, "Find a unit (Ctrl+F)");
    resultTable_->setHorizontalHeaderLabels(
        {TextFromBytes(messages.Unit), TextFromBytes(messages.Value)});
    valueBox_->setAccessibleName(TextFromBytes(messages.Value));
    searchBox_->setPlaceholderText(TextFromBytes(messages.FindUnit));
    searchBox_->setAccessibleName(searchBox_->placeholderText());
    messages_ = std::move(messages);
}

void ConverterWindow::ApplyLanguageFile(const std::string& path) {
    // A language file dresses the settings' controls but never changes what they hold, so
    // nothing of it reaches options.ini.
    const int digits = digitsBox_->value();
    const bool separators = separatorsBox_->isChecked();
    const SettingsKnown known = settingsKnown_;
    // The first line that fails ends the file silently; the lines before it stay applied.
    try {
        for (const std::string& text : ReadComponentSection(path)) {
            const ComponentLine line = CutComponentLine(text);
            SetPropertyByName(components_.Find(line.Component), line.Property, line.Value);
        }
    } catch (const std::exception&) {
    }
    digitsBox_->setRange(0, MaxFractionDigits);
    digitsBox_->setValue(digits);
    separatorsBox_->setChecked(separators);
    settingsKnown_ = known;
}

void ConverterWindow::SwitchLanguage(std::uint8_t index) {
    currentLanguage_ = index;
    languageLabel_->show();
    languageLabel_->setCursor(homepageLink_->cursor());
    const LanguageFile file = LanguageFileFor(index);
    const std::array<QAction*, 5> items = {englishItem_, spanishItem_, germanItem_, italianItem_,
                                           frenchItem_};
    checkedLanguageItem_ = items[static_cast<std::size_t>(file.MenuItem)];
    checkedLanguageItem_->setChecked(true);
    const std::string path = dataDir_ + std::string(file.RelativePath);
    ApplyMessages(path);
    ApplyLanguageFile(path);
    ShowUnitNames(ReadUnitNames(UnitNamesPathFor(path)));
    // A list would be read by its current item alone; it is named by its label, as the other
    // controls are through their labels' buddies.
    categoryList_->setAccessibleName(categoryLabel_->text());
    sourceUnitList_->setAccessibleName(sourceUnitLabel_->text());
    resultTable_->setAccessibleName(resultLabel_->text());
}

std::uint8_t ConverterWindow::DetectLanguage() const {
    return LanguageFromLocaleName(services_.LocaleLanguageName());
}

void ConverterWindow::OpenLanguageMenu() {
    languageMenu_->popup(languageLabel_->mapToGlobal(QPoint(0, languageLabel_->height())));
}

void ConverterWindow::ChooseLanguage(QAction* item) {
    const int tag = item->property("Tag").toInt();
    if (tag != currentLanguage_ && tag >= 0 && tag <= 255) {
        SwitchLanguage(static_cast<std::uint8_t>(tag));
    }
    // The menu checks an item only through a language switch, not by the click itself.
    checkedLanguageItem_->setChecked(true);
}

} // namespace mensurix
