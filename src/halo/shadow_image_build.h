#pragma once

#include "halo/pixel_rect.h"
#include "halo/shadow_image.h"
#include "halo/transparency_mask.h"

#include <optional>
#include <vector>

namespace mensurix {

// Margin of the halo image around its owner on every side; the owner's shape lies at
// (ShadowMargin, ShadowMargin) in it.
inline constexpr int ShadowMargin = 16;
inline constexpr int ShadowBlurPasses = 3;

// A transparency mask and where its top-left corner lies in the halo image.
struct PlacedTransparencyMask {
    TransparencyMask mask;
    int left = 0;
    int top = 0;
};

// Draws the grey halo of an owner's shape into an image already sized to the owner plus the
// margins: BlurShadowShape, then CutOwnerArea. The grey level in each colour byte is the coming
// opacity.
void BuildShadowImage(ShadowImage& image, const std::vector<PixelRect>& shape,
                      const std::optional<PlacedTransparencyMask>& mask);

// The shape (in image coordinates) white on black, the mask's see-through pixels left black,
// blurred: the halo with the owner's own area still lit.
void BlurShadowShape(ShadowImage& image, const std::vector<PixelRect>& shape,
                     const std::optional<PlacedTransparencyMask>& mask);

// The owner's own area black again, so that the halo lies only outside what the owner shows.
void CutOwnerArea(ShadowImage& image, const std::vector<PixelRect>& shape,
                  const std::optional<PlacedTransparencyMask>& mask);

} // namespace mensurix
