#pragma once

#include "halo/pixel_rect.h"

#include <QPoint>
#include <QRegion>

#include <vector>

class QWidget;

namespace mensurix {

// The rectangles of a region, moved by offset.
std::vector<PixelRect> ShapeRectsOfRegion(const QRegion& region, QPoint offset);

// The area an owner window covers, in the coordinates of its halo image (the owner's outer
// top-left corner at (ShadowMargin, ShadowMargin)): its mask when the mask is more than one
// rectangle, otherwise its outer rectangle, widened by a third of the frame's border widths when
// the window system draws a frame around it.
std::vector<PixelRect> OwnerShadowShape(const QWidget& owner);

} // namespace mensurix
