#pragma once

#include <QPointF>

class QPainter;

namespace mensurix {

// A small shaded globe with meridians and parallels, the sign of the homepage link.
void paintGlobe(QPainter& painter, QPointF centre, double diameter);

} // namespace mensurix
