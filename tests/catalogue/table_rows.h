#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace mensurix {

// One line of a table the catalogue generator writes, and its tab-separated fields.
struct TableRow {
    std::string Line;
    std::vector<std::string> Fields;

    // The field at `index`, or "" where the line ends before it.
    std::string Field(std::size_t index) const {
        return index < Fields.size() ? Fields[index] : std::string();
    }
};

// The rows of the table in the file at `path`; blank lines and "#" comments are left out, and a
// missing file has none.
inline std::vector<TableRow> ReadTableRows(const std::string& path) {
    std::ifstream table(path);
    std::vector<TableRow> rows;
    std::string line;
    while (std::getline(table, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        TableRow row{line, {}};
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) {
            row.Fields.push_back(field);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace mensurix
