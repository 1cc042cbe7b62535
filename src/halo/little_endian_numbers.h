#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mensurix {

// 32-bit little-endian numbers in the byte layouts of the halo's opacity runs and precomputed
// halos.
inline void AppendNumber32(std::string& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>(static_cast<std::uint8_t>(value >> shift)));
    }
}

// Takes a number from the front of bytes; false when fewer than four bytes are left.
inline bool TakeNumber32(std::string_view& bytes, std::uint32_t& value) {
    if (bytes.size() < 4) {
        return false;
    }
    value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= std::uint32_t{static_cast<std::uint8_t>(bytes[i])} << (8 * i);
    }
    bytes.remove_prefix(4);
    return true;
}

} // namespace mensurix
