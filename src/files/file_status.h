#pragma once

#include <string>

namespace mensurix {

// Whether a regular file (not a folder, FIFO or device; a link counts as its target) is at the
// path given as UTF-8 bytes.
bool IsRegularFile(const std::string& path);

} // namespace mensurix
