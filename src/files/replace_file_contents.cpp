#include "files/replace_file_contents.h"

#include "files/file_error.h"
#include "files/replace_file_steps.h"
#include "files/utf8_path.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>

namespace mensurix {
namespace {

namespace fs = std::filesystem;

// As many links as the Linux kernel follows before it reports a loop.
constexpr int MaxLinkHops = 40;

constexpr char HexDigits[] = "0123456789abcdef";
constexpr std::size_t TemporaryHexDigits = 16;
constexpr std::string_view TemporaryEnding = ".tmp";

// When this run began: a temporary file of ours older than that is left over from a run that
// was killed while it wrote, since a run removes its own.
const fs::file_time_type RunStart = fs::file_time_type::clock::now();

// Whether `name` is a temporary name that UnusedTemporaryPath gives beside `target`; both in the
// system's own encoding of names.
bool IsTemporaryNameOf(const fs::path::string_type& name, const fs::path::string_type& target) {
    const std::size_t length = target.size() + 1 + TemporaryHexDigits + TemporaryEnding.size();
    if (name.size() != length || name.compare(0, target.size(), target) != 0 ||
        name[target.size()] != '.') {
        return false;
    }
    for (std::size_t i = 0; i < TemporaryHexDigits + TemporaryEnding.size(); ++i) {
        const auto ch = name[target.size() + 1 + i];
        const bool fits = i < TemporaryHexDigits
                              ? (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f')
                              : ch == TemporaryEnding[i - TemporaryHexDigits];
        if (!fits) {
            return false;
        }
    }
    return true;
}

// Removes the temporary files that killed runs left beside the target; another run's file that
// it is writing now is younger than this run and stays.
void RemoveStaleTemporaries(const fs::path& target) {
    const fs::path::string_type targetName = target.filename().native();
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        if (IsTemporaryNameOf(entry->path().filename().native(), targetName) &&
            entry->is_regular_file(ignored) && entry->last_write_time(ignored) < RunStart) {
            fs::remove(entry->path(), ignored);
        }
    }
}

// A name beside the target that no file has yet. A random part keeps two programs writing the
// same target from picking the same name.
fs::path UnusedTemporaryPath(const fs::path& target) {
    static std::mt19937_64 generator{std::random_device{}()};
    for (;;) {
        std::uint64_t bits = generator();
        std::string suffix = ".";
        for (std::size_t i = 0; i < TemporaryHexDigits; ++i) {
            suffix += HexDigits[bits & 0xF];
            bits >>= 4;
        }
        suffix += TemporaryEnding;
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
        if (!replace_steps::OverwriteInPlace(target, bytes)) {
            return false;
        }
        RemoveStaleTemporaries(target);
        return true;
    }
    const fs::path temporary = UnusedTemporaryPath(target);
    if (replace_steps::WriteNewFile(temporary, bytes, regular ? &target : nullptr) &&
        replace_steps::MoveOver(temporary, target)) {
        RemoveStaleTemporaries(target);
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
