#include "files/replace_file_contents.h"

#include "files/file_error.h"
#include "files/replace_file_steps.h"
#include "files/utf8_path.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <system_error>

namespace mensurix {
namespace {

namespace fs = std::filesystem;

// As many links as the Linux kernel follows before it reports a loop.
constexpr int MaxLinkHops = 40;

// A name beside the target that no file has yet. A random part keeps two programs writing the
// same target from picking the same name.
fs::path UnusedTemporaryPath(const fs::path& target) {
    static std::mt19937_64 generator{std::random_device{}()};
    static constexpr char hexDigits[] = "0123456789abcdef";
    for (;;) {
        std::uint64_t bits = generator();
        std::string suffix = ".";
        for (int i = 0; i < 16; ++i) {
            suffix += hexDigits[bits & 0xF];
            bits >>= 4;
        }
        suffix += ".tmp";
        fs::path candidate = target;
        candidate += suffix;
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error))) {
            return candidate;
        }
    }
}

// The name a chain of symbolic links ends at, so that the file behind them gets the contents
// and the links stay. A loop, or a chain too long to follow, holds nothing to keep: the name
// itself is then replaced.
fs::path NameBehindLinks(const fs::path& name) {
    fs::path current = name;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) {
            return current;
        }
        const fs::path next = fs::read_symlink(current, error);
        if (error) {
            return name;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return name;
}

bool Replace(const fs::path& name, std::string_view bytes) {
    const fs::path target = NameBehindLinks(name);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    const bool existed = fs::exists(status);
    const bool regular = fs::is_regular_file(status);
    // Only a file's contents are ours to replace, never a folder, FIFO, device or socket.
    if (existed && !regular && !fs::is_symlink(status)) {
        return false;
    }
    if (regular && replace_steps::MustOverwriteInPlace(target)) {
        return replace_steps::OverwriteInPlace(target, bytes);
    }
    const fs::path temporary = UnusedTemporaryPath(target);
    if (replace_steps::WriteNewFile(temporary, bytes, regular ? &target : nullptr) &&
        replace_steps::MoveOver(temporary, target)) {
        return true;
    }
    // A replacement that failed half-way may have taken the target away (Windows reports that
    // case); the temporary then holds the only copy and stays.
    if (!existed || fs::exists(fs::symlink_status(target, error))) {
        fs::remove(temporary, error);
    }
    return false;
}

} // namespace

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const auto name = PathFromUtf8(path);
    if (!name || !Replace(*name, bytes)) {
        throw FileError("Unable to write to " + path);
    }
}

} // namespace mensurix
