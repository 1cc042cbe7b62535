#pragma once

namespace mensurix {

// A rectangle of pixels; right and bottom are exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

} // namespace mensurix
