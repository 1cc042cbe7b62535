#include "locations/data_directory.h"

#include "files/file_status.h"

namespace mensurix {
namespace {

// The folder above a folder that ends in a separator, worked out on the text: the executable's
// path has its links resolved already. Empty for a root.
std::string ParentDirectory(const std::string& dir, PathStyle style) {
    const std::string inner = dir.substr(0, dir.size() - 1);
    if (inner.empty() || (style == PathStyle::Windows && inner.back() == ':')) {
        return {};
    }
    const auto last = inner.find_last_of(style == PathStyle::Windows ? "\\/:" : "/");
    const std::string name = last == std::string::npos ? inner : inner.substr(last + 1);
    if (name == "." || name == "..") {
        return dir + ".." + DirectorySeparator(style);
    }
    return last == std::string::npos ? std::string(".") + DirectorySeparator(style)
                                     : inner.substr(0, last + 1);
}

} // namespace

std::string FindDataDirectory(const std::string& programDir, PathStyle style) {
    if (IsRegularFile(programDir + "Units.dat")) {
        return programDir;
    }
    const std::string parent = ParentDirectory(programDir, style);
    if (!parent.empty()) {
        const char separator = DirectorySeparator(style);
        const std::string installed = parent + "share" + separator + "mensurix" + separator;
        if (IsRegularFile(installed + "Units.dat")) {
            return installed;
        }
    }
    return programDir;
}

} // namespace mensurix
