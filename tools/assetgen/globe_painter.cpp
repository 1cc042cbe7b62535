#include "globe_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace mensurix {

void paintGlobe(QPainter& painter, QPointF centre, double diameter) {
    const double radius = diameter / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient sphere(centre, radius, centre - QPointF(radius * 0.35, radius * 0.4));
    sphere.setColorAt(0, QColor(196, 234, 255));
    sphere.setColorAt(0.55, QColor(74, 158, 224));
    sphere.setColorAt(1, QColor(24, 92, 168));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sphere);
    painter.drawEllipse(centre, radius, radius);

    QPainterPath ball;
    ball.addEllipse(centre, radius, radius);
    painter.setClipPath(ball);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 0.75));
    painter.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
    painter.drawLine(centre - QPointF(0, radius), centre + QPointF(0, radius));
    for (const double latitude : {-0.5, 0.5}) {
        const double y = centre.y() + latitude * radius;
        painter.drawLine(QPointF(centre.x() - radius, y), QPointF(centre.x() + radius, y));
    }
    painter.drawEllipse(centre, radius * 0.5, radius);
    painter.setClipping(false);

    painter.setPen(QPen(QColor(214, 236, 255, 200), 0.8));
    painter.drawEllipse(centre, radius - 0.4, radius - 0.4);
    painter.restore();
}

} // namespace mensurix
