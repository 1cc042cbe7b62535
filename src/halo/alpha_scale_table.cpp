#include "halo/alpha_scale_table.h"

namespace mensurix {
namespace {

AlphaScaleTableData BuildAlphaScaleTable() {
    AlphaScaleTableData table{};
    for (unsigned c = 0; c < 256; ++c) {
        for (unsigned a = 0; a < 256; ++a) {
            table[c][a] = static_cast<std::uint8_t>(c * a / 255);
        }
    }
    return table;
}

const AlphaScaleTableData alphaScaleTable = BuildAlphaScaleTable();

} // namespace

const AlphaScaleTableData& AlphaScaleTable() {
    return alphaScaleTable;
}

} // namespace mensurix
