#include "halo/shadow_image_scale.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace mensurix {
namespace {

int Scaled(int value, double ratio) {
    return static_cast<int>(std::lround(value * ratio));
}

// One device column (or row) between two logical ones: the weight of the second in 1/256.
struct Sample {
    int first = 0;
    int second = 0;
    int weight = 0;
};

// The logical coordinate under each device pixel's centre; outside the outermost logical centres
// the outermost pixel holds.
std::vector<Sample> Samples(int deviceCount, int logicalCount, const HaloScale& scale) {
    std::vector<Sample> samples(static_cast<std::size_t>(deviceCount));
    const int last = logicalCount - 1;
    for (int i = 0; i < deviceCount; ++i) {
        const double at = (i - scale.margin + 0.5) / scale.ratio - 0.5 + ShadowMargin;
        const double clamped = std::clamp(at, 0.0, static_cast<double>(last));
        const int first = static_cast<int>(clamped);
        samples[static_cast<std::size_t>(i)] = {
            first, std::min(first + 1, last),
            static_cast<int>(std::lround((clamped - first) * 256))};
    }
    return samples;
}

void Resample(const ShadowImage& logical, ShadowImage& device, const HaloScale& scale) {
    const std::vector<Sample> columns = Samples(device.Width(), logical.Width(), scale);
    const std::vector<Sample> rows = Samples(device.Height(), logical.Height(), scale);
    for (int y = 0; y < device.Height(); ++y) {
        const Sample& row = rows[static_cast<std::size_t>(y)];
        const std::uint32_t* upper = logical.Row(row.first);
        const std::uint32_t* lower = logical.Row(row.second);
        std::uint32_t* out = device.Row(y);
        for (int x = 0; x < device.Width(); ++x) {
            const Sample& column = columns[static_cast<std::size_t>(x)];
            const int top = BlueOf(upper[column.first]) * (256 - column.weight) +
                            BlueOf(upper[column.second]) * column.weight;
            const int bottom = BlueOf(lower[column.first]) * (256 - column.weight) +
                               BlueOf(lower[column.second]) * column.weight;
            const int level = (top * (256 - row.weight) + bottom * row.weight + 32768) >> 16;
            out[x] = static_cast<std::uint32_t>(level) * 0x010101u;
        }
    }
}

} // namespace

HaloScale HaloScaleFor(double ratio, int logicalWidth, int logicalHeight) {
    return {ratio, Scaled(ShadowMargin, ratio), Scaled(logicalWidth, ratio),
            Scaled(logicalHeight, ratio)};
}

std::vector<PixelRect> ScaleShape(const std::vector<PixelRect>& shape, const HaloScale& scale) {
    // Tolerates the rounding error of a product that is a whole number.
    constexpr double Slack = 1e-9;
    const auto inner = [&](int edge, bool leading) {
        const double at = (edge - ShadowMargin) * scale.ratio;
        return static_cast<int>(leading ? std::ceil(at - Slack) : std::floor(at + Slack)) +
               scale.margin;
    };
    std::vector<PixelRect> scaled;
    scaled.reserve(shape.size());
    for (const PixelRect& rect : shape) {
        scaled.push_back({inner(rect.left, true), inner(rect.top, true), inner(rect.right, false),
                          inner(rect.bottom, false)});
    }
    return scaled;
}

PlacedTransparencyMask ScaleTransparencyMask(const PlacedTransparencyMask& mask,
                                             const HaloScale& scale) {
    const TransparencyMask& logical = mask.mask;
    TransparencyMask device(Scaled(logical.Width(), scale.ratio),
                            Scaled(logical.Height(), scale.ratio));
    const auto source = [&](int i, int count) {
        return std::min(static_cast<int>((i + 0.5) / scale.ratio), count - 1);
    };
    for (int y = 0; y < device.Height(); ++y) {
        for (int x = 0; x < device.Width(); ++x) {
            device.SetSeeThrough(
                x, y,
                logical.IsSeeThrough(source(x, logical.Width()), source(y, logical.Height())));
        }
    }
    return {std::move(device), Scaled(mask.left - ShadowMargin, scale.ratio) + scale.margin,
            Scaled(mask.top - ShadowMargin, scale.ratio) + scale.margin};
}

void BuildScaledShadowImage(ShadowImage& device, const HaloScale& scale, int logicalWidth,
                            int logicalHeight, const std::vector<PixelRect>& shape,
                            const std::optional<PlacedTransparencyMask>& mask) {
    ShadowImage logical;
    logical.Resize(logicalWidth, logicalHeight);
    BlurShadowShape(logical, shape, mask);
    device.Resize(scale.width, scale.height);
    if (logical.Width() == 0 || logical.Height() == 0) {
        device.Fill(BlackPixel);
        return;
    }
    Resample(logical, device, scale);
    if (mask) {
        CutOwnerArea(device, {}, ScaleTransparencyMask(*mask, scale));
    } else {
        CutOwnerArea(device, ScaleShape(shape, scale), std::nullopt);
    }
}

} // namespace mensurix
