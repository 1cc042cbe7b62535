#pragma once

#include "halo/shadow_image.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mensurix {

// A halo's opacities, one per pixel, rows top first, held as runs: most of a halo is
// transparent, so its runs take a few kilobytes where the finished image takes a megabyte. The
// runs follow one another, each a count of transparent pixels, a count of listed pixels and
// those pixels' opacities, one byte each, the counts 32-bit little-endian.
class ShadowOpacities {
public:
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsEmpty() const { return width_ == 0 || height_ == 0; }
    void Clear();

    // The opacities a drawn halo image carries in its colour bytes (the blurred grey levels).
    void TakeGreyLevels(const ShadowImage& image);
    // Refers to runs kept elsewhere for as long as this object uses them, when they cover exactly
    // width x height pixels; otherwise changes nothing and returns false.
    bool ReferTo(int width, int height, std::string_view runs);

    // Calls row(y, opacities) for each row, top first, opacities pointing at Width() bytes.
    template <typename RowFunction> void ForEachRow(RowFunction&& row) const;

private:
    std::string_view Runs() const { return external_ ? externalRuns_ : ownRuns_; }

    int width_ = 0;
    int height_ = 0;
    std::string ownRuns_;
    std::string_view externalRuns_;
    bool external_ = false;
};

// Appends the runs of levels (all pixels of an image, rows top first) to bytes.
void AppendOpacityRuns(std::string& bytes, const std::vector<std::uint8_t>& levels);

namespace detail {
// Reads the next run from the front of runs; false when the bytes run out.
bool NextOpacityRun(std::string_view& runs, std::size_t& transparent, std::string_view& listed);
} // namespace detail

template <typename RowFunction> void ShadowOpacities::ForEachRow(RowFunction&& row) const {
    std::vector<std::uint8_t> opacities(static_cast<std::size_t>(width_));
    std::size_t x = 0;
    int y = 0;
    const auto put = [&](std::size_t count, const char* levels) {
        while (count > 0) {
            const std::size_t taken = std::min(count, opacities.size() - x);
            for (std::size_t i = 0; i < taken; ++i) {
                opacities[x + i] = levels ? static_cast<std::uint8_t>(levels[i]) : 0;
            }
            levels = levels ? levels + taken : nullptr;
            count -= taken;
            x += taken;
            if (x == opacities.size()) {
                row(y++, opacities.data());
                x = 0;
            }
        }
    };
    std::string_view runs = Runs();
    std::size_t transparent = 0;
    std::string_view listed;
    while (y < height_ && detail::NextOpacityRun(runs, transparent, listed)) {
        put(transparent, nullptr);
        put(listed.size(), listed.data());
    }
}

} // namespace mensurix
