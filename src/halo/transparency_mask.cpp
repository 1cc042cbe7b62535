#include "halo/transparency_mask.h"

#include <algorithm>

namespace mensurix {

void ApplyTransparencyMask(ShadowImage& image, const TransparencyMask& mask, int left, int top,
                           bool opaque) {
    const int firstY = std::max(top, 0);
    const int endY = std::min(top + mask.Height(), image.Height());
    const int firstX = std::max(left, 0);
    const int endX = std::min(left + mask.Width(), image.Width());
    for (int y = firstY; y < endY; ++y) {
        std::uint32_t* row = image.Row(y);
        for (int x = firstX; x < endX; ++x) {
            const bool seeThrough = mask.IsSeeThrough(x - left, y - top);
            if (opaque) {
                row[x] = seeThrough ? BlackPixel : WhitePixel;
            } else if (!seeThrough) {
                row[x] = BlackPixel;
            } else {
                row[x] &= WhitePixel;
            }
        }
    }
}

} // namespace mensurix
