#include "main_window_halo.h"

#include "halo/shadow_color.h"
#include "halo/shadow_image_build.h"
#include "halo/shadow_layer.h"
#include "ui/shadow/owner_shadow_shape.h"
#include "ui/shadow/window_shape.h"

#include <algorithm>

namespace mensurix::test {

ShadowImage MainWindowHalo(std::uint32_t colorRef) {
    ShadowImage image;
    image.Resize(OwnerWidth + 2 * ShadowMargin, OwnerHeight + 2 * ShadowMargin);
    BuildShadowImage(image,
                     ShapeRectsOfRegion(RoundRectRegion(1, 1, OwnerWidth, OwnerHeight, 9, 9),
                                        QPoint(ShadowMargin, ShadowMargin)),
                     std::nullopt);
    ShadowOpacities opacities;
    opacities.TakeGreyLevels(image);
    ForEachLayerRow(opacities, RgbFromColorRef(colorRef), [&](int y, const std::uint32_t* pixels) {
        std::copy(pixels, pixels + image.Width(), image.Row(y));
    });
    return image;
}

} // namespace mensurix::test
