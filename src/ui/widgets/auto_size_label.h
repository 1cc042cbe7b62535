#pragma once

#include <QLabel>

namespace mensurix {

// A transparent label. An auto-sized label fits its width to its text, keeping its left edge or,
// when right-aligned, its right edge in place, so that a longer translation grows away from the
// control it labels.
class AutoSizeLabel : public QLabel {
    Q_OBJECT
public:
    enum class Sizing { Fixed, AutoWidth };

    AutoSizeLabel(QWidget* parent, Sizing sizing);

    void SetCaption(const QString& caption);

private:
    void FitWidthToText();

    Sizing sizing_;
};

} // namespace mensurix
