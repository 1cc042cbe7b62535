#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace mensurix {

// A picture button of the caption strip: its normal image, a brighter one under the mouse.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const QString& normalImage, const QString& hoverImage);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap normal_;
    QPixmap hover_;
    bool underMouse_ = false;
};

} // namespace mensurix
