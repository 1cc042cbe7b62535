#include "halo/shadow_blur.h"

#include <algorithm>

namespace mensurix {
namespace {

constexpr std::uint32_t LaneMask = 0x00FF00FFu;
constexpr std::uint32_t AlphaMask = 0xFF000000u;

// The mean of four pixels' colour bytes, alpha from `keep`. Red and blue share one word and
// green the other, each byte in a 16-bit lane, where a sum of four bytes cannot overflow.
inline std::uint32_t Mean4(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                           std::uint32_t keep) {
    const std::uint32_t redBlue = (a & LaneMask) + (b & LaneMask) + (c & LaneMask) + (d & LaneMask);
    const std::uint32_t green = (a & 0xFF00u) + (b & 0xFF00u) + (c & 0xFF00u) + (d & 0xFF00u);
    return (keep & AlphaMask) | ((redBlue >> 2) & LaneMask) | ((green >> 2) & 0xFF00u);
}

// A row whose sources are two other rows: nothing it writes is read again in this row.
void BlurSeparateRow(const std::uint32_t* upper, const std::uint32_t* lower, std::uint32_t* out,
                     int width, int d) {
    const int last = width - 1;
    int x = 0;
    for (; x < width && x - d < 0; ++x) {
        const int right = std::min(x + d, last);
        out[x] = Mean4(upper[0], upper[right], lower[0], lower[right], out[x]);
    }
    for (; x + d <= last; ++x) {
        out[x] = Mean4(upper[x - d], upper[x + d], lower[x - d], lower[x + d], out[x]);
    }
    for (; x < width; ++x) {
        const int left = std::max(x - d, 0);
        out[x] = Mean4(upper[left], upper[last], lower[left], lower[last], out[x]);
    }
}

// The first or last row, one of whose source rows is the row itself: pixel by pixel, reading
// what was already written.
void BlurSelfRow(const std::uint32_t* upper, const std::uint32_t* lower, std::uint32_t* out,
                 int width, int d) {
    const int last = width - 1;
    for (int x = 0; x < width; ++x) {
        const int left = std::max(x - d, 0);
        const int right = std::min(x + d, last);
        out[x] = Mean4(upper[left], upper[right], lower[left], lower[right], out[x]);
    }
}

} // namespace

void BlurPass(ShadowImage& image, int distance) {
    const int width = image.Width();
    const int height = image.Height();
    for (int y = 0; y < height; ++y) {
        const int upperY = std::clamp(y - distance, 0, height - 1);
        const int lowerY = std::clamp(y + distance, 0, height - 1);
        const std::uint32_t* upper = image.Row(upperY);
        const std::uint32_t* lower = image.Row(lowerY);
        std::uint32_t* out = image.Row(y);
        if (upperY == y || lowerY == y) {
            BlurSelfRow(upper, lower, out, width, distance);
        } else {
            BlurSeparateRow(upper, lower, out, width, distance);
        }
    }
}

void BlurImage(ShadowImage& image, int passes) {
    for (int d = 1; d <= passes; ++d) {
        BlurPass(image, d);
    }
}

} // namespace mensurix
