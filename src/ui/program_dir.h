#pragma once

#include <string>

namespace mensurix {

// The directory part of an executable's path, up to and including its last delimiter ('\\',
// '/' or a drive colon), with a separator appended when the path ends in a drive colon or has
// no delimiter at all. Pure, so that Windows paths are testable anywhere.
std::string DirectoryOfExecutable(const std::string& executablePath);

// The running executable's directory with one trailing separator.
std::string GetProgramDir();

} // namespace mensurix
