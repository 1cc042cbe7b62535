#include "halo/shadow_opacities.h"

#include "halo/little_endian_numbers.h"

#include <algorithm>

namespace mensurix {
namespace {

// Transparent stretches shorter than this stay among the listed opacities: a run costs 8 bytes.
constexpr std::size_t ShortestTransparentRun = 8;

} // namespace

namespace detail {

bool NextOpacityRun(std::string_view& runs, std::size_t& transparent, std::string_view& listed) {
    std::uint32_t transparentCount = 0;
    std::uint32_t count = 0;
    if (!TakeNumber32(runs, transparentCount) || !TakeNumber32(runs, count) ||
        runs.size() < count) {
        return false;
    }
    transparent = transparentCount;
    listed = runs.substr(0, count);
    runs.remove_prefix(count);
    return true;
}

} // namespace detail

void AppendOpacityRuns(std::string& bytes, const std::vector<std::uint8_t>& levels) {
    const auto isTransparent = [](std::uint8_t level) { return level == 0; };
    auto position = levels.begin();
    while (position != levels.end()) {
        const auto listed = std::find_if_not(position, levels.end(), isTransparent);
        // The listed opacities end at the next transparent stretch long enough for a run.
        auto end = listed;
        while (end != levels.end()) {
            const auto transparent = std::find_if(end, levels.end(), isTransparent);
            const auto after = std::find_if_not(transparent, levels.end(), isTransparent);
            if (after == levels.end() ||
                static_cast<std::size_t>(after - transparent) >= ShortestTransparentRun) {
                end = transparent;
                break;
            }
            end = after;
        }
        AppendNumber32(bytes, static_cast<std::uint32_t>(listed - position));
        AppendNumber32(bytes, static_cast<std::uint32_t>(end - listed));
        bytes.append(listed, end);
        position = end;
    }
}

void ShadowOpacities::Clear() {
    width_ = 0;
    height_ = 0;
    ownRuns_.clear();
    ownRuns_.shrink_to_fit();
    externalRuns_ = {};
    external_ = false;
}

void ShadowOpacities::TakeGreyLevels(const ShadowImage& image) {
    std::vector<std::uint8_t> levels;
    levels.reserve(static_cast<std::size_t>(image.Width()) *
                   static_cast<std::size_t>(image.Height()));
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            levels.push_back(BlueOf(row[x]));
        }
    }
    ownRuns_.clear();
    AppendOpacityRuns(ownRuns_, levels);
    external_ = false;
    width_ = image.Width();
    height_ = image.Height();
}

bool ShadowOpacities::ReferTo(int width, int height, std::string_view runs) {
    if (width < 0 || height < 0) {
        return false;
    }
    std::size_t left = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::string_view rest = runs;
    std::size_t transparent = 0;
    std::string_view listed;
    while (left > 0) {
        if (!detail::NextOpacityRun(rest, transparent, listed) ||
            transparent + listed.size() > left) {
            return false;
        }
        left -= transparent + listed.size();
    }
    if (!rest.empty()) {
        return false;
    }
    ownRuns_.clear();
    ownRuns_.shrink_to_fit();
    externalRuns_ = runs;
    external_ = true;
    width_ = width;
    height_ = height;
    return true;
}

} // namespace mensurix
