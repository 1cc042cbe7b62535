#pragma once

#include <cstddef>
#include <string_view>

namespace mensurix {

enum class ProfileLineKind {
    Other,   // blank line, comment, or a line that is neither a section nor a key
    Section, // "[Name]"
    Key,     // "Name=Value" with a non-empty name
};

// One line of a profile file, as offsets into the contents and views of its names.
struct ProfileLine {
    ProfileLineKind kind = ProfileLineKind::Other;
    std::size_t begin = 0;      // first byte of the line
    std::size_t contentEnd = 0; // first byte of the line end, or the end of the contents
    std::size_t end = 0;        // first byte after the line end
    std::string_view name;      // section or key name without surrounding blanks
    std::string_view value;     // a key's value without surrounding blanks, quotes still on
};

// Splits profile contents into classified lines. Lines end with CR LF, LF or CR; blanks are
// spaces and tabs; a leading UTF-8 byte-order mark is not part of the first line, so a file
// saved by a Windows editor keeps its first section.
class ProfileLineReader {
public:
    explicit ProfileLineReader(std::string_view contents);

    // The next line; false at the end of the contents.
    bool Next(ProfileLine& line);

private:
    std::string_view contents_;
    std::size_t position_ = 0;
};

} // namespace mensurix
