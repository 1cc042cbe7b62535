#pragma once

#include <array>
#include <cstdint>

namespace mensurix {

// Entry [c][a] is c * a / 255 rounded down: colour channel c premultiplied by opacity a. Built
// once, before main runs, so that premultiplying an image is one lookup per channel.
using AlphaScaleTableData = std::array<std::array<std::uint8_t, 256>, 256>;

const AlphaScaleTableData& AlphaScaleTable();

} // namespace mensurix
