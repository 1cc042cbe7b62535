#pragma once

#include "halo/pixel_rect.h"
#include "halo/shadow_image.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mensurix {

// A halo drawn ahead of time: the opacities that BuildShadowImage leaves for one owner shape
// without a transparency mask, with the image size and the shape they were drawn for. As bytes,
// every number 32-bit little-endian: the width, the height, the number of shape rectangles and
// each rectangle's left, top, right and bottom; then the opacities as ShadowOpacities runs.
std::string EncodePrecomputedHalo(const ShadowImage& halo, const std::vector<PixelRect>& shape);

// The opacity runs of the precomputed halo when it was drawn for this image size and exactly
// this shape.
std::optional<std::string_view> PrecomputedHaloRuns(std::string_view bytes, int width, int height,
                                                    const std::vector<PixelRect>& shape);

} // namespace mensurix
