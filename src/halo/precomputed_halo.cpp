#include "halo/precomputed_halo.h"

#include "halo/little_endian_numbers.h"
#include "halo/shadow_opacities.h"

#include <cstdint>

namespace mensurix {
namespace {

void PutNumber(std::string& bytes, int value) {
    AppendNumber32(bytes, static_cast<std::uint32_t>(value));
}

bool TakeNumber(std::string_view& bytes, int& value) {
    std::uint32_t bits = 0;
    const bool taken = TakeNumber32(bytes, bits);
    value = static_cast<int>(bits);
    return taken;
}

} // namespace

std::string EncodePrecomputedHalo(const ShadowImage& halo, const std::vector<PixelRect>& shape) {
    std::string bytes;
    PutNumber(bytes, halo.Width());
    PutNumber(bytes, halo.Height());
    PutNumber(bytes, static_cast<int>(shape.size()));
    for (const PixelRect& rect : shape) {
        for (const int edge : {rect.left, rect.top, rect.right, rect.bottom}) {
            PutNumber(bytes, edge);
        }
    }
    std::vector<std::uint8_t> levels;
    for (int y = 0; y < halo.Height(); ++y) {
        for (int x = 0; x < halo.Width(); ++x) {
            levels.push_back(BlueOf(halo.Pixel(x, y)));
        }
    }
    AppendOpacityRuns(bytes, levels);
    return bytes;
}

std::optional<std::string_view> PrecomputedHaloRuns(std::string_view bytes, int width, int height,
                                                    const std::vector<PixelRect>& shape) {
    int storedWidth = 0;
    int storedHeight = 0;
    int count = 0;
    if (!TakeNumber(bytes, storedWidth) || !TakeNumber(bytes, storedHeight) ||
        !TakeNumber(bytes, count) || storedWidth != width || storedHeight != height || count < 0 ||
        static_cast<std::size_t>(count) != shape.size()) {
        return std::nullopt;
    }
    for (const PixelRect& rect : shape) {
        PixelRect stored;
        if (!TakeNumber(bytes, stored.left) || !TakeNumber(bytes, stored.top) ||
            !TakeNumber(bytes, stored.right) || !TakeNumber(bytes, stored.bottom) ||
            stored.left != rect.left || stored.top != rect.top || stored.right != rect.right ||
            stored.bottom != rect.bottom) {
            return std::nullopt;
        }
    }
    return bytes;
}

} // namespace mensurix
