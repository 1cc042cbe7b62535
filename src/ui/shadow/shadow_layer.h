#pragma once

#include "ui/shadow/shadow_color.h"
#include "ui/shadow/shadow_image.h"

#include <array>
#include <cstdint>

namespace mensurix {

// The layer's premultiplied pixel for each opacity: the colour premultiplied by the opacity, the
// opacity in the alpha byte.
using LayerPixelTable = std::array<std::uint32_t, 256>;
LayerPixelTable LayerPixels(ShadowColorRgb color);

// Turns the image into the layer's premultiplied pixels: with computeAlpha each pixel's opacity
// becomes its blue byte (the blurred grey level), otherwise the opacities stay; then the colour
// bytes become the colour premultiplied by that opacity.
void UpdateLayerPixels(ShadowImage& image, ShadowColorRgb color, bool computeAlpha);

} // namespace mensurix
