#include "main_window_halo.h"
#include "see_through_mask.h"

#include "halo/alpha_scale_table.h"
#include "halo/shadow_blur.h"
#include "halo/shadow_color.h"
#include "halo/shadow_image_build.h"
#include "halo/shadow_layer.h"
#include "halo/transparency_mask.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

using test::MainWindowHalo;
using test::OwnerHeight;
using test::OwnerWidth;

// The shape's outermost pixels in the halo image: window columns 1 to 609 and rows 1 to 449,
// moved by the margin.
constexpr int ShapeLeft = ShadowMargin + 1;
constexpr int ShapeRight = ShadowMargin + OwnerWidth - 1;
constexpr int ShapeTop = ShadowMargin + 1;
constexpr int ShapeBottom = ShadowMargin + OwnerHeight - 1;
constexpr int MiddleX = ShadowMargin + OwnerWidth / 2;
constexpr int MiddleY = ShadowMargin + OwnerHeight / 2;

struct EdgeCase {
    std::string name;
    int startX, startY; // the first pixel outside the shape
    int stepX, stepY;   // going outward
    std::vector<int> opacities;
};

std::vector<int> OpacitiesOutward(const ShadowImage& image, const EdgeCase& edge) {
    std::vector<int> found;
    for (int x = edge.startX, y = edge.startY;
         x >= 0 && y >= 0 && x < image.Width() && y < image.Height();
         x += edge.stepX, y += edge.stepY) {
        found.push_back(AlphaOf(image.Pixel(x, y)));
    }
    return found;
}

TEST(ShadowImageTest, MainWindowHaloHasTheSizeOfTheWindowPlusTheMargins) {
    const ShadowImage image = MainWindowHalo();
    EXPECT_EQ(image.Width(), 642);
    EXPECT_EQ(image.Height(), 482);
}

TEST(ShadowImageTest, HaloFadesOutwardFromTheMiddleOfEachEdge) {
    const std::vector<int> sides = {113, 97, 79, 64, 48, 37, 24, 17, 11, 7, 4, 3, 1, 1};
    auto then = [](std::vector<int> values, int zeros) {
        values.insert(values.end(), zeros, 0);
        return values;
    };
    const std::vector<EdgeCase> edges = {
        // 17 pixels lie left of column 17 and above row 17, 16 right and below the shape.
        {"left", ShapeLeft - 1, MiddleY, -1, 0, then(sides, 3)},
        {"right", ShapeRight + 1, MiddleY, 1, 0, then(sides, 2)},
        {"top", MiddleX, ShapeTop - 1, 0, -1, then({140, 121, 99, 71, 47, 31}, 11)},
        // The in-place blur carries the halo downward to the image's edge.
        {"bottom",
         MiddleX,
         ShapeBottom + 1,
         0,
         1,
         {91, 76, 63, 51, 41, 34, 27, 21, 17, 14, 10, 8, 7, 5, 4, 4}},
    };
    const ShadowImage image = MainWindowHalo();
    for (const EdgeCase& edge : edges) {
        SCOPED_TRACE(edge.name);
        EXPECT_EQ(OpacitiesOutward(image, edge), edge.opacities);
    }
}

TEST(ShadowImageTest, NoHaloInsideTheWindowShape) {
    const ShadowImage image = MainWindowHalo();
    int opaqueInside = 0;
    for (int y = ShapeTop + 5; y <= ShapeBottom - 5; ++y) {
        for (int x = ShapeLeft; x <= ShapeRight; ++x) {
            opaqueInside += AlphaOf(image.Pixel(x, y)) != 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(opaqueInside, 0);
    EXPECT_EQ(image.Pixel(ShapeLeft, MiddleY), 0u);
    EXPECT_EQ(image.Pixel(MiddleX, ShapeTop), 0u);
}

TEST(ShadowImageTest, ColourIsPremultipliedByTheOpacity) {
    const ShadowImage image = MainWindowHalo();
    const std::uint32_t pixel = image.Pixel(ShapeLeft - 1, MiddleY);
    EXPECT_EQ(AlphaOf(pixel), 113);
    EXPECT_EQ(RedOf(pixel), 32);
    EXPECT_EQ(GreenOf(pixel), 53);
    EXPECT_EQ(BlueOf(pixel), 71);
}

TEST(ShadowImageTest, RecolouringKeepsEveryOpacity) {
    const ShadowImage before = MainWindowHalo();
    const ShadowImage image = MainWindowHalo(0x0000FF);
    bool opacitiesKept = true;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            opacitiesKept =
                opacitiesKept && AlphaOf(image.Pixel(x, y)) == AlphaOf(before.Pixel(x, y));
        }
    }
    EXPECT_TRUE(opacitiesKept);
    const std::uint32_t pixel = image.Pixel(ShapeLeft - 1, MiddleY);
    EXPECT_EQ(RedOf(pixel), 113);
    EXPECT_EQ(GreenOf(pixel), 0);
    EXPECT_EQ(BlueOf(pixel), 0);
}

TEST(ShadowImageTest, ColourRefIsLaidOutBlueGreenRed) {
    const ShadowColorRgb color = RgbFromColorRef(MainWindowShadowColor);
    EXPECT_EQ(color.red, 74);
    EXPECT_EQ(color.green, 121);
    EXPECT_EQ(color.blue, 161);
    EXPECT_EQ(RgbFromColorRef(0xFF000000u).red, 0);
}

