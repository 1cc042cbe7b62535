#include "ui/window/converter_window.h"

#include "ui/text_bytes.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTableWidget>

namespace mensurix {

// The units' names in the interface language, made once per language: the table, the source
// list, the search and the copies all show them.
void ConverterWindow::ShowUnitNames(const UnitNames& names) {
    unitNames_.clear();
    unitNames_.reserve(unitCatalogue_.size());
    for (const auto& category : unitCatalogue_) {
        QStringList shown;
        shown.reserve(static_cast<qsizetype>(category.Units.size()));
        for (const auto& unit : category.Units) {
            shown.append(TextFromBytes(names.NameOf(category.Name, unit.Name)));
        }
        unitNames_.push_back(std::move(shown));
    }
    FillUnitSearch();
    const int index = categoryList_->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= unitNames_.size()) {
        return;
    }
    const QStringList& shown = unitNames_[static_cast<std::size_t>(index)];
    for (int item = 0; item < sourceUnitList_->count() && item < shown.size(); ++item) {
        sourceUnitList_->setItemText(item, shown[item]);
    }
    resultTable_->setVerticalHeaderLabels(shown);
    RecalculateTable(digitsBox_->value());
}

} // namespace mensurix
