#include "ui/shadow/precomputed_halo.h"

#include <algorithm>
#include <cstdint>

namespace mensurix {
namespace {

// Black stretches shorter than this stay among the listed levels: a run costs 8 bytes.
constexpr std::size_t ShortestBlackRun = 8;

void PutNumber(std::string& bytes, std::size_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>(static_cast<std::uint8_t>(bits >> shift)));
    }
}

// Reads the bytes front to back; each read fails once they run out.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    bool Number(std::size_t& value) {
        if (bytes_.size() - offset_ < 4) {
            return false;
        }
        std::uint32_t bits = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            bits |= std::uint32_t{static_cast<std::uint8_t>(bytes_[offset_++])} << shift;
        }
        value = bits;
        return true;
    }
    bool Number(int& value) {
        std::size_t bits = 0;
        const bool read = Number(bits);
        value = static_cast<int>(static_cast<std::uint32_t>(bits));
        return read;
    }
    bool Bytes(std::size_t count, std::string_view& taken) {
        if (bytes_.size() - offset_ < count) {
            return false;
        }
        taken = bytes_.substr(offset_, count);
        offset_ += count;
        return true;
    }
    bool AtEnd() const { return offset_ == bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t offset_ = 0;
};

bool ShapeMatches(ByteReader& reader, const std::vector<PixelRect>& shape) {
    std::size_t count = 0;
    if (!reader.Number(count) || count != shape.size()) {
        return false;
    }
    for (const PixelRect& rect : shape) {
        PixelRect stored;
        if (!reader.Number(stored.left) || !reader.Number(stored.top) ||
            !reader.Number(stored.right) || !reader.Number(stored.bottom)) {
            return false;
        }
        if (stored.left != rect.left || stored.top != rect.top || stored.right != rect.right ||
            stored.bottom != rect.bottom) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string EncodePrecomputedHalo(const ShadowImage& halo, const std::vector<PixelRect>& shape) {
    std::string bytes;
    PutNumber(bytes, static_cast<std::size_t>(halo.Width()));
    PutNumber(bytes, static_cast<std::size_t>(halo.Height()));
    PutNumber(bytes, shape.size());
    for (const PixelRect& rect : shape) {
        for (const int edge : {rect.left, rect.top, rect.right, rect.bottom}) {
            PutNumber(bytes, static_cast<std::size_t>(static_cast<std::uint32_t>(edge)));
        }
    }
    std::string levels;
    for (int y = 0; y < halo.Height(); ++y) {
        for (int x = 0; x < halo.Width(); ++x) {
            levels.push_back(static_cast<char>(BlueOf(halo.Pixel(x, y))));
        }
    }
    const auto isBlack = [](char level) { return level == 0; };
    auto position = levels.begin();
    while (position != levels.end()) {
        const auto listed = std::find_if_not(position, levels.end(), isBlack);
        // The listed levels end at the next black stretch long enough for a run of its own.
        auto end = listed;
        while (end != levels.end()) {
            const auto black = std::find_if(end, levels.end(), isBlack);
            const auto afterBlack = std::find_if_not(black, levels.end(), isBlack);
            if (afterBlack == levels.end() ||
                static_cast<std::size_t>(afterBlack - black) >= ShortestBlackRun) {
                end = black;
                break;
            }
            end = afterBlack;
        }
        PutNumber(bytes, static_cast<std::size_t>(listed - position));
        PutNumber(bytes, static_cast<std::size_t>(end - listed));
        bytes.append(listed, end);
        position = end;
    }
    return bytes;
}

bool DecodePrecomputedHalo(std::string_view bytes, const std::vector<PixelRect>& shape,
                           ShadowImage& image) {
    ByteReader reader(bytes);
    int width = 0;
    int height = 0;
    if (!reader.Number(width) || !reader.Number(height) || width != image.Width() ||
        height != image.Height() || !ShapeMatches(reader, shape)) {
        return false;
    }
    // The image's rows lie one after the other.
    std::uint32_t* pixel = image.Row(0);
    std::size_t left = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    while (left > 0) {
        std::size_t black = 0;
        std::size_t count = 0;
        std::string_view levels;
        if (!reader.Number(black) || !reader.Number(count) || black + count > left ||
            !reader.Bytes(count, levels)) {
            return false;
        }
        pixel = std::fill_n(pixel, black, BlackPixel);
        for (const char level : levels) {
            const auto grey = static_cast<std::uint8_t>(level);
            *pixel++ = MakePixel(0, grey, grey, grey);
        }
        left -= black + count;
    }
    return reader.AtEnd();
}

} // namespace mensurix
