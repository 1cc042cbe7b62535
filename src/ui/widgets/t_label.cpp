#include "ui/widgets/t_label.h"

namespace mensurix {

TLabel::TLabel(QWidget* parent, Sizing sizing) : QLabel(parent), sizing_(sizing) {
    setTextFormat(Qt::PlainText);
}

void TLabel::SetCaption(const QString& caption) {
    setText(caption);
    FitWidthToText();
}

void TLabel::FitWidthToText() {
    if (sizing_ != Sizing::AutoWidth) {
        return;
    }
    const int width = qMax(1, fontMetrics().horizontalAdvance(text()) + 2 * margin() + 1);
    const int right = geometry().right();
    setGeometry(alignment() & Qt::AlignRight ? right - width + 1 : x(), y(), width, height());
}

} // namespace mensurix
