#include "files/utf8_path.h"

namespace mensurix {

std::optional<std::filesystem::path> PathFromUtf8(const std::string& path) {
    try {
        return std::filesystem::path(std::u8string(path.begin(), path.end()));
    } catch (const std::filesystem::filesystem_error&) {
        return std::nullopt;
    }
}

} // namespace mensurix
