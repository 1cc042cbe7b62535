#pragma once

#include "asset_palette.h"

#include <QColor>

namespace mensurix {

QColor toColour(AssetRgb rgb, int alpha = 255);

// Moves each channel of the colour the given fraction of the way towards white.
QColor towardsWhite(AssetRgb rgb, double fraction);

// The colour the given fraction of the way from `from` to `to`.
QColor mix(const QColor& from, const QColor& to, double fraction);

} // namespace mensurix
