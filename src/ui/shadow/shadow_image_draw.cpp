#include "ui/shadow/shadow_image_draw.h"

#include "ui/shadow/precomputed_halo.h"

#include <QResource>

namespace mensurix {
namespace {

// Embedded by the program's build (the mensurix_precomputed_halos library); without it every
// halo is drawn.
bool RecallPrecomputedHalo(ShadowImage& image, const std::vector<PixelRect>& shape) {
    const QResource resource(QStringLiteral(":/halos/main_window.halo"));
    if (!resource.isValid()) {
        return false;
    }
    const QByteArray bytes = resource.uncompressedData();
    return DecodePrecomputedHalo(std::string_view(bytes.constData(), bytes.size()), shape, image);
}

} // namespace

bool DrawShadowImage(ShadowImage& image, const std::vector<PixelRect>& shape,
                     const std::optional<PlacedTransparencyMask>& mask) {
    if (!mask && RecallPrecomputedHalo(image, shape)) {
        return true;
    }
    BuildShadowImage(image, shape, mask);
    return false;
}

} // namespace mensurix
