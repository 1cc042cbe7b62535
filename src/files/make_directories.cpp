#include "files/make_directories.h"

#include "files/utf8_path.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace mensurix {

void MakeDirectories(const std::string& dir) {
    namespace fs = std::filesystem;
    const std::optional<fs::path> path = PathFromUtf8(dir);
    if (!path) {
        return;
    }
    std::error_code error;
    std::vector<fs::path> missing;
    // The name ends in a separator, so its parent path is the folder itself.
    for (fs::path folder = path->parent_path(); !folder.empty() && !fs::exists(folder, error);
         folder = folder.parent_path()) {
        missing.push_back(folder);
        if (folder == folder.parent_path()) {
            break;
        }
    }
    for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder) {
        if (!fs::create_directory(*folder, error)) {
            return;
        }
        fs::permissions(*folder, fs::perms::owner_all, fs::perm_options::replace, error);
    }
}

} // namespace mensurix
