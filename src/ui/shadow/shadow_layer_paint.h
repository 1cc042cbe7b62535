#pragma once

#include "ui/shadow/shadow_color.h"
#include "ui/shadow/shadow_opacities.h"

class QPainter;

namespace mensurix {

// Paints the halo in its colour at the painter's origin, one row at a time, replacing every
// pixel it covers: the layer's pixels are made as they are painted, so no image of the whole
// halo is kept beside the window's own.
void PaintShadowLayer(QPainter& painter, const ShadowOpacities& opacities, ShadowColorRgb color);

} // namespace mensurix
