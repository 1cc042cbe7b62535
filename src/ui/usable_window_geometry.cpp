#include "ui/usable_window_geometry.h"

#include <QtGlobal>

namespace mensurix {
namespace {

int Extent(int wanted, int designed, int available) {
    return qMax(designed, qMin(wanted, available));
}

int Place(int wanted, int extent, int first, int available) {
    return qBound(first, wanted, qMax(first, first + available - extent));
}

} // namespace

QRect UsableWindowGeometry(const QRect& wanted, const QSize& designed, const QRect& available) {
    const int width = Extent(wanted.width(), designed.width(), available.width());
    const int height = Extent(wanted.height(), designed.height(), available.height());
    return {Place(wanted.x(), width, available.x(), available.width()),
            Place(wanted.y(), height, available.y(), available.height()), width, height};
}

} // namespace mensurix
