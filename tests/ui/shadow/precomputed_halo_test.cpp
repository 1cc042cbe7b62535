#include "main_window_halo.h"

#include "ui/shadow/owner_shadow_shape.h"
#include "ui/shadow/precomputed_halo.h"
#include "ui/shadow/shadow_image_draw.h"
#include "ui/shadow/window_shape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

using test::OwnerHeight;
using test::OwnerWidth;

std::vector<PixelRect> RoundedShape(int width, int height) {
    return ShapeRectsOfRegion(RoundRectRegion(1, 1, width, height, 9, 9),
                              QPoint(ShadowMargin, ShadowMargin));
}

ShadowImage Sized(int width, int height) {
    ShadowImage image;
    image.Resize(width + 2 * ShadowMargin, height + 2 * ShadowMargin);
    return image;
}

bool SamePixels(const ShadowImage& a, const ShadowImage& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) {
        return false;
    }
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// The build draws the main window's halo ahead of time; every halo, from there or not, is the one
// the blur draws.
TEST(PrecomputedHaloTest, MainWindowHaloComesFromTheBuildAndEqualsTheDrawnOne) {
    struct Case {
        std::string name;
        int width;
        int height;
        std::vector<PixelRect> shape;
        bool masked;
        bool precomputed;
    };
    const int outerWidth = OwnerWidth + 2 * ShadowMargin;
    const int outerHeight = OwnerHeight + 2 * ShadowMargin;
    const std::vector<Case> cases = {
        {"main window", OwnerWidth, OwnerHeight, RoundedShape(OwnerWidth, OwnerHeight), false,
         true},
        {"same size, square corners",
         OwnerWidth,
         OwnerHeight,
         {{ShadowMargin, ShadowMargin, outerWidth - ShadowMargin, outerHeight - ShadowMargin}},
         false,
         false},
        {"another size", 500, 400, RoundedShape(500, 400), false, false},
        {"see-through owner", OwnerWidth, OwnerHeight, RoundedShape(OwnerWidth, OwnerHeight), true,
         false},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        std::optional<PlacedTransparencyMask> mask;
        if (row.masked) {
            TransparencyMask seeThrough(10, 10);
            seeThrough.SetSeeThrough(3, 3, true);
            mask = PlacedTransparencyMask{seeThrough, 40, 40};
        }
        ShadowImage drawn = Sized(row.width, row.height);
        BuildShadowImage(drawn, row.shape, mask);
        ShadowImage image = Sized(row.width, row.height);
        EXPECT_EQ(DrawShadowImage(image, row.shape, mask), row.precomputed);
        EXPECT_TRUE(SamePixels(image, drawn));
    }
}

TEST(PrecomputedHaloTest, CutShortOrForeignBytesAreNotTaken) {
    const std::vector<PixelRect> shape = RoundedShape(OwnerWidth, OwnerHeight);
    ShadowImage drawn = Sized(OwnerWidth, OwnerHeight);
    BuildShadowImage(drawn, shape, std::nullopt);
    const std::string bytes = EncodePrecomputedHalo(drawn, shape);
    ShadowImage image = Sized(OwnerWidth, OwnerHeight);
    ASSERT_TRUE(DecodePrecomputedHalo(bytes, shape, image));
    for (const std::size_t length :
         {std::size_t{0}, std::size_t{7}, bytes.size() / 2, bytes.size() - 1}) {
        SCOPED_TRACE(length);
        EXPECT_FALSE(
            DecodePrecomputedHalo(std::string_view(bytes).substr(0, length), shape, image));
    }
    EXPECT_FALSE(DecodePrecomputedHalo(bytes + '\0', shape, image));
}

} // namespace
} // namespace mensurix
