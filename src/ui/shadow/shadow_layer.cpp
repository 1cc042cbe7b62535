#include "ui/shadow/shadow_layer.h"

#include "ui/shadow/alpha_scale_table.h"

namespace mensurix {

void UpdateLayerPixels(ShadowImage& image, ShadowColorRgb color, bool computeAlpha) {
    const AlphaScaleTableData& scale = AlphaScaleTable();
    const auto& red = scale[color.red];
    const auto& green = scale[color.green];
    const auto& blue = scale[color.blue];
    for (int y = 0; y < image.Height(); ++y) {
        std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            const std::uint8_t alpha = computeAlpha ? BlueOf(row[x]) : AlphaOf(row[x]);
            row[x] = MakePixel(alpha, red[alpha], green[alpha], blue[alpha]);
        }
    }
}

} // namespace mensurix
