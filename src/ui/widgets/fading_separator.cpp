#include "ui/widgets/fading_separator.h"

#include <QLinearGradient>
#include <QPainter>

namespace mensurix {

FadingSeparator::FadingSeparator(QWidget* parent, const QColor& color)
    : QWidget(parent), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FadingSeparator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), 0);
    QColor faded = color_;
    faded.setAlpha(0);
    gradient.setColorAt(0.0, faded);
    gradient.setColorAt(0.15, color_);
    gradient.setColorAt(0.85, color_);
    gradient.setColorAt(1.0, faded);
    painter.fillRect(rect(), gradient);
}

} // namespace mensurix
