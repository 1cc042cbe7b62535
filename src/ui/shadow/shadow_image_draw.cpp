#include "ui/shadow/shadow_image_draw.h"

#include "halo/precomputed_halo.h"
#include "halo/shadow_image_scale.h"

#include <QResource>

namespace mensurix {
namespace {

// Embedded by the program's build (the mensurix_precomputed_halos library) and stored
// uncompressed, so that the opacities are read where the resource lies; without it every halo
// is drawn.
bool RecallPrecomputedHalo(ShadowOpacities& opacities, int width, int height,
                           const std::vector<PixelRect>& shape) {
    static const QResource resource(QStringLiteral(":/halos/main_window.halo"));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        return false;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(resource.data()),
                                 static_cast<std::size_t>(resource.size()));
    const std::optional<std::string_view> runs = PrecomputedHaloRuns(bytes, width, height, shape);
    return runs && opacities.ReferTo(width, height, *runs);
}

} // namespace

bool DrawShadowOpacities(ShadowOpacities& opacities, int width, int height,
                         const std::vector<PixelRect>& shape,
                         const std::optional<PlacedTransparencyMask>& mask, double ratio) {
    ShadowImage image;
    if (ratio != 1.0) {
        BuildScaledShadowImage(image, HaloScaleFor(ratio, width, height), width, height, shape,
                               mask);
    } else if (!mask && RecallPrecomputedHalo(opacities, width, height, shape)) {
        return true;
    } else {
        image.Resize(width, height);
        BuildShadowImage(image, shape, mask);
    }
    opacities.TakeGreyLevels(image);
    return false;
}

} // namespace mensurix
