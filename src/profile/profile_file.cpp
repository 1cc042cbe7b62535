#include "profile/profile_file.h"

#include "files/file_error.h"
#include "files/file_status.h"
#include "files/read_file_bytes.h"
#include "files/replace_file_contents.h"
#include "profile/profile_text.h"

#include <utility>

namespace mensurix {

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {
    exists_ = IsRegularFile(path_);
    if (!exists_) {
        return;
    }
    try {
        contents_ = ReadFileBytes(path_);
        utf16_ = ReadUtf16(contents_);
        if (utf16_) {
            contents_ = std::move(utf16_->utf8);
        }
    } catch (const FileError&) {
        readable_ = false;
    }
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    return ProfileValue(contents_, section, key).value_or(std::string(defaultValue));
}

bool ProfileFile::HasKey(std::string_view section, std::string_view key) const {
    return ProfileValue(contents_, section, key).has_value();
}

std::vector<std::string> ProfileFile::ReadSectionLines(std::string_view section) const {
    return ProfileSectionLines(contents_, section);
}

void ProfileFile::SetString(std::string_view section, std::string_view key,
                            std::string_view value) {
    contents_ = WithProfileValue(contents_, section, key, value);
}

void ProfileFile::Save() {
    if (!readable_) {
        throw FileError("Unable to write to " + path_);
    }
    if (utf16_) {
        utf16_->utf8 = contents_;
        ReplaceFileContents(path_, WriteUtf16(*utf16_));
    } else {
        ReplaceFileContents(path_, contents_);
    }
    exists_ = true;
}

} // namespace mensurix
