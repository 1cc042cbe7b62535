// The halo at device pixel ratios other than 1: the 100 % halo scaled, whole along every edge,
// the owner's own device pixels left clear.

#include "halo/shadow_image_build.h"
#include "halo/shadow_image_scale.h"
#include "see_through_mask.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace mensurix {
namespace {

// The main window's figures, its corners left square: 610 x 450, column 0 and row 0 cut away.
constexpr int LogicalWidth = 610 + 2 * ShadowMargin;
constexpr int LogicalHeight = 450 + 2 * ShadowMargin;
const PixelRect Shape{ShadowMargin + 1, ShadowMargin + 1, ShadowMargin + 610, ShadowMargin + 450};

ShadowImage LogicalHalo() {
    ShadowImage image;
    image.Resize(LogicalWidth, LogicalHeight);
    BuildShadowImage(image, {Shape}, std::nullopt);
    return image;
}

ShadowImage DeviceHalo(const HaloScale& scale) {
    ShadowImage image;
    BuildScaledShadowImage(image, scale, LogicalWidth, LogicalHeight, {Shape}, std::nullopt);
    return image;
}

int Level(const ShadowImage& image, int x, int y) {
    return BlueOf(image.Pixel(x, y));
}

struct ScaleCase {
    std::string name;
    double ratio;
    int width;
    int height;
    int margin;
};

void PrintTo(const ScaleCase& row, std::ostream* out) {
    *out << row.name;
}

class HaloScaleTest : public ::testing::TestWithParam<ScaleCase> {
protected:
    HaloScale Scale() const { return HaloScaleFor(GetParam().ratio, LogicalWidth, LogicalHeight); }
    // The device coordinate of a logical one, and back, measured between pixel edges.
    double ToLogical(double device) const {
        return (device - Scale().margin) / GetParam().ratio + ShadowMargin;
    }
    double ToDevice(double logical) const {
        return (logical - ShadowMargin) * GetParam().ratio + Scale().margin;
    }
};

// Sized as the window system sizes a window of the logical halo's size, and with the owner's
// outer corner where it places the owner.
TEST_P(HaloScaleTest, ImageHasTheHaloWindowsDeviceSize) {
    const HaloScale scale = Scale();
    EXPECT_EQ(scale.width, GetParam().width);
    EXPECT_EQ(scale.height, GetParam().height);
    EXPECT_EQ(scale.margin, GetParam().margin);
    const ShadowImage image = DeviceHalo(scale);
    EXPECT_EQ(image.Width(), scale.width);
    EXPECT_EQ(image.Height(), scale.height);
}

// Outward from the middle of each edge, every device pixel whose centre lies between two
// logical pixel centres outside the shape has the 100 % opacities interpolated there.
TEST_P(HaloScaleTest, ProfileIsTheHundredPercentProfileScaled) {
    const ShadowImage logical = LogicalHalo();
    const ShadowImage device = DeviceHalo(Scale());
    const int middleX = static_cast<int>(ToDevice(LogicalWidth / 2.0));
    const int middleY = static_cast<int>(ToDevice(LogicalHeight / 2.0));
    const int logicalMiddleX = LogicalWidth / 2;
    const int logicalMiddleY = LogicalHeight / 2;
    struct Edge {
        std::string name;
        bool horizontal;
        int from;
        int step;
    };
    const std::vector<Edge> edges = {
        {"left", true, static_cast<int>(ToDevice(Shape.left)) - 1, -1},
        {"right", true, static_cast<int>(ToDevice(Shape.right)), 1},
        {"top", false, static_cast<int>(ToDevice(Shape.top)) - 1, -1},
        {"bottom", false, static_cast<int>(ToDevice(Shape.bottom)), 1},
    };
    for (const Edge& edge : edges) {
        SCOPED_TRACE(edge.name);
        const int count = edge.horizontal ? device.Width() : device.Height();
        const int logicalCount = edge.horizontal ? LogicalWidth : LogicalHeight;
        const int first = edge.horizontal ? Shape.left : Shape.top;
        const int end = edge.horizontal ? Shape.right : Shape.bottom;
        int compared = 0;
        for (int at = edge.from; at >= 0 && at < count; at += edge.step) {
            const double u = ToLogical(at + 0.5) - 0.5;
            const int below = static_cast<int>(std::floor(u));
            const int above = below + 1;
            const bool outside = edge.step < 0 ? above < first : below >= end;
            if (!outside || below < 0 || above >= logicalCount) {
                continue;
            }
            const auto profile = [&](int i) {
                return edge.horizontal ? Level(logical, i, logicalMiddleY)
                                       : Level(logical, logicalMiddleX, i);
            };
            const double wanted = profile(below) + (u - below) * (profile(above) - profile(below));
            const int seen =
                edge.horizontal ? Level(device, at, middleY) : Level(device, middleX, at);
            EXPECT_LE(std::abs(seen - wanted), 1.0)
                << "at " << at << ": " << seen << " for " << wanted;
            ++compared;
        }
        EXPECT_GE(compared, static_cast<int>(10 * GetParam().ratio));
    }
}

// Along the straight part of each edge, each band at a given distance outside is one level: no
// tile seam, no gap. Under the owner nothing is left.
TEST_P(HaloScaleTest, WholeAlongEveryEdgeAndClearInside) {
    const ShadowImage device = DeviceHalo(Scale());
    // The device pixels wholly inside the scaled shape, which the owner covers.
    const int left = static_cast<int>(std::ceil(ToDevice(Shape.left)));
    const int right = static_cast<int>(std::floor(ToDevice(Shape.right)));
    const int top = static_cast<int>(std::ceil(ToDevice(Shape.top)));
    const int bottom = static_cast<int>(std::floor(ToDevice(Shape.bottom)));
    const int corner = 2 * Scale().margin;
    int litInside = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            litInside += Level(device, x, y) != 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(litInside, 0);
    for (int distance = 1; distance <= Scale().margin; ++distance) {
        SCOPED_TRACE("distance " + std::to_string(distance));
        const auto expectBand = [&](const std::string& name, auto level, int from, int to) {
            const int wanted = level((from + to) / 2);
            int off = 0;
            for (int i = from; i < to; ++i) {
                off += std::abs(level(i) - wanted) > 1 ? 1 : 0;
            }
            EXPECT_EQ(off, 0) << name << " band of level " << wanted;
        };
        expectBand(
            "top", [&](int x) { return Level(device, x, top - distance); }, left + corner,
            right - corner);
        expectBand(
            "bottom", [&](int x) { return Level(device, x, bottom - 1 + distance); }, left + corner,
            right - corner);
        expectBand(
            "left", [&](int y) { return Level(device, left - distance, y); }, top + corner,
            bottom - corner);
        expectBand(
            "right", [&](int y) { return Level(device, right - 1 + distance, y); }, top + corner,
            bottom - corner);
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, HaloScaleTest,
                         ::testing::Values(ScaleCase{"at100", 1.0, 642, 482, 16},
                                           ScaleCase{"at125", 1.25, 803, 603, 20},
                                           ScaleCase{"at150", 1.5, 963, 723, 24},
                                           ScaleCase{"at175", 1.75, 1124, 844, 28},
                                           ScaleCase{"at200", 2.0, 1284, 964, 32},
                                           // A screen of its own scale, between the usual steps.
                                           ScaleCase{"at130", 1.3, 835, 627, 21}),
                         [](const ::testing::TestParamInfo<ScaleCase>& info) {
                             return info.param.name;
                         });

TEST(HaloScaleAtOneTest, IsTheHundredPercentHaloItself) {
    const ShadowImage device = DeviceHalo(HaloScaleFor(1.0, LogicalWidth, LogicalHeight));
    const ShadowImage logical = LogicalHalo();
    int differing = 0;
    for (int y = 0; y < logical.Height(); ++y) {
        for (int x = 0; x < logical.Width(); ++x) {
            differing += Level(device, x, y) != Level(logical, x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

// An 80 x 20 owner whose left half shows its transparent colour, at twice the pixels: the halo
// stays visible through the see-through half and is cut under the owner's own pixels.
TEST(HaloScaleMaskTest, SeeThroughPixelsKeepTheHaloInDevicePixels) {
    constexpr int width = 80;
    constexpr int height = 20;
    const TransparencyMask mask = test::LeftHalfSeeThrough(width, height);
    const std::vector<PixelRect> shape = {
        {ShadowMargin, ShadowMargin, ShadowMargin + width, ShadowMargin + height}};
    const int logicalWidth = width + 2 * ShadowMargin;
    const int logicalHeight = height + 2 * ShadowMargin;
    const HaloScale scale = HaloScaleFor(2.0, logicalWidth, logicalHeight);
    ShadowImage image;
    BuildScaledShadowImage(image, scale, logicalWidth, logicalHeight, shape,
                           PlacedTransparencyMask{mask, ShadowMargin, ShadowMargin});
    const int y = scale.margin + height;
    const int opaqueLeft = scale.margin + width;
    EXPECT_EQ(Level(image, scale.margin - 1, y), 0) << "left of the see-through half";
    EXPECT_GT(Level(image, opaqueLeft - 1, y), 0) << "visible through the see-through half";
    EXPECT_EQ(Level(image, opaqueLeft, y), 0) << "under the owner's own pixels";
    EXPECT_EQ(Level(image, scale.margin + 2 * width - 1, y), 0) << "under the owner's own pixels";
    EXPECT_GT(Level(image, scale.margin + 2 * width, y), 0) << "right of the owner";
}

} // namespace
} // namespace mensurix
