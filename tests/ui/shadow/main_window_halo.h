#pragma once

#include "ui/shadow/shadow_image.h"

#include <cstdint>

namespace mensurix::test {

// The main window's figures: a 610 x 450 window cut to (1, 1, 610, 450) with 9 x 9 corners,
// its halo coloured 10582346 (red 74, green 121, blue 161).
inline constexpr int OwnerWidth = 610;
inline constexpr int OwnerHeight = 450;
inline constexpr std::uint32_t MainShadowColor = 10582346;

// The finished layer image of that window, drawn by the image code alone.
ShadowImage MainWindowHalo();

} // namespace mensurix::test
