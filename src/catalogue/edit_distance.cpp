#include "catalogue/edit_distance.h"

#include "text/ascii_case.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace mensurix {

std::size_t EditDistance(std::string_view a, std::string_view b) {
    const std::string x = AsciiLowercase(a);
    const std::string y = AsciiLowercase(b);
    // One row of the distance table at a time: row[j] is the distance of x's prefix to y[0, j).
    std::vector<std::size_t> row(y.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= x.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= y.size(); ++j) {
            const std::size_t above = row[j];
            row[j] =
                std::min({above + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}

} // namespace mensurix
