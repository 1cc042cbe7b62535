#include "ui/shadow/owner_transparency.h"

#include <QImage>
#include <QVariant>
#include <QWidget>

namespace mensurix {

std::optional<QColor> OwnerTransparentColor(const QWidget& owner) {
    const QVariant value = owner.property(TransparentColorProperty);
    if (!value.canConvert<QColor>()) {
        return std::nullopt;
    }
    const QColor color = value.value<QColor>();
    if (!color.isValid()) {
        return std::nullopt;
    }
    return color;
}

TransparencyMask OwnerTransparencyMask(QWidget& owner, const QColor& transparentColor) {
    QImage picture(owner.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    owner.render(&picture);

    const QRgb key = transparentColor.rgb() & RGB_MASK;
    TransparencyMask mask(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            mask.SetSeeThrough(x, y, (row[x] & RGB_MASK) == key);
        }
    }
    return mask;
}

} // namespace mensurix
