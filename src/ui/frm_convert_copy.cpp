#include "ui/frm_convert.h"

#include "decimal/decimal_round.h"
#include "localisation/replace_all.h"
#include "ui/exact_value_tip.h"
#include "ui/t_input_length_limit.h"
#include "ui/text_bytes.h"

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

QString AsciiText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

// Every copy is plain text and whole, however long. An empty text leaves the clipboard as it
// was, as a copy from an empty selection does. The hidden edit box is not the way any more: it
// would cut a text beyond its length limit and spends a second laying out a megabyte.
void TFrmConvert::CopyToClipboard(const QString& text) const {
    if (!text.isEmpty()) {
        QApplication::clipboard()->setText(text);
    }
}

void TFrmConvert::PM_CopyClick() {
    CopyToClipboard(CellText(popupCellCol_, popupCellRow_));
}

void TFrmConvert::PM_CopyExactClick() {
    const auto row = static_cast<std::size_t>(popupCellRow_);
    if (row < resultTexts_.size()) {
        CopyToClipboard(AsciiText(DecimalExact(resultTexts_[row], false)));
    }
}

void TFrmConvert::PM_CopyPlainClick() {
    const auto row = static_cast<std::size_t>(popupCellRow_);
    if (row < resultTexts_.size()) {
        CopyToClipboard(AsciiText(DecimalRound(resultTexts_[row], SpinEditDec->value(), false)));
    }
}

void TFrmConvert::PM_CopyTableClick() {
    const int category = ComboBoxUnits->currentIndex();
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

// A result shown with fewer digits than it has shows them all on hovering.
bool TFrmConvert::ShowExactValueTip(const QHelpEvent* event) {
    const int row = StringGridUnit->rowAt(event->pos().y());
    const int column = StringGridUnit->columnAt(event->pos().x());
    if (column != 1 || row < 0 || static_cast<std::size_t>(row) >= resultTexts_.size() ||
        !RoundingDropsDigits(resultTexts_[static_cast<std::size_t>(row)], SpinEditDec->value())) {
        QToolTip::hideText();
        return true;
    }
    const std::string exact = DecimalExact(resultTexts_[static_cast<std::size_t>(row)], false);
    QToolTip::showText(event->globalPos(),
                       QString::fromUtf8(ExactValueTip(exact, TipLineWidth, TipLines)),
                       StringGridUnit->viewport(),
                       StringGridUnit->visualItemRect(StringGridUnit->item(row, column)));
    return true;
}

// The value box refused an insertion that would pass its length limit: say so where the user
// looks, rather than leave a paste that seemingly did nothing.
void TFrmConvert::EditValueInputRejected() {
    const std::string limit = std::to_string(TInputLengthLimit::LimitOf(EditValue));
    const QString message = TextFromBytes(ReplaceAll(valueTooLongText_, "%1", limit));
    QToolTip::showText(EditValue->mapToGlobal(QPoint(0, EditValue->height())), message, EditValue);
}

} // namespace mensurix
