#include "ui/shadow/shadow_layer_paint.h"

#include "halo/shadow_layer.h"

#include <QImage>
#include <QPainter>

namespace mensurix {

void PaintShadowLayer(QPainter& painter, const ShadowOpacities& opacities, ShadowColorRgb color,
                      qreal ratio) {
    const int width = opacities.Width();
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    ForEachLayerRow(opacities, color, [&](int y, const std::uint32_t* pixels) {
        QImage row(reinterpret_cast<const uchar*>(pixels), width, 1,
                   QImage::Format_ARGB32_Premultiplied);
        row.setDevicePixelRatio(ratio);
        painter.drawImage(QPointF(0, y / ratio), row);
    });
    painter.restore();
}

} // namespace mensurix
