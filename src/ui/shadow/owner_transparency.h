#pragma once

#include "halo/transparency_mask.h"

#include <QColor>

#include <optional>

class QWidget;

namespace mensurix {

// An owner window that paints a colour key where it is see-through declares that colour in this
// dynamic property (a QColor). The shadow then casts no halo through those pixels and keeps the
// halo visible beneath them. Without the property, or with an invalid colour, the owner has no
// transparent colour.
inline constexpr char TransparentColorProperty[] = "transparentColor";

std::optional<QColor> OwnerTransparentColor(const QWidget& owner);

// Renders the owner's client area and marks the pixels of exactly that colour as see-through.
TransparencyMask OwnerTransparencyMask(QWidget& owner, const QColor& transparentColor);

} // namespace mensurix
