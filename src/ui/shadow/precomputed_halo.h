#pragma once

#include "ui/shadow/pixel_rect.h"
#include "ui/shadow/shadow_image.h"

#include <string>
#include <string_view>
#include <vector>

namespace mensurix {

// A halo drawn ahead of time: the grey image that BuildShadowImage leaves for one owner shape
// without a transparency mask, together with the image size and the shape it was drawn for.
// As bytes, every number 32-bit little-endian: the width, the height, the number of shape
// rectangles and each rectangle's left, top, right and bottom; then the grey levels of the
// pixels, rows top first, as runs, each a count of black pixels, a count of pixels that follow
// and those pixels' levels, one byte each. Most of a halo image is black, so it stays small and
// is laid out again with little more than filling memory.
std::string EncodePrecomputedHalo(const ShadowImage& halo, const std::vector<PixelRect>& shape);

// Fills image, already sized, from the precomputed halo when that was drawn for the image's size
// and exactly this shape; otherwise returns false, the image's pixels then undefined.
bool DecodePrecomputedHalo(std::string_view bytes, const std::vector<PixelRect>& shape,
                           ShadowImage& image);

} // namespace mensurix
