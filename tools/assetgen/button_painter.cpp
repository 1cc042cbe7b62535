#include "button_painter.h"

#include "paint_colour.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace mensurix {
namespace {

using namespace asset_palette;

constexpr double CornerRadius = 4;

enum class RoundedCorner { BottomLeft, BottomRight };

struct TileColours {
    QColor light;
    QColor middle;
    QColor deep;
    QColor glow;
    QColor border;
};

QPainterPath tileShape(QRectF rect, RoundedCorner corner, double radius) {
    QPainterPath shape;
    if (corner == RoundedCorner::BottomLeft) {
        shape.moveTo(rect.topLeft());
        shape.lineTo(rect.topRight());
        shape.lineTo(rect.bottomRight());
        shape.lineTo(rect.left() + radius, rect.bottom());
        shape.quadTo(rect.bottomLeft(), QPointF(rect.left(), rect.bottom() - radius));
    } else {
        shape.moveTo(rect.topLeft());
        shape.lineTo(rect.topRight());
        shape.lineTo(rect.right(), rect.bottom() - radius);
        shape.quadTo(rect.bottomRight(), QPointF(rect.right() - radius, rect.bottom()));
        shape.lineTo(rect.bottomLeft());
    }
    shape.closeSubpath();
    return shape;
}

TileColours tileColours(AssetRgb light, AssetRgb deep, AssetRgb glow, ButtonState state) {
    const double lift = state == ButtonState::Hover ? 0.22 : 0.0;
    const QColor lightColour = towardsWhite(light, lift);
    const QColor deepColour = towardsWhite(deep, lift);
    return {lightColour, mix(lightColour, deepColour, 0.4), deepColour, towardsWhite(glow, lift),
            deepColour.darker(190)};
}

QImage paintTile(int width, RoundedCorner corner, const TileColours& colours) {
    QImage image(width, ButtonHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const QRectF outer(0, 0, width, ButtonHeight);
    painter.setBrush(colours.border);
    painter.drawPath(tileShape(outer, corner, CornerRadius));

    const QRectF inner = outer.adjusted(1, 1, -1, -1);
    const QPainterPath innerShape = tileShape(inner, corner, CornerRadius - 1);
    QLinearGradient gloss(0, inner.top(), 0, inner.bottom());
    gloss.setColorAt(0, colours.light);
    gloss.setColorAt(0.46, colours.middle);
    gloss.setColorAt(0.5, colours.deep);
    gloss.setColorAt(1, colours.deep);
    painter.setBrush(gloss);
    painter.drawPath(innerShape);

    QRadialGradient glow(QPointF(width / 2.0, inner.bottom() + 2), width * 0.55);
    glow.setColorAt(0, colours.glow);
    QColor fade = colours.glow;
    fade.setAlpha(0);
    glow.setColorAt(1, fade);
    painter.setClipPath(innerShape);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(width / 2.0, inner.bottom() + 2), width * 0.55, 9);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
    painter.drawPath(tileShape(inner.adjusted(0.5, 0.5, -0.5, -0.5), corner, CornerRadius - 1.5));
    painter.setClipping(false);

    painter.fillRect(QRect(0, 0, width, 1), toColour(SteelBlue));
    return image;
}

} // namespace

QImage paintMinimizeButton(ButtonState state) {
    const TileColours colours =
        tileColours(MinimizeLight, MinimizeDark, AssetRgb{120, 200, 255}, state);
    QImage image = paintTile(MinimizeWidth, RoundedCorner::BottomLeft, colours);
    QPainter painter(&image);
    const QRect bar(9, 11, 9, 3);
    painter.fillRect(bar.adjusted(-1, -1, 1, 1), QColor(10, 30, 60, 120));
    painter.fillRect(bar, Qt::white);
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage paintCloseButton(ButtonState state) {
    const TileColours colours = tileColours(CloseLight, CloseDark, AssetRgb{255, 120, 60}, state);
    QImage image = paintTile(CloseWidth, RoundedCorner::BottomRight, colours);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(CloseWidth / 2.0, 10.5);
    const double arm = 3.6;
    const QLineF falling(centre - QPointF(arm, arm), centre + QPointF(arm, arm));
    const QLineF rising(centre - QPointF(arm, -arm), centre + QPointF(arm, -arm));
    for (const auto& [colour, width] :
         {std::pair{QColor(60, 8, 4, 110), 3.8}, std::pair{QColor(Qt::white), 2.3}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(falling);
        painter.drawLine(rising);
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace mensurix
