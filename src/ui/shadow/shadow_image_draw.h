#pragma once

#include "halo/shadow_image_build.h"
#include "halo/shadow_opacities.h"

namespace mensurix {

// The opacities of the halo of a shape in a logical image of width x height, in device pixels
// for the ratio (HaloScaleFor): at ratio 1 as BuildShadowImage draws them, taken from the halos
// that the build drew ahead of time when one was drawn for this size and shape and no mask
// applies; at any other ratio as BuildScaledShadowImage draws them. Returns whether a
// precomputed halo was used.
bool DrawShadowOpacities(ShadowOpacities& opacities, int width, int height,
                         const std::vector<PixelRect>& shape,
                         const std::optional<PlacedTransparencyMask>& mask, double ratio = 1.0);

} // namespace mensurix
