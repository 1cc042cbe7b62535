#pragma once

#include <QColor>
#include <QWidget>

namespace mensurix {

// A thin line that fades out towards both ends.
class TSeparator : public QWidget {
    Q_OBJECT
public:
    TSeparator(QWidget* parent, const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

} // namespace mensurix
