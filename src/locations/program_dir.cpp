#include "locations/program_dir.h"

#include "locations/executable_path.h"

#include <algorithm>

namespace mensurix {

std::string DirectoryOfExecutable(const std::string& executablePath, PathStyle style) {
    const char separator = DirectorySeparator(style);
    const char* delimiters = style == PathStyle::Windows ? "\\/:" : "/";
    const auto last = executablePath.find_last_of(delimiters);
    if (last == std::string::npos) {
        return std::string(".") + separator;
    }
    std::string dir = executablePath.substr(0, last + 1);
    if (style == PathStyle::Windows) {
        std::replace(dir.begin(), dir.end(), '/', '\\');
        if (dir.back() == ':') {
            dir += separator;
        }
    }
    return dir;
}

std::string GetProgramDir() {
    return DirectoryOfExecutable(RunningExecutablePath());
}

} // namespace mensurix
