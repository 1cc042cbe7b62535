#include "files/file_status.h"

#include "files/utf8_path.h"

#include <filesystem>
#include <system_error>

namespace mensurix {

bool IsRegularFile(const std::string& path) {
    const auto file = PathFromUtf8(path);
    std::error_code error;
    return file && std::filesystem::is_regular_file(*file, error);
}

} // namespace mensurix
