#pragma once

#include <string>

namespace mensurix {

// Creates the folder named by UTF-8 bytes and every missing folder above it; the folders it
// creates are open to their owner only, as per-user settings folders should be. A failure is
// not reported here: the write into the folder that follows reports it.
void MakeDirectories(const std::string& dir);

} // namespace mensurix
