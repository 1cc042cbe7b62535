#pragma once

#include <QRect>
#include <QSize>

namespace mensurix {

// Where a window of a fixed design may stand when a language file asks for wanted: at least its
// designed size, no larger than the screen's available area beyond that, and wholly inside the
// area (a window larger than the area keeps its left and top edges on it).
QRect UsableWindowGeometry(const QRect& wanted, const QSize& designed, const QRect& available);

} // namespace mensurix
