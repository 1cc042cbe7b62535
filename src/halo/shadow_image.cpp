#include "halo/shadow_image.h"

#include <algorithm>

namespace mensurix {

void ShadowImage::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.resize(static_cast<std::size_t>(width_) * height_);
}

void ShadowImage::Clear() {
    width_ = 0;
    height_ = 0;
    pixels_.clear();
    pixels_.shrink_to_fit();
}

void ShadowImage::FillRects(const std::vector<PixelRect>& rects, std::uint32_t value) {
    for (const PixelRect& rect : rects) {
        const int left = std::max(rect.left, 0);
        const int right = std::min(rect.right, width_);
        const int top = std::max(rect.top, 0);
        const int bottom = std::min(rect.bottom, height_);
        if (left >= right) {
            continue;
        }
        for (int y = top; y < bottom; ++y) {
            std::fill(Row(y) + left, Row(y) + right, value);
        }
    }
}

void ShadowImage::Fill(std::uint32_t value) {
    std::fill(pixels_.begin(), pixels_.end(), value);
}

} // namespace mensurix
