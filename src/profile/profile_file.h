#pragma once

#include "text/utf16_text.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mensurix {

// A profile file on disk, read once when the object is made. Keys are set on the contents held
// here and reach the disk together, in one replacement of the whole file, at Save. Anything but
// a regular file at the path (a folder, FIFO or device) reads as no file, and so does a file
// that cannot be read. A file saved as UTF-16 (with its byte-order mark) is read as UTF-8 and
// saved in UTF-16 again.
class ProfileFile {
public:
    explicit ProfileFile(std::string path);

    // Whether a regular file was at the path when the object was made.
    bool Exists() const { return exists_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    bool HasKey(std::string_view section, std::string_view key) const;

    // The text read, as UTF-8 where the file is UTF-16; empty without a readable file.
    const std::string& Contents() const { return contents_; }

    // See ProfileSectionLines; empty when the section is missing.
    std::vector<std::string> ReadSectionLines(std::string_view section) const;

    // Sets the key in the contents held here; see WithProfileValue.
    void SetString(std::string_view section, std::string_view key, std::string_view value);

    // Replaces the file with the contents held here, so that either every key set since the
    // file was read reaches it or none does. Throws FileError("Unable to write to <path>") when
    // that fails, leaving the file as it was. A file that exists but could not be read is never
    // overwritten, so its unseen contents are not lost.
    void Save();

private:
    std::string path_;
    std::string contents_;
    std::optional<Utf16Text> utf16_; // the file's encoding when it is UTF-16; text in contents_
    bool exists_ = false;
    bool readable_ = true;
};

} // namespace mensurix
