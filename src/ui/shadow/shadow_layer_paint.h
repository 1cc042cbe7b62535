#pragma once

#include "halo/shadow_color.h"
#include "halo/shadow_opacities.h"

#include <QtGlobal>

class QPainter;

namespace mensurix {

// Paints the halo in its colour at the painter's origin, one row at a time, replacing every
// pixel it covers: the layer's pixels are made as they are painted, so no image of the whole
// halo is kept beside the window's own. The opacities are in device pixels for the ratio, so
// that on a painter of that ratio each lands on one pixel of the window.
void PaintShadowLayer(QPainter& painter, const ShadowOpacities& opacities, ShadowColorRgb color,
                      qreal ratio);

} // namespace mensurix
