#include "files/file_status.h"

#include "files/utf8_path.h"

#include <filesystem>
#include <system_error>

namespace mensurix {

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(PathFromUtf8(path), error);
}

} // namespace mensurix
