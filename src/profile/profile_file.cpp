#include "profile/profile_file.h"

#include "files/file_error.h"
#include "files/read_file_bytes.h"
#include "files/replace_file_contents.h"
#include "files/utf8_path.h"
#include "profile/profile_text.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace mensurix {

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(PathFromUtf8(path_), error);
    exists_ = !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
    if (!exists_) {
        return;
    }
    try {
        contents_ = ReadFileBytes(path_);
    } catch (const FileError&) {
        readable_ = false;
    }
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    return ProfileValue(contents_, section, key).value_or(std::string(defaultValue));
}

std::vector<std::string> ProfileFile::ReadSectionLines(std::string_view section) const {
    return ProfileSectionLines(contents_, section);
}

void ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    if (!readable_) {
        throw FileError("Unable to write to " + path_);
    }
    std::string updated = WithProfileValue(contents_, section, key, value);
    ReplaceFileContents(path_, updated);
    contents_ = std::move(updated);
    exists_ = true;
}

} // namespace mensurix
