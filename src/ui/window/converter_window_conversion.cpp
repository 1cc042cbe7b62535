#include "ui/window/converter_window.h"

#include "catalogue/catalogue_reader.h"
#include "catalogue/category_conversion.h"
#include "catalogue/unit_lookup.h"
#include "input/typed_quantity.h"
#include "localisation/refusal_message.h"
#include "localisation/replace_all.h"
#include "ui/text_bytes.h"
#include "ui/widgets/auto_size_label.h"
#include "ui/window/result_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

#include <algorithm>

namespace mensurix {
void ConverterWindow::LoadCatalogue(const std::string& fileName) {
    ClearCatalogue(unitCatalogue_);
    unitNames_.clear();
    categoryList_->clear();
    unitCatalogue_ = ReadCatalogueFile(fileName);
    // Names are turned into display text once here, not at every recalculation.
    unitNames_.reserve(unitCatalogue_.size());
    QStringList categories;
    for (const auto& category : unitCatalogue_) {
        QStringList names;
        names.reserve(static_cast<qsizetype>(category.Units.size()));
        for (const auto& unit : category.Units) {
            names.append(TextFromBytes(unit.Name));
        }
        unitNames_.push_back(std::move(names));
        categories.append(TextFromBytes(category.Name));
    }
    categoryList_->addItems(categories);
    categoryList_->setCurrentIndex(-1);
}

QString ConverterWindow::CellText(int column, int row) const {
    const QTableWidgetItem* item = resultTable_->item(row, column);
    return item == nullptr ? QString() : item->text();
}

void ConverterWindow::SetCellText(int column, int row, const QString& text) {
    QTableWidgetItem* item = resultTable_->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem();
        if (column == 0) {
            // The unit names, shown by the grid's fixed column; never selected.
            item->setFlags(Qt::ItemIsEnabled);
        } else {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        resultTable_->setItem(row, column, item);
    }
    item->setText(text);
    if (column == 1) {
        // Read out with its unit, as "Foot, 5.25".
        const QString unit = CellText(0, row);
        item->setData(Qt::AccessibleTextRole,
                      text.isEmpty() ? unit : unit + QStringLiteral(", ") + text);
    }
}

void ConverterWindow::WriteUnitName(int row) {
    const QString& name = unitNames_[static_cast<std::size_t>(categoryList_->currentIndex())][row];
    if (CellText(0, row) != name) {
        SetCellText(0, row, name);
    }
}

void ConverterWindow::ShowStatus(const QString& message) {
    statusLabel_->SetCaption(message);
    statusLabel_->setVisible(!message.isEmpty());
    copyrightLabel_->setVisible(message.isEmpty());
}

void ConverterWindow::WriteResults(int fractionDigits) {
    const bool group = separatorsBox_->isChecked();
    for (std::size_t row = 0; row < results_.size(); ++row) {
        SetCellText(1, static_cast<int>(row), ResultCellText(results_[row], fractionDigits, group));
    }
}

void ConverterWindow::RecalculateTable(int fractionDigits) {
    const int categoryIndex = categoryList_->currentIndex();
    if (categoryIndex < 0 || static_cast<std::size_t>(categoryIndex) >= unitCatalogue_.size()) {
        return;
    }
    const UnitCategory& category = unitCatalogue_[static_cast<std::size_t>(categoryIndex)];
    const int rows = static_cast<int>(category.Units.size());
    const int sourceIndex = sourceUnitList_->currentIndex();
    const std::string typed = BytesFromText(valueBox_->text());
    CategoryResults results;
    QString status;
    // A source list replaced by a language file may hold more items than the category has units.
    if (sourceIndex >= 0 && sourceIndex < rows) {
        const auto source = static_cast<std::size_t>(sourceIndex);
        const NumberReading reading = ReadTypedQuantity(
            category, source, typed, {.DecimalComma = messages_.DecimalMark == ","});
        if (reading.Refusal) {
            status = TextFromBytes(RefusalMessage(*reading.Refusal, messages_.Refusals));
        } else {
            results = ConvertAcrossCategory(category, source, reading.Value);
        }
    }
    if (results.Refusal == ConversionRefusal::BelowAbsoluteZero) {
        const auto absolute = std::find_if(category.Units.begin(), category.Units.end(),
                                           [](const UnitEntry& u) { return u.Scale.Absolute; });
        status = TextFromBytes(
            ReplaceAll(messages_.BelowAbsoluteZero, "%1", std::string(UnitSymbol(absolute->Name))));
    }
    ShowStatus(status);
    results_ = std::move(results.Values);
    for (int row = 0; row < rows; ++row) {
        WriteUnitName(row);
        if (results_.empty()) {
            SetCellText(1, row, QString());
        }
    }
    WriteResults(fractionDigits);
}

void ConverterWindow::ShowCategoryCaption() {
    const int index = categoryList_->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= unitCatalogue_.size()) {
        categoryHeading_->SetCaption("    ");
        return;
    }
    // The shown text, so that a translated category list shows the translated name.
    categoryHeading_->SetCaption(" " + categoryList_->currentText() + "    ");
}

void ConverterWindow::CategoryChanged() {
    sourceUnitList_->setCurrentIndex(-1);
    sourceUnitList_->clear();
    ShowCategoryCaption();
    const int index = categoryList_->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= unitCatalogue_.size()) {
        return;
    }
    const UnitCategory& category = unitCatalogue_[static_cast<std::size_t>(index)];
    const QStringList& names = unitNames_[static_cast<std::size_t>(index)];
    const int rows = static_cast<int>(category.Units.size());
    resultTable_->setRowCount(1);
    resultTable_->setRowCount(qMax(1, rows));
    if (rows == 0) {
        // The grid keeps one row; an empty category shows it empty rather than stale.
        SetCellText(0, 0, QString());
        SetCellText(1, 0, QString());
    }
    int defaultRow = -1;
    sourceUnitList_->addItems(names);
    // The rows are named by their units for screen readers; a new category starts at the top.
    resultTable_->setVerticalHeaderLabels(names);
    resultTable_->scrollToTop();
    for (int row = 0; row < rows; ++row) {
        SetCellText(0, row, names[row]);
        if (defaultRow == -1 && category.Units[static_cast<std::size_t>(row)].IsDefault) {
            defaultRow = row;
        }
    }
    sourceUnitList_->setCurrentIndex(defaultRow);
    RecalculateTable(digitsBox_->value());
}

void ConverterWindow::SourceUnitChanged() {
    RecalculateTable(digitsBox_->value());
}

void ConverterWindow::ValueChanged() {
    RecalculateTable(digitsBox_->value());
}

void ConverterWindow::FormatChanged() {
    WriteResults(digitsBox_->value());
}

} // namespace mensurix
