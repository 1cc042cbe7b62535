#pragma once

#include <cstdint>

namespace mensurix {

// The values kept in options.ini between runs.
struct Settings {
    int Digits = 8;            // fraction digits shown, 0..20
    bool Separators = true;    // thousands separators shown
    int Class = 0;             // selected category; -1 for none, not checked against the catalogue
    std::uint8_t Language = 0; // language index; 7 means not chosen yet

    bool operator==(const Settings&) const = default;
};

} // namespace mensurix
