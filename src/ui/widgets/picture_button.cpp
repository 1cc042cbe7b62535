#include "ui/widgets/picture_button.h"

#include "ui/load_picture.h"

#include <QPainter>

namespace mensurix {

PictureButton::PictureButton(QWidget* parent, const QString& normalImage, const QString& hoverImage)
    : QAbstractButton(parent), normal_(LoadPicture(normalImage, "png")),
      hover_(LoadPicture(hoverImage, "png")) {
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, underMouse_ || isDown() ? hover_ : normal_);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::HighlightedText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void PictureButton::enterEvent(QEnterEvent* event) {
    underMouse_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    underMouse_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace mensurix
