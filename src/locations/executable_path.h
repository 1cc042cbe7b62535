#pragma once

#include <string>

namespace mensurix {

// The full path of the running executable as UTF-8 bytes, links resolved where the system does
// so; empty when the system cannot tell.
std::string RunningExecutablePath();

} // namespace mensurix
