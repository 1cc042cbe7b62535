#pragma once

#include "halo/shadow_color.h"
#include "halo/shadow_image.h"
#include "halo/shadow_opacities.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace mensurix {

// The layer's premultiplied pixel for each opacity: the colour premultiplied by the opacity, the
// opacity in the alpha byte.
using LayerPixelTable = std::array<std::uint32_t, 256>;
LayerPixelTable LayerPixels(ShadowColorRgb color);

// Calls row(y, pixels) for each row of the layer the opacities make in the colour, top first,
// pixels pointing at Width() premultiplied pixels; only one row is made at a time.
template <typename RowFunction>
void ForEachLayerRow(const ShadowOpacities& opacities, ShadowColorRgb color, RowFunction&& row) {
    const LayerPixelTable pixels = LayerPixels(color);
    std::vector<std::uint32_t> layerRow(static_cast<std::size_t>(opacities.Width()));
    opacities.ForEachRow([&](int y, const std::uint8_t* opacity) {
        std::transform(opacity, opacity + layerRow.size(), layerRow.begin(),
                       [&](std::uint8_t alpha) { return pixels[alpha]; });
        row(y, layerRow.data());
    });
}

} // namespace mensurix
