#pragma once

#include "halo/shadow_image.h"

namespace mensurix {

// One box-corner pass at the given distance, in place: each colour byte of pixel (x, y) becomes
// the rounded-down mean of the same byte of the pixels (x -/+ d, y -/+ d), coordinates clamped
// to the image. Rows are replaced top to bottom and pixels left to right, each new value written
// at once, so a pixel reads rows above it that this pass has already replaced; the halo therefore
// reaches further down than up. Alpha bytes are kept.
void BlurPass(ShadowImage& image, int distance);

// BlurPass at distances 1, 2, ..., passes, in this order.
void BlurImage(ShadowImage& image, int passes);

} // namespace mensurix
