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

void UpdateLayerPixels(ShadowImage& image, ShadowColorRgb color, bool computeAlpha) {
    const LayerPixelTable pixels = LayerPixels(color);
    for (int y = 0; y < image.Height(); ++y) {
        std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            row[x] = pixels[computeAlpha ? BlueOf(row[x]) : AlphaOf(row[x])];
        }
    }
}

} // namespace mensurix
