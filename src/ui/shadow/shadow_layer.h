#pragma once

#include "ui/shadow/shadow_color.h"
#include "ui/shadow/shadow_image.h"

namespace mensurix {

// Turns the image into the layer's premultiplied pixels: with computeAlpha each pixel's opacity
// becomes its blue byte (the blurred grey level), otherwise the opacities stay; then the colour
// bytes become the colour premultiplied by that opacity.
void UpdateLayerPixels(ShadowImage& image, ShadowColorRgb color, bool computeAlpha);

} // namespace mensurix
