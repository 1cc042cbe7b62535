#include "logo_painter.h"

#include "paint_colour.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mensurix {
namespace {

QPointF polar(QPointF centre, double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(radians), radius * std::sin(radians));
}

void appendArc(QPolygonF& outline, QPointF centre, double radius, double from, double to) {
    const int steps = std::max(2, static_cast<int>(std::abs(to - from) / 3.0));
    for (int step = 0; step <= steps; ++step)
        outline << polar(centre, radius, from + (to - from) * step / steps);
}

// Proportions relative to the disc's radius. Below 30 pixels the arrows get thicker shafts and
// larger heads, so that they still read as arrows once rasterised at 16 pixels.
struct ArrowShape {
    double ring;
    double shaft;
    double headShare;
    double headWidth;
    double notchShare;
};

ArrowShape arrowShape(double diameter) {
    if (diameter < 30)
        return {0.56, 0.27, 0.36, 1.3, 0.0};
    return {0.56, 0.2, 0.28, 1.1, 0.35};
}

// One arrow running clockwise from `start` over `span` degrees of the ring, its head
// included, as a single outline so that antialiasing leaves no seam between shaft and head.
QPolygonF arrowOutline(QPointF centre, double radius, const ArrowShape& shape, double start,
                       double span) {
    const double ring = radius * shape.ring;
    const double shaft = radius * shape.shaft;
    const double head = span * shape.headShare;
    const double shaftEnd = start + span - head;
    QPolygonF outline;
    appendArc(outline, centre, ring + shaft / 2, start, shaftEnd);
    outline << polar(centre, ring + shaft * shape.headWidth, shaftEnd);
    outline << polar(centre, ring, start + span);
    outline << polar(centre, ring - shaft * shape.headWidth, shaftEnd);
    appendArc(outline, centre, ring - shaft / 2, shaftEnd, start);
    if (shape.notchShare > 0)
        outline << polar(centre, ring, start + head * shape.notchShare);
    return outline;
}

// The arrows, each over a shadow shifted a little downwards unless the shadow is transparent.
void paintArrows(QPainter& painter, QPointF centre, double diameter, const QColor& colour,
                 const QColor& shadow) {
    const ArrowShape shape = arrowShape(diameter);
    const double radius = diameter / 2;
    const double lift = std::max(0.5, diameter / 48);
    painter.setPen(Qt::NoPen);
    for (const double start : {-70.0, 110.0}) {
        const QPolygonF arrow = arrowOutline(centre, radius, shape, start, 164);
        if (shadow.alpha() > 0) {
            painter.setBrush(shadow);
            painter.drawPolygon(arrow.translated(0, lift));
        }
        painter.setBrush(colour);
        painter.drawPolygon(arrow);
    }
}

} // namespace

void paintLogo(QPainter& painter, QPointF centre, double diameter) {
    using namespace asset_palette;
    const double radius = diameter / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient disc(centre.x(), centre.y() - radius, centre.x(), centre.y() + radius);
    disc.setColorAt(0, toColour(LogoDiscLight));
    disc.setColorAt(1, toColour(LogoDiscDark));
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(centre, radius, radius);

    QRadialGradient gloss(centre - QPointF(0, radius * 0.55), radius * 0.9);
    gloss.setColorAt(0, QColor(255, 255, 255, 70));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(gloss);
    painter.drawEllipse(centre, radius, radius);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 90), std::max(0.8, diameter / 40)));
    const double rim = radius - painter.pen().widthF() / 2;
    painter.drawEllipse(centre, rim, rim);

    paintArrows(painter, centre, diameter, Qt::white, QColor(8, 24, 48, 90));
    painter.restore();
}

void paintLogoArrows(QPainter& painter, QPointF centre, double diameter, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintArrows(painter, centre, diameter, colour, Qt::transparent);
    painter.restore();
}

QImage paintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintLogo(painter, QPointF(size / 2.0, size / 2.0), size - size / 16.0);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace mensurix
