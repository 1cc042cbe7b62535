#include "ui/window/converter_window.h"

#include "ui/text_bytes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QStandardItemModel>

#include <algorithm>

namespace mensurix {
namespace {

constexpr int CategoryRole = Qt::UserRole;
constexpr int UnitRole = Qt::UserRole + 1;
// What a search matches: the shown names and the English ones of the catalogue.
constexpr int SearchTextRole = Qt::UserRole + 2;

} // namespace

// One entry per unit of every category, as shown: the unit's name (which carries its symbol)
// and its category's name, so that typing either finds it, in the interface language or in the
// catalogue's English. Made once per catalogue and language, never per keystroke.
void ConverterWindow::FillUnitSearch() {
    unitSearchModel_->clear();
    unitSearch_->setCompletionRole(SearchTextRole);
    const std::size_t categories = std::min(unitNames_.size(), unitCatalogue_.size());
    for (std::size_t category = 0; category < categories; ++category) {
        const QString categoryName = categoryList_->itemText(static_cast<int>(category));
        const QString englishCategory = TextFromBytes(unitCatalogue_[category].Name);
        const QStringList& names = unitNames_[category];
        for (qsizetype unit = 0; unit < names.size(); ++unit) {
            const QString shown = names[unit] + QStringLiteral(" \u2013 ") + categoryName;
            auto* item = new QStandardItem(shown);
            item->setData(
                shown + u' ' +
                    TextFromBytes(
                        unitCatalogue_[category].Units[static_cast<std::size_t>(unit)].Name) +
                    u' ' + englishCategory,
                SearchTextRole);
            item->setData(static_cast<int>(category), CategoryRole);
            item->setData(static_cast<int>(unit), UnitRole);
            unitSearchModel_->appendRow(item);
        }
    }
}

void ConverterWindow::SelectFoundUnit(const QModelIndex& found) {
    const int category = found.data(CategoryRole).toInt();
    const int unit = found.data(UnitRole).toInt();
    if (category < 0 || category >= categoryList_->count()) {
        return;
    }
    if (category != categoryList_->currentIndex()) {
        categoryList_->setCurrentIndex(category);
        settingsKnown_.Class = true;
        CategoryChanged();
    }
    if (unit < sourceUnitList_->count()) {
        sourceUnitList_->setCurrentIndex(unit);
        SourceUnitChanged();
    }
    // Clearing the box from within the completer's own signal would be undone by it.
    QMetaObject::invokeMethod(searchBox_, &QLineEdit::clear, Qt::QueuedConnection);
    valueBox_->setFocus(Qt::OtherFocusReason);
    valueBox_->selectAll();
}

// Enter without a chosen entry takes the first match, so "psi" and Enter is enough.
void ConverterWindow::SelectFirstFoundUnit() {
    if (searchBox_->text().trimmed().isEmpty()) {
        return;
    }
    unitSearch_->setCompletionPrefix(searchBox_->text());
    const QModelIndex chosen = unitSearch_->popup()->currentIndex();
    if (chosen.isValid()) {
        SelectFoundUnit(chosen);
    } else if (unitSearch_->setCurrentRow(0)) {
        SelectFoundUnit(unitSearch_->currentIndex());
    }
    unitSearch_->popup()->hide();
}

} // namespace mensurix
