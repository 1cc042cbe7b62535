#pragma once

#include <string>

namespace mensurix {

// The whole file as bytes. Throws FileError("Cannot open file \"<path>\". <reason>") when the
// file is missing, is a directory or cannot be read; <reason> is the operating system's text.
std::string ReadFileBytes(const std::string& path);

} // namespace mensurix
