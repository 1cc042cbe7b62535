#include "ui/widgets/auto_size_label.h"

namespace mensurix {

AutoSizeLabel::AutoSizeLabel(QWidget* parent, Sizing sizing) : QLabel(parent), sizing_(sizing) {
    setTextFormat(Qt::PlainText);
}

void AutoSizeLabel::SetCaption(const QString& caption) {
    setText(caption);
    FitWidthToText();
}

void AutoSizeLabel::FitWidthToText() {
    if (sizing_ != Sizing::AutoWidth) {
        return;
    }
    const int width = qMax(1, fontMetrics().horizontalAdvance(text()) + 2 * margin() + 1);
    const int right = geometry().right();
    setGeometry(alignment() & Qt::AlignRight ? right - width + 1 : x(), y(), width, height());
}

} // namespace mensurix
