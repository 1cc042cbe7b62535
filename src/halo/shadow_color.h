#pragma once

#include <cstdint>

namespace mensurix {

struct ShadowColorRgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// A colour value laid out 00BBGGRR; the top byte is ignored.
constexpr ShadowColorRgb RgbFromColorRef(std::uint32_t colorRef) {
    return {static_cast<std::uint8_t>(colorRef & 0xFFu),
            static_cast<std::uint8_t>((colorRef >> 8) & 0xFFu),
            static_cast<std::uint8_t>((colorRef >> 16) & 0xFFu)};
}

// The main window's halo: red 74, green 121, blue 161.
inline constexpr std::uint32_t MainWindowShadowColor = 10582346;

} // namespace mensurix
