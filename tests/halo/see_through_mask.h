#pragma once

#include "halo/transparency_mask.h"

namespace mensurix::test {

// The mask of a width x height owner whose left half shows its transparent colour.
inline TransparencyMask LeftHalfSeeThrough(int width, int height) {
    TransparencyMask mask(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width / 2; ++x) {
            mask.SetSeeThrough(x, y, true);
        }
    }
    return mask;
}

} // namespace mensurix::test
