#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mensurix {

// A fresh directory under the system's temporary directory, removed with everything in it when
// the object goes.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    // The UTF-8 path of `name` inside the directory.
    std::string PathOf(std::string_view name) const;

    // Creates or overwrites the file `name` with exactly `bytes`; returns its path.
    std::string WriteFile(std::string_view name, std::string_view bytes) const;

    // The names of the entries of the directory, sorted.
    std::string EntryNames() const;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace mensurix
