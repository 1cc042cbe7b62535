#include "ui/window/converter_window.h"

#include "localisation/replace_all.h"
#include "ui/plain_tip.h"
#include "ui/text_bytes.h"
#include "ui/widgets/input_length_limit.h"
#include "ui/window/exact_value_tip.h"
#include "ui/window/result_text.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolTip>

namespace mensurix {
namespace {

constexpr std::size_t TipLineWidth = 64;
constexpr std::size_t TipLines = 6;

} // namespace

// Every copy is plain text and whole, however long. An empty text leaves the clipboard as it
// was, as a copy from an empty selection does. The hidden edit box is not the way any more: it
// would cut a text beyond its length limit and spends a second laying out a megabyte.
void ConverterWindow::CopyToClipboard(const QString& text) const {
    if (!text.isEmpty()) {
        QApplication::clipboard()->setText(text);
    }
}

void ConverterWindow::CopyShownValue() {
    CopyToClipboard(CellText(popupCellCol_, popupCellRow_));
}

void ConverterWindow::CopyExactValue() {
    const auto row = static_cast<std::size_t>(popupCellRow_);
    if (row < results_.size()) {
        CopyToClipboard(ResultWholeText(results_[row]));
    }
}

void ConverterWindow::CopyWithoutSeparators() {
    const auto row = static_cast<std::size_t>(popupCellRow_);
    if (row < results_.size()) {
        CopyToClipboard(ResultNumberText(results_[row], digitsBox_->value(), false));
    }
}

void ConverterWindow::CopyTable() {
    const int category = categoryList_->currentIndex();
    if (category < 0 || static_cast<std::size_t>(category) >= unitNames_.size()) {
        return;
    }
    QString table;
    const auto rows = unitNames_[static_cast<std::size_t>(category)].size();
    for (int row = 0; row < rows; ++row) {
        table += CellText(0, row) + QLatin1Char('\t') + CellText(1, row) + QLatin1Char('\n');
    }
    CopyToClipboard(table);
}

// Whether the result column is too narrow for the cell's text, which then ends in an ellipsis.
bool ConverterWindow::CellIsCut(int row) const {
    constexpr int TextMargins = 8;
    return resultTable_->fontMetrics().horizontalAdvance(CellText(1, row)) >
           resultTable_->columnWidth(1) - TextMargins;
}

// A result shown with fewer digits than it has, or cut by its column, shows them all on hovering;
// an approximate one says so, and a cell without a value says why.
bool ConverterWindow::ShowExactValueTip(const QHelpEvent* event) {
    const int row = resultTable_->rowAt(event->pos().y());
    const int column = resultTable_->columnAt(event->pos().x());
    if (column != 1 || row < 0 || static_cast<std::size_t>(row) >= results_.size()) {
        QToolTip::hideText();
        return true;
    }
    const ConvertedValue& value = results_[static_cast<std::size_t>(row)];
    std::string tip;
    if (value.Missing == MissingValue::ReciprocalOfZero) {
        tip = messages_.NoValueAtZero;
    } else if (ShownValueDropsDigits(value, digitsBox_->value()) || CellIsCut(row)) {
        tip = ExactValueTip(ResultWholeText(value).toStdString(), TipLineWidth, TipLines);
        if (IsApproximate(value)) {
            tip += "\n" + messages_.Approximate;
        }
    } else if (IsApproximate(value)) {
        tip = messages_.Approximate;
    }
    if (tip.empty()) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(event->globalPos(), PlainTip(TextFromBytes(tip)), resultTable_->viewport(),
                       resultTable_->visualItemRect(resultTable_->item(row, column)));
    return true;
}

// The value box refused an insertion that would pass its length limit: say so where the user
// looks, rather than leave a paste that seemingly did nothing.
void ConverterWindow::ExplainRejectedInput() {
    const std::string limit = std::to_string(InputLengthLimit::LimitOf(valueBox_));
    const QString message =
        PlainTip(TextFromBytes(ReplaceAll(messages_.ValueTooLong, "%1", limit)));
    QToolTip::showText(valueBox_->mapToGlobal(QPoint(0, valueBox_->height())), message, valueBox_);
}

} // namespace mensurix
