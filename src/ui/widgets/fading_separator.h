#pragma once

#include <QColor>
#include <QWidget>

namespace mensurix {

// A thin line that fades out towards both ends.
class FadingSeparator : public QWidget {
    Q_OBJECT
public:
    FadingSeparator(QWidget* parent, const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

} // namespace mensurix
