#pragma once

#include <string>

namespace mensurix {

// The whole file as bytes. Throws FileError("Cannot open file \"<path>\". <reason>") when the
// file is missing, is not a regular file (a directory, FIFO or device), cannot be read, or its
// name is no path on this platform; <reason> is the operating system's text.
std::string ReadFileBytes(const std::string& path);

} // namespace mensurix
