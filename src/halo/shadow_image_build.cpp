#include "halo/shadow_image_build.h"

#include "halo/shadow_blur.h"

namespace mensurix {

void BuildShadowImage(ShadowImage& image, const std::vector<PixelRect>& shape,
                      const std::optional<PlacedTransparencyMask>& mask) {
    BlurShadowShape(image, shape, mask);
    CutOwnerArea(image, shape, mask);
}

void BlurShadowShape(ShadowImage& image, const std::vector<PixelRect>& shape,
                     const std::optional<PlacedTransparencyMask>& mask) {
    image.Fill(BlackPixel);
    image.FillRects(shape, WhitePixel);
    if (mask) {
        ApplyTransparencyMask(image, mask->mask, mask->left, mask->top, true);
    }
    BlurImage(image, ShadowBlurPasses);
}

void CutOwnerArea(ShadowImage& image, const std::vector<PixelRect>& shape,
                  const std::optional<PlacedTransparencyMask>& mask) {
    if (mask) {
        ApplyTransparencyMask(image, mask->mask, mask->left, mask->top, false);
    } else {
        image.FillRects(shape, BlackPixel);
    }
}

} // namespace mensurix
