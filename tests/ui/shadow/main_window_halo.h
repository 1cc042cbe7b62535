#pragma once

#include "halo/shadow_color.h"
#include "halo/shadow_image.h"

#include <cstdint>

namespace mensurix::test {

// The main window's figures: a 610 x 450 window cut to (1, 1, 610, 450) with 9 x 9 corners,
// its halo coloured MainWindowShadowColor.
inline constexpr int OwnerWidth = 610;
inline constexpr int OwnerHeight = 450;

// The finished layer image of that window in the colour (laid out 00BBGGRR), drawn by the
// image code alone.
ShadowImage MainWindowHalo(std::uint32_t colorRef = MainWindowShadowColor);

} // namespace mensurix::test
