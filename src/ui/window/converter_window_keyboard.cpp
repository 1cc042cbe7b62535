#include "ui/window/converter_window.h"

#include "ui/widgets/auto_size_label.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>

namespace mensurix {
namespace {

// What a value can begin with: a digit, a sign (U+2212 too), a decimal mark or a parenthesis.
bool BeginsAValue(const QString& text) {
    if (text.size() != 1) {
        return false;
    }
    const QChar first = text.front();
    return first.isDigit() || QStringLiteral("+-.,(\u2212").contains(first);
}

bool IsMenuKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_Menu ||
           (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

void SetUnderlined(QWidget& widget, bool underlined) {
    QFont font = widget.font();
    font.setUnderline(underlined);
    widget.setFont(font);
}

} // namespace

// The keys the window adds to its controls' own: a value typed on a unit list goes to the value
// box, the menu key opens the copy menu on the current cell, and the language link opens its
// menu from the keyboard and shows its focus.
bool ConverterWindow::KeyboardEvent(QObject* watched, QEvent* event) {
    const bool isKey = event->type() == QEvent::KeyPress;
    const auto* key = isKey ? static_cast<const QKeyEvent*>(event) : nullptr;
    if ((watched == sourceUnitList_ || watched == categoryList_) && key != nullptr) {
        return StartValueWith(*key);
    }
    if (watched == resultTable_) {
        if ((key != nullptr && IsMenuKey(*key)) ||
            (event->type() == QEvent::ContextMenu &&
             static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Mouse)) {
            OpenCopyMenuAtCurrentCell();
            return true;
        }
        return false;
    }
    if (watched == languageLabel_) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            SetUnderlined(*languageLabel_, event->type() == QEvent::FocusIn);
            return false;
        }
        if (key != nullptr &&
            (IsMenuKey(*key) || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
             key->key() == Qt::Key_Space || key->key() == Qt::Key_Down)) {
            OpenLanguageMenu();
            return true;
        }
    }
    return false;
}

bool ConverterWindow::StartValueWith(const QKeyEvent& key) {
    if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0 ||
        !BeginsAValue(key.text())) {
        return false;
    }
    valueBox_->setFocus(Qt::ShortcutFocusReason);
    valueBox_->selectAll();
    valueBox_->insert(key.text());
    return true;
}

void ConverterWindow::OpenCopyMenuAtCurrentCell() {
    if (results_.empty()) {
        return;
    }
    const int row = qMax(0, resultTable_->currentRow());
    resultTable_->scrollToItem(resultTable_->item(row, 1));
    const QRect cell = resultTable_->visualItemRect(resultTable_->item(row, 1));
    OpenCopyMenu(row, resultTable_->viewport()->mapToGlobal(cell.center()));
}

} // namespace mensurix
