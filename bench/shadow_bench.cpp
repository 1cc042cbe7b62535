#include "halo/shadow_color.h"
#include "halo/shadow_image_build.h"
#include "halo/shadow_image_scale.h"
#include "halo/shadow_layer.h"
#include "ui/shadow/main_window_outline.h"
#include "ui/shadow/owner_shadow_shape.h"
#include "ui/shadow/window_shape.h"

#include <benchmark/benchmark.h>

namespace mensurix {
namespace {

// What the halo window makes of a drawn image: its opacities, then the premultiplied rows.
void PremultiplyLayer(const ShadowImage& image) {
    ShadowOpacities opacities;
    opacities.TakeGreyLevels(image);
    ForEachLayerRow(opacities, RgbFromColorRef(MainWindowShadowColor),
                    [](int, const std::uint32_t* pixels) { benchmark::DoNotOptimize(pixels); });
}

// One halo image for the main window: drawing, blurring and premultiplying, what a
// resize of the window costs (a move costs none of it).
void BM_BuildMainWindowHalo(benchmark::State& state) {
    const std::vector<PixelRect> shape =
        ShapeRectsOfRegion(RoundRectRegion(1, 1, MainWindowWidth, MainWindowHeight,
                                           MainWindowCornerEllipse, MainWindowCornerEllipse),
                           QPoint(ShadowMargin, ShadowMargin));
    ShadowImage image;
    image.Resize(MainWindowWidth + 2 * ShadowMargin, MainWindowHeight + 2 * ShadowMargin);
    for (auto _ : state) {
        BuildShadowImage(image, shape, std::nullopt);
        PremultiplyLayer(image);
    }
}
BENCHMARK(BM_BuildMainWindowHalo)->Unit(benchmark::kMillisecond);

// The same halo for a screen scaled by range(0) percent: drawn at 100 % and resampled to device
// pixels, what showing the window there costs once.
void BM_BuildScaledMainWindowHalo(benchmark::State& state) {
    const std::vector<PixelRect> shape =
        ShapeRectsOfRegion(RoundRectRegion(1, 1, MainWindowWidth, MainWindowHeight,
                                           MainWindowCornerEllipse, MainWindowCornerEllipse),
                           QPoint(ShadowMargin, ShadowMargin));
    const int width = MainWindowWidth + 2 * ShadowMargin;
    const int height = MainWindowHeight + 2 * ShadowMargin;
    const HaloScale scale = HaloScaleFor(static_cast<double>(state.range(0)) / 100, width, height);
    ShadowImage image;
    for (auto _ : state) {
        BuildScaledShadowImage(image, scale, width, height, shape, std::nullopt);
        PremultiplyLayer(image);
    }
}
BENCHMARK(BM_BuildScaledMainWindowHalo)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace mensurix
