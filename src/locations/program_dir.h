#pragma once

#include "locations/path_style.h"

#include <string>

namespace mensurix {

// The directory part of an executable's path, up to and including its last delimiter, ending in
// exactly one separator. On Windows the delimiters are '\', '/' and a drive colon, and the result
// is written with '\' throughout; elsewhere only '/' delimits. A path without any delimiter gives
// the current directory. Pure, so that both styles are testable on any platform.
std::string DirectoryOfExecutable(const std::string& executablePath,
                                  PathStyle style = HostPathStyle);

// The running executable's directory, as DirectoryOfExecutable gives it.
std::string GetProgramDir();

} // namespace mensurix
