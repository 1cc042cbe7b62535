#include "halo/shadow_layer.h"

#include "halo/alpha_scale_table.h"

namespace mensurix {

LayerPixelTable LayerPixels(ShadowColorRgb color) {
    const AlphaScaleTableData& scale = AlphaScaleTable();
    LayerPixelTable pixels{};
    for (std::size_t alpha = 0; alpha < pixels.size(); ++alpha) {
        pixels[alpha] = MakePixel(static_cast<std::uint8_t>(alpha), scale[color.red][alpha],
                                  scale[color.green][alpha], scale[color.blue][alpha]);
    }
    return pixels;
}

} // namespace mensurix