TEST(AlphaScaleTableTest, RoundsTheProductDown) {
    const AlphaScaleTableData& table = AlphaScaleTable();
    EXPECT_EQ(table[255][255], 255);
    EXPECT_EQ(table[255][0], 0);
    EXPECT_EQ(table[0][255], 0);
    EXPECT_EQ(table[254][254], 253); // 252.0039...
    EXPECT_EQ(table[128][128], 64);  // 64.25
    EXPECT_EQ(table[74][113], 32);   // 32.79: down, not to the nearest
    EXPECT_EQ(&AlphaScaleTable(), &table);
}

// A 5 x 5 image with one white pixel, so that the in-place order of a pass shows.
ShadowImage Dot(int x, int y, std::uint32_t alphaEverywhere) {
    ShadowImage image;
    image.Resize(5, 5);
    image.Fill(alphaEverywhere);
    image.FillRects({{x, y, x + 1, y + 1}}, alphaEverywhere | 0x00FCFCFC);
    return image;
}

std::vector<int> BlueRow(const ShadowImage& image, int y) {
    std::vector<int> row;
    for (int x = 0; x < image.Width(); ++x) {
        row.push_back(BlueOf(image.Pixel(x, y)));
    }
    return row;
}

TEST(BlurPassTest, ReadsWhatThisPassHasAlreadyWritten) {
    ShadowImage image = Dot(1, 1, 0);
    BlurPass(image, 1);
    // Row 0 is its own upper source: (1, 0) reads the 63 just written at (0, 0), where a blur
    // into a second buffer would give 0. Row 1 then reads row 0 as replaced, not the original.
    EXPECT_EQ(BlueRow(image, 0), (std::vector<int>{63, 15, 66, 16, 4}));
    EXPECT_EQ(BlueRow(image, 1), (std::vector<int>{19, 32, 7, 17, 5}));
}

TEST(BlurPassTest, ClampsSourcesAtTheEdgesAndKeepsAlpha) {
    ShadowImage image = Dot(0, 0, 0x7F000000u);
    BlurPass(image, 2);
    // Pixel (0, 0) reads (0, 0), (2, 0), (0, 2), (2, 2): only itself is white.
    EXPECT_EQ(image.Pixel(0, 0), 0x7F3F3F3Fu);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(AlphaOf(image.Pixel(x, y)), 0x7F) << x << "," << y;
        }
    }
}

TEST(TransparencyMaskTest, OpaqueStepWhitensOwnPixelsAndBlackensSeeThroughOnes) {
    struct Case {
        std::string name;
        bool opaque;
        std::uint32_t ownPixel;        // result where the owner paints itself
        std::uint32_t seeThroughPixel; // result where it shows its transparent colour
    };
    const std::vector<Case> cases = {
        {"opaque", true, WhitePixel, BlackPixel},
        {"after blur", false, BlackPixel, 0x00808080u},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        ShadowImage image;
        image.Resize(4, 3);
        image.Fill(0x55808080u);
        TransparencyMask mask(2, 1);
        mask.SetSeeThrough(1, 0, true);
        ApplyTransparencyMask(image, mask, 1, 1, row.opaque);
        EXPECT_EQ(image.Pixel(1, 1), row.ownPixel);
        EXPECT_EQ(image.Pixel(2, 1), row.seeThroughPixel);
        EXPECT_EQ(image.Pixel(0, 1), 0x55808080u);
        EXPECT_EQ(image.Pixel(1, 0), 0x55808080u);
    }
}

TEST(TransparencyMaskTest, IsClippedToTheImage) {
    ShadowImage image;
    image.Resize(2, 2);
    image.Fill(0x00101010u);
    TransparencyMask mask(3, 3);
    ApplyTransparencyMask(image, mask, -1, 1, true);
    EXPECT_EQ(image.Pixel(0, 0), 0x00101010u);
    EXPECT_EQ(image.Pixel(0, 1), WhitePixel);
    EXPECT_EQ(image.Pixel(1, 1), WhitePixel);
}

TEST(BuildShadowImageTest, SeeThroughPixelsCastNoHaloAndKeepTheHaloBeneath) {
    // An 80 x 20 owner whose left half shows its transparent colour; the halo reaches about 14
    // pixels sideways, less than the see-through half is wide.
    constexpr int width = 80;
    constexpr int height = 20;
    ShadowImage image;
    image.Resize(width + 2 * ShadowMargin, height + 2 * ShadowMargin);
    const TransparencyMask mask = test::LeftHalfSeeThrough(width, height);
    const std::vector<PixelRect> shape = {
        {ShadowMargin, ShadowMargin, ShadowMargin + width, ShadowMargin + height}};
    BuildShadowImage(image, shape, PlacedTransparencyMask{mask, ShadowMargin, ShadowMargin});
    const int y = ShadowMargin + height / 2;
    const int opaqueLeft = ShadowMargin + width / 2;
    EXPECT_EQ(BlueOf(image.Pixel(ShadowMargin - 1, y)), 0) << "left of the see-through half";
    EXPECT_GT(BlueOf(image.Pixel(opaqueLeft - 1, y)), 0) << "visible through the see-through half";
    EXPECT_EQ(BlueOf(image.Pixel(opaqueLeft, y)), 0) << "under the owner's own pixels";
    EXPECT_GT(BlueOf(image.Pixel(ShadowMargin + width, y)), 0) << "right of the owner";
}

} // namespace
} // namespace mensurix
