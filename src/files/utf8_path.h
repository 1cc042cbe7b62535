#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace mensurix {

// The path named by UTF-8 bytes, so that non-ASCII names also work where the native path
// encoding is not UTF-8 (Windows). Nullopt when the bytes name no path on this platform: on
// Windows they must be valid UTF-8; elsewhere any bytes are a name.
std::optional<std::filesystem::path> PathFromUtf8(const std::string& path);

} // namespace mensurix
