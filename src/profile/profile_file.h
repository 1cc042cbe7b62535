#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mensurix {

// A profile file on disk, read once when the object is made and written through at every
// WriteString. A missing file, a directory and a file that cannot be read all read as empty.
class ProfileFile {
public:
    explicit ProfileFile(std::string path);

    // Whether a file (not a directory) was at the path when the object was made.
    bool Exists() const { return exists_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    // See ProfileSectionLines; empty when the section is missing.
    std::vector<std::string> ReadSectionLines(std::string_view section) const;

    // Sets the key and replaces the file at once. Throws FileError("Unable to write to <path>")
    // when that fails, leaving the file and this object as they were. A file that exists but
    // could not be read is never overwritten, so its unseen contents are not lost.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

private:
    std::string path_;
    std::string contents_;
    bool exists_ = false;
    bool readable_ = true;
};

} // namespace mensurix
