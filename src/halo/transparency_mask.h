#pragma once

#include "halo/shadow_image.h"

#include <cstdint>
#include <vector>

namespace mensurix {

// Which pixels of an owner's client area show its transparent colour (see-through) and which
// are its own (opaque), one byte per pixel, rows top first.
class TransparencyMask {
public:
    TransparencyMask(int width, int height)
        : width_(width), height_(height), seeThrough_(static_cast<std::size_t>(width) * height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsSeeThrough(int x, int y) const { return seeThrough_[Index(x, y)] != 0; }
    void SetSeeThrough(int x, int y, bool value) {
        seeThrough_[Index(x, y)] = static_cast<std::uint8_t>(value);
    }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<std::uint8_t> seeThrough_;
};

// Lays the mask onto the image with its top-left corner at (left, top), clipped to the image.
// Opaque: the owner's own pixels turn white and its see-through ones black, so that only the
// visible parts cast a shadow. Not opaque: the owner's own pixels turn black (no halo under
// them) and the see-through ones keep the halo.
void ApplyTransparencyMask(ShadowImage& image, const TransparencyMask& mask, int left, int top,
                           bool opaque);

} // namespace mensurix
