#include "scratch_directory.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace mensurix {

ScratchDirectory::ScratchDirectory() {
    std::mt19937_64 generator{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate = std::filesystem::temp_directory_path() /
                                                ("mensurix-test-" + std::to_string(generator()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("no scratch directory");
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code error;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
}

std::string ScratchDirectory::PathOf(std::string_view name) const {
    const std::u8string text = (path_ / std::u8string(name.begin(), name.end())).u8string();
    return std::string(text.begin(), text.end());
}

std::string ScratchDirectory::WriteFile(std::string_view name, std::string_view bytes) const {
    const std::string path = PathOf(name);
    std::ofstream stream(std::filesystem::path(std::u8string(path.begin(), path.end())),
                         std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!stream) {
        throw std::runtime_error("cannot write a scratch file");
    }
    return path;
}

std::string ScratchDirectory::EntryNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const auto& name : names) {
        joined += joined.empty() ? name : " " + name;
    }
    return joined;
}

} // namespace mensurix
