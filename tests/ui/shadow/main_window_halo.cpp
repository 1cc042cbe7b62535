#include "main_window_halo.h"

#include "halo/shadow_color.h"
#include "halo/shadow_image_build.h"
#include "halo/shadow_layer.h"
#include "ui/shadow/owner_shadow_shape.h"
#include "ui/shadow/window_shape.h"

namespace mensurix::test {

ShadowImage MainWindowHalo() {
    ShadowImage image;
    image.Resize(OwnerWidth + 2 * ShadowMargin, OwnerHeight + 2 * ShadowMargin);
    BuildShadowImage(image,
                     ShapeRectsOfRegion(RoundRectRegion(1, 1, OwnerWidth, OwnerHeight, 9, 9),
                                        QPoint(ShadowMargin, ShadowMargin)),
                     std::nullopt);
    UpdateLayerPixels(image, RgbFromColorRef(MainWindowShadowColor), true);
    return image;
}

} // namespace mensurix::test
