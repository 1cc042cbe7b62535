#pragma once

#include <string>

namespace mensurix {

// Whether this process may create files in the folder named by UTF-8 bytes (permissions,
// access lists and read-only mounts all count).
bool IsWritableDirectory(const std::string& dir);

} // namespace mensurix
