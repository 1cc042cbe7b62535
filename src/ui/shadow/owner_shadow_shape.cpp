#include "ui/shadow/owner_shadow_shape.h"

#include "halo/shadow_image_build.h"

#include <QRect>
#include <QWidget>

namespace mensurix {

std::vector<PixelRect> ShapeRectsOfRegion(const QRegion& region, QPoint offset) {
    std::vector<PixelRect> rects;
    rects.reserve(static_cast<std::size_t>(region.rectCount()));
    for (const QRect& rect : region) {
        const QRect moved = rect.translated(offset);
        rects.push_back({moved.left(), moved.top(), moved.left() + moved.width(),
                         moved.top() + moved.height()});
    }
    return rects;
}

std::vector<PixelRect> OwnerShadowShape(const QWidget& owner) {
    const QRect outer = owner.frameGeometry();
    const QRect client = owner.geometry();
    const QPoint clientInOuter = client.topLeft() - outer.topLeft();
    const QPoint margin(ShadowMargin, ShadowMargin);

    // A mask of one rectangle is no shape of its own: the window is drawn as its rectangle.
    const QRegion mask = owner.mask();
    if (mask.rectCount() > 1) {
        return ShapeRectsOfRegion(mask, clientInOuter + margin);
    }

    QRect shape(QPoint(0, 0), outer.size());
    if (!owner.windowFlags().testFlag(Qt::FramelessWindowHint)) {
        const int borderX = clientInOuter.x();
        const int borderY = outer.bottom() - client.bottom();
        shape.adjust(-borderX / 3, -borderY / 3, borderX / 3, borderY / 3);
    }
    return ShapeRectsOfRegion(QRegion(shape), margin);
}

} // namespace mensurix
