#include "halo/precomputed_halo.h"
#include "halo/shadow_image_build.h"
#include "ui/shadow/main_window_outline.h"
#include "ui/shadow/owner_shadow_shape.h"
#include "ui/shadow/window_shape.h"

#include <cstdio>
#include <fstream>
#include <string>

// Draws the halo of the main window's outline, as its window region cuts it, and writes it as a
// precomputed halo for the build to embed:
//   halo_precompute OUTPUT
int main(int argc, char* argv[]) {
    using namespace mensurix;
    if (argc != 2) {
        std::fprintf(stderr, "usage: halo_precompute OUTPUT\n");
        return 2;
    }
    const int width = MainWindowWidth;
    const int height = MainWindowHeight;
    const int ellipse = MainWindowCornerEllipse;
    const std::vector<PixelRect> shape = ShapeRectsOfRegion(
        RoundRectRegion(1, 1, width, height, ellipse, ellipse), QPoint(ShadowMargin, ShadowMargin));
    ShadowImage halo;
    halo.Resize(width + 2 * ShadowMargin, height + 2 * ShadowMargin);
    BuildShadowImage(halo, shape, std::nullopt);

    const std::string bytes = EncodePrecomputedHalo(halo, shape);
    std::ofstream output(argv[1], std::ios::binary);
    output.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!output) {
        std::fprintf(stderr, "halo_precompute: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
