#pragma once

#include "halo/pixel_rect.h"

#include <cstdint>
#include <vector>

namespace mensurix {

// A 32-bit image, rows top first, each pixel 0xAARRGGBB (on little-endian machines the bytes
// blue, green, red, alpha in memory), the layout both a layered window and a premultiplied
// ARGB32 QImage take without conversion.
class ShadowImage {
public:
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsEmpty() const { return width_ == 0 || height_ == 0; }

    // New size; the contents are undefined until the next fill.
    void Resize(int width, int height);
    void Clear();

    std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* Row(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }
    std::uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
    const std::uint32_t* Data() const { return pixels_.data(); }

    // Sets every pixel of the rectangles (clipped to the image) to value.
    void FillRects(const std::vector<PixelRect>& rects, std::uint32_t value);
    void Fill(std::uint32_t value);

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

constexpr std::uint8_t BlueOf(std::uint32_t pixel) {
    return static_cast<std::uint8_t>(pixel);
}
constexpr std::uint8_t GreenOf(std::uint32_t pixel) {
    return static_cast<std::uint8_t>(pixel >> 8);
}
constexpr std::uint8_t RedOf(std::uint32_t pixel) {
    return static_cast<std::uint8_t>(pixel >> 16);
}
constexpr std::uint8_t AlphaOf(std::uint32_t pixel) {
    return static_cast<std::uint8_t>(pixel >> 24);
}

constexpr std::uint32_t MakePixel(std::uint8_t alpha, std::uint8_t red, std::uint8_t green,
                                  std::uint8_t blue) {
    return (std::uint32_t{alpha} << 24) | (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) |
           blue;
}

// What a GDI brush of black or white leaves in a 32-bit bitmap: the colour, alpha byte 0.
inline constexpr std::uint32_t BlackPixel = 0x00000000u;
inline constexpr std::uint32_t WhitePixel = 0x00FFFFFFu;

} // namespace mensurix
