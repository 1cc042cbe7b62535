#pragma once

#include <filesystem>
#include <string>

namespace mensurix {

// The path named by UTF-8 bytes, so that non-ASCII names also work where the native path
// encoding is not UTF-8 (Windows).
std::filesystem::path PathFromUtf8(const std::string& path);

} // namespace mensurix
