#pragma once

#include "ui/shadow/shadow_image_build.h"

namespace mensurix {

// The grey halo of a shape, as BuildShadowImage draws it: taken from the halos the build drew
// ahead of time when one was drawn for this image size and shape and no mask applies, drawn
// otherwise. Returns whether a precomputed halo was used.
bool DrawShadowImage(ShadowImage& image, const std::vector<PixelRect>& shape,
                     const std::optional<PlacedTransparencyMask>& mask);

} // namespace mensurix
