#include "main_window_halo.h"

#include "halo/precomputed_halo.h"
#include "ui/shadow/owner_shadow_shape.h"
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

ShadowImage Drawn(int width, int height, const std::vector<PixelRect>& shape,
                  const std::optional<PlacedTransparencyMask>& mask) {
    ShadowImage image;
    image.Resize(width, height);
    BuildShadowImage(image, shape, mask);
    return image;
}

// Whether the opacities are the drawn image's grey levels, pixel for pixel.
bool SameLevels(const ShadowOpacities& opacities, const ShadowImage& image) {
    if (opacities.Width() != image.Width() || opacities.Height() != image.Height()) {
        return false;
    }
    bool same = true;
    int rows = 0;
    opacities.ForEachRow([&](int y, const std::uint8_t* opacity) {
        ++rows;
        for (int x = 0; x < image.Width(); ++x) {
            same = same && opacity[x] == BlueOf(image.Pixel(x, y));
        }
    });
    return same && rows == image.Height();
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
    const int width = OwnerWidth + 2 * ShadowMargin;
    const int height = OwnerHeight + 2 * ShadowMargin;
    const std::vector<Case> cases = {
        {"main window", width, height, RoundedShape(OwnerWidth, OwnerHeight), false, true},
        {"same size, square corners",
         width,
         height,
         {{ShadowMargin, ShadowMargin, width - ShadowMargin, height - ShadowMargin}},
         false,
         false},
        {"another size", 532, 432, RoundedShape(500, 400), false, false},
        {"see-through owner", width, height, RoundedShape(OwnerWidth, OwnerHeight), true, false},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        std::optional<PlacedTransparencyMask> mask;
        if (row.masked) {
            TransparencyMask seeThrough(10, 10);
            seeThrough.SetSeeThrough(3, 3, true);
            mask = PlacedTransparencyMask{seeThrough, 40, 40};
        }
        ShadowOpacities opacities;
        EXPECT_EQ(DrawShadowOpacities(opacities, row.width, row.height, row.shape, mask),
                  row.precomputed);
        EXPECT_TRUE(SameLevels(opacities, Drawn(row.width, row.height, row.shape, mask)));
    }
}

TEST(PrecomputedHaloTest, CutShortOrForeignBytesAreNotTaken) {
    const int width = OwnerWidth + 2 * ShadowMargin;
    const int height = OwnerHeight + 2 * ShadowMargin;
    const std::vector<PixelRect> shape = RoundedShape(OwnerWidth, OwnerHeight);
    const std::string bytes = EncodePrecomputedHalo(Drawn(width, height, shape, {}), shape);
    const auto runs = PrecomputedHaloRuns(bytes, width, height, shape);
    ASSERT_TRUE(runs);
    ShadowOpacities opacities;
    EXPECT_TRUE(opacities.ReferTo(width, height, *runs));
    EXPECT_FALSE(PrecomputedHaloRuns(bytes, width, height + 1, shape));
    EXPECT_FALSE(PrecomputedHaloRuns(bytes.substr(0, 20), width, height, shape));
    for (const std::size_t length :
         {std::size_t{0}, std::size_t{7}, runs->size() / 2, runs->size() - 1}) {
        SCOPED_TRACE(length);
        EXPECT_FALSE(opacities.ReferTo(width, height, runs->substr(0, length)));
    }
    EXPECT_FALSE(opacities.ReferTo(width, height, std::string(*runs) + '\0'));
    EXPECT_EQ(opacities.Width(), width); // the last good runs stay
}

} // namespace
} // namespace mensurix
