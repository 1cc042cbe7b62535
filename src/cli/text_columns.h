#pragma once

#include <string>
#include <vector>

namespace mensurix {

// Rows of UTF-8 cells as lines of aligned columns: every column but the last padded to its
// widest cell in characters, two blanks between columns, no blanks at a line's end.
std::string TextColumns(const std::vector<std::vector<std::string>>& rows);

} // namespace mensurix
