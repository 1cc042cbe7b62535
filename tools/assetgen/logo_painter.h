#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

class QPainter;

namespace mensurix {

// The program's logo: two white arrows chasing each other around a circle on a blue disc.
void paintLogo(QPainter& painter, QPointF centre, double diameter);

// The logo's two arrows alone, in one colour, without the disc.
void paintLogoArrows(QPainter& painter, QPointF centre, double diameter, const QColor& colour);

// The logo alone as a square program icon, transparent outside the disc.
QImage paintIcon(int size);

} // namespace mensurix
