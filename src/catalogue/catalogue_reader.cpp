#include "catalogue/catalogue_reader.h"

#include "files/read_file_bytes.h"
#include "text/utf8_text.h"

#include <algorithm>

namespace mensurix {
namespace {

// A line is blank when only bytes 1..32 remain (NUL already ended the text).
bool IsBlankLine(std::string_view line) {
    for (const char ch : line) {
        if (static_cast<unsigned char>(ch) > 32) {
            return false;
        }
    }
    return true;
}

// Where the first line ends. find_first_of would search the set of two line-end bytes once for
// every byte of the file, which made this scan the largest part of reading the catalogue.
std::size_t LineEnd(std::string_view bytes) {
    const auto end =
        std::find_if(bytes.begin(), bytes.end(), [](char ch) { return ch == '\r' || ch == '\n'; });
    return end == bytes.end() ? std::string_view::npos
                              : static_cast<std::size_t>(end - bytes.begin());
}

struct Split {
    std::string_view before;
    std::string_view after;
    bool found;
};

Split SplitAtFirst(std::string_view text, char separator) {
    const auto p = text.find(separator);
    if (p == std::string_view::npos) {
        return {text, {}, false};
    }
    return {text.substr(0, p), text.substr(p + 1), true};
}

bool StartsWithPlus(std::string_view field) {
    return !field.empty() && field.front() == '+';
}

// Fills an entry from the text after the first '='. The last field always takes the rest of the
// line, so any further '|' belongs to it.
void ReadRightSide(std::string_view right, UnitEntry& entry) {
    const auto first = SplitAtFirst(right, '|');
    if (!first.found) {
        if (StartsWithPlus(right)) {
            entry.Offset = right.substr(1);
            entry.OffsetFirst = true;
        } else {
            entry.FactorFromBase = right;
        }
        return;
    }
    const auto rest = SplitAtFirst(first.after, '|');
    if (StartsWithPlus(first.before)) {
        entry.Offset = first.before.substr(1);
        entry.OffsetFirst = true;
        entry.FactorFromBase = rest.before;
        if (rest.found) {
            entry.FactorToBase = rest.after;
        }
        return;
    }
    entry.FactorFromBase = first.before;
    entry.FactorToBase = rest.before;
    if (rest.found && StartsWithPlus(rest.after)) {
        entry.Offset = rest.after.substr(1);
    } else if (rest.found && rest.after.starts_with('=')) {
        entry.SizeNote = rest.after.substr(1);
    }
}

UnitEntry ReadUnitLine(std::string_view line) {
    UnitEntry entry;
    const auto sides = SplitAtFirst(line, '=');
    if (!sides.found) {
        return entry;
    }
    auto name = sides.before;
    if (!name.empty() && name.front() == '*') {
        entry.IsDefault = true;
        name.remove_prefix(1);
    }
    entry.Name = name;
    ReadRightSide(sides.after, entry);
    entry.Scale = ReadUnitScale(entry);
    return entry;
}

} // namespace

UnitCatalogue ParseCatalogue(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    // A file saved by a Windows editor starts with a byte-order mark, which would otherwise turn
    // the first header into a unit line and lose the first category.
    bytes = WithoutUtf8ByteOrderMark(bytes);
    UnitCatalogue catalogue;
    while (!bytes.empty()) {
        const auto end = LineEnd(bytes);
        const auto line = bytes.substr(0, end);
        if (end == std::string_view::npos) {
            bytes = {};
        } else {
            const bool crlf =
                bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
            bytes.remove_prefix(end + (crlf ? 2 : 1));
        }
        if (IsBlankLine(line)) {
            continue;
        }
        if (line.front() == '[') {
            // The name drops the first and the last character, whatever the last one is.
            catalogue.push_back(
                {std::string(line.substr(1, line.size() >= 2 ? line.size() - 2 : 0)), {}});
        } else if (!catalogue.empty()) {
            catalogue.back().Units.push_back(ReadUnitLine(line));
        }
    }
    return catalogue;
}

UnitCatalogue ReadCatalogueFile(const std::string& path) {
    return ParseCatalogue(ReadFileBytes(path));
}

} // namespace mensurix
