#include "background_painter.h"

#include "globe_painter.h"
#include "logo_painter.h"
#include "paint_colour.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace mensurix {
namespace {

using namespace asset_palette;

// The row of the separator line the window draws under its control row.
constexpr int SeparatorRow = 72;

void fillRows(QPainter& painter, int top, int bottom, const QLinearGradient& gradient) {
    painter.fillRect(QRect(0, top, WindowWidth, bottom - top + 1), gradient);
}

void fillRow(QPainter& painter, int row, const QColor& colour) {
    painter.fillRect(QRect(0, row, WindowWidth, 1), colour);
}

void paintCaption(QPainter& painter) {
    const int bottom = CaptionHeight - 1;
    QLinearGradient gloss(0, 0, 0, bottom);
    gloss.setColorAt(0, toColour(CaptionTop));
    gloss.setColorAt(0.48, toColour(CaptionMiddleHigh));
    gloss.setColorAt(0.52, toColour(CaptionMiddleLow));
    gloss.setColorAt(1, toColour(CaptionBottom));
    fillRows(painter, 0, bottom - 1, gloss);
    fillRow(painter, 2, QColor(255, 255, 255, 36));
    fillRow(painter, bottom, toColour(StripEdge));
    paintLogo(painter, QPointF(25, 14), 22);
}

void paintBody(QPainter& painter) {
    const int top = CaptionHeight;
    const int bottom = StatusStripTop - 1;
    QLinearGradient body(0, top, 0, bottom);
    body.setColorAt(0, toColour(BodyTop));
    body.setColorAt(1, toColour(BodyBottom));
    fillRows(painter, top, bottom, body);

    // The control row above the separator gets a soft sheen, and the empty margin left
    // of the result grid a faint watermark of the logo.
    QLinearGradient sheen(0, top, 0, SeparatorRow);
    sheen.setColorAt(0, QColor(255, 255, 255, 110));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(QRect(0, top, WindowWidth, SeparatorRow - top), sheen);
    paintLogoArrows(painter, QPointF(60, 330), 92, toColour(SteelBlue, 22));

    // Bright lines along both strips give them a bevelled edge; a faint shade falls from the
    // caption.
    fillRow(painter, top, QColor(255, 255, 255, 190));
    for (int row = 1; row <= 3; ++row)
        fillRow(painter, top + row, QColor(24, 54, 92, 14 - 4 * row));
    fillRow(painter, bottom, QColor(255, 255, 255, 190));
}

void paintStatus(QPainter& painter) {
    const int top = StatusStripTop;
    const int bottom = WindowHeight - 1;
    fillRow(painter, top, toColour(StripEdge));
    QLinearGradient strip(0, top + 1, 0, bottom);
    strip.setColorAt(0, toColour(StatusLight));
    strip.setColorAt(1, toColour(StatusDark));
    fillRows(painter, top + 1, bottom, strip);
    fillRow(painter, top + 1, QColor(255, 255, 255, 30));
    paintGlobe(painter, QPointF(16, 437.5), 14);
}

// The window region keeps columns 1..609 and rows 1..449 with corners rounded by a 9 x 9
// ellipse; the outline follows that edge and everything outside it is outline colour too, so
// the visible edge is purple however the region's corners are rasterised.
void paintOutline(QPainter& painter) {
    const QRectF edge(1.5, 1.5, WindowWidth - 2, WindowHeight - 2);
    QPainterPath inside;
    inside.addRoundedRect(edge, 4.5, 4.5);
    QPainterPath outside;
    outside.addRect(QRectF(0, 0, WindowWidth, WindowHeight));
    painter.setPen(Qt::NoPen);
    painter.setBrush(toColour(Outline));
    painter.drawPath(outside.subtracted(inside));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(toColour(Outline), 1));
    painter.drawPath(inside);
}

} // namespace

QImage paintBackground() {
    QImage image(WindowWidth, WindowHeight, QImage::Format_RGB32);
    image.fill(toColour(BodyTop));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBody(painter);
    paintCaption(painter);
    paintStatus(painter);
    paintOutline(painter);
    return image;
}

} // namespace mensurix
