#include "cli/text_columns.h"

#include "text/utf8_text.h"

#include <algorithm>

namespace mensurix {

std::string TextColumns(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], Utf8Length(row[column]));
        }
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t column = 0; column < row.size(); ++column) {
            if (column > 0) {
                line.append(widths[column - 1] - Utf8Length(row[column - 1]) + 2, ' ');
            }
            line += row[column];
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace mensurix
