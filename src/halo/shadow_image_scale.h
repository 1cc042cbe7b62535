#pragma once

#include "halo/shadow_image_build.h"

#include <vector>

namespace mensurix {

// A halo image in device pixels for a device pixel ratio: the logical image scaled by ratio and
// rounded as the window system rounds window sizes, the owner's outer top-left corner at margin.
struct HaloScale {
    double ratio = 1.0;
    int margin = ShadowMargin;
    int width = 0;
    int height = 0;
};

// The device image of a logical halo image of logicalWidth x logicalHeight.
HaloScale HaloScaleFor(double ratio, int logicalWidth, int logicalHeight);

// The shape's rectangles (logical image coordinates) in device image coordinates: the device
// pixels wholly inside each scaled rectangle. However the window system rounds the owner's mask,
// it covers them, so no gap opens between the owner and its halo.
std::vector<PixelRect> ScaleShape(const std::vector<PixelRect>& shape, const HaloScale& scale);

// The mask in device pixels, each device pixel taking the logical pixel under its centre.
PlacedTransparencyMask ScaleTransparencyMask(const PlacedTransparencyMask& mask,
                                             const HaloScale& scale);

// Draws the halo of a logical shape for a device image: the halo blurred as at 100 % in a
// logical image of logicalWidth x logicalHeight, resampled bilinearly between logical pixel
// centres, then the owner's area in device pixels cut out. Drawn at 100 % and scaled rather than
// blurred at the device size, it is the same soft shadow at every ratio.
void BuildScaledShadowImage(ShadowImage& device, const HaloScale& scale, int logicalWidth,
                            int logicalHeight, const std::vector<PixelRect>& shape,
                            const std::optional<PlacedTransparencyMask>& mask);

} // namespace mensurix
