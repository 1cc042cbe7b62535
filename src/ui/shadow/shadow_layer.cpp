#include "ui/shadow/shadow_layer.h"

#include "ui/shadow/alpha_scale_table.h"

#include <array>

namespace mensurix {

void UpdateLayerPixels(ShadowImage& image, ShadowColorRgb color, bool computeAlpha) {
    const AlphaScaleTableData& scale = AlphaScaleTable();
    // The finished pixel for each opacity, so that a pixel costs one look-up.
    std::array<std::uint32_t, 256> layerPixel{};
    for (std::size_t alpha = 0; alpha < layerPixel.size(); ++alpha) {
        layerPixel[alpha] = MakePixel(static_cast<std::uint8_t>(alpha), scale[color.red][alpha],
                                      scale[color.green][alpha], scale[color.blue][alpha]);
    }
    for (int y = 0; y < image.Height(); ++y) {
        std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            row[x] = layerPixel[computeAlpha ? BlueOf(row[x]) : AlphaOf(row[x])];
        }
    }
}

} // namespace mensurix
