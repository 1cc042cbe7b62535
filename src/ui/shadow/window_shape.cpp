#include "ui/shadow/window_shape.h"

#include <QRect>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace mensurix {
namespace {

// Columns cut from each side of corner row `row` (0 = outermost row) of an ellipse
// width x height: the first column whose pixel centre is inside the ellipse, tested in integers
// scaled by 2 * width * height.
int CornerInset(int row, int width, int height) {
    const std::int64_t w = width;
    const std::int64_t h = height;
    const std::int64_t dy = 2 * row + 1 - h;
    const std::int64_t limit = w * w * h * h - dy * dy * w * w;
    int inset = 0;
    while (inset < width / 2) {
        const std::int64_t dx = 2 * inset + 1 - w;
        if (dx * dx * h * h <= limit) {
            break;
        }
        ++inset;
    }
    return inset;
}

} // namespace

QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    const int width = right - left;
    const int height = bottom - top;
    const int ew = std::min(std::abs(ellipseWidth), width);
    const int eh = std::min(std::abs(ellipseHeight), height);
    if (ew < 2 || eh < 2) {
        return QRegion(left, top, width, height);
    }

    QRegion region;
    const int cornerRows = eh / 2;
    for (int row = 0; row < cornerRows; ++row) {
        const int inset = CornerInset(row, ew, eh);
        const int rowWidth = width - 2 * inset;
        region += QRect(left + inset, top + row, rowWidth, 1);
        region += QRect(left + inset, bottom - 1 - row, rowWidth, 1);
    }
    region += QRect(left, top + cornerRows, width, height - 2 * cornerRows);
    return region;
}

} // namespace mensurix
