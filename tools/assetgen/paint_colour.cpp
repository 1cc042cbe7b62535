#include "paint_colour.h"

#include <cmath>

namespace mensurix {

QColor toColour(AssetRgb rgb, int alpha) {
    return QColor(rgb.red, rgb.green, rgb.blue, alpha);
}

QColor towardsWhite(AssetRgb rgb, double fraction) {
    const auto lift = [fraction](int channel) {
        return static_cast<int>(std::lround(channel + (255 - channel) * fraction));
    };
    return QColor(lift(rgb.red), lift(rgb.green), lift(rgb.blue));
}

QColor mix(const QColor& from, const QColor& to, double fraction) {
    const auto blend = [fraction](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * fraction));
    };
    return QColor(blend(from.red(), to.red()), blend(from.green(), to.green()),
                  blend(from.blue(), to.blue()));
}

} // namespace mensurix
