#include "ui/shadow/shadow_layer_paint.h"

#include "ui/shadow/shadow_layer.h"

#include <QImage>
#include <QPainter>

namespace mensurix {

void PaintShadowLayer(QPainter& painter, const ShadowOpacities& opacities, ShadowColorRgb color) {
    const LayerPixelTable pixels = LayerPixels(color);
    const int width = opacities.Width();
    QImage row(width, 1, QImage::Format_ARGB32_Premultiplied);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    opacities.ForEachRow([&](int y, const std::uint8_t* opacity) {
        auto* pixel = reinterpret_cast<std::uint32_t*>(row.scanLine(0));
        for (int x = 0; x < width; ++x) {
            pixel[x] = pixels[opacity[x]];
        }
        painter.drawImage(0, y, row);
    });
    painter.restore();
}

} // namespace mensurix
