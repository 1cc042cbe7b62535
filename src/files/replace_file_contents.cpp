#include "files/replace_file_contents.h"

#include "files/file_error.h"
#include "files/utf8_path.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace mensurix {
namespace {

// A name beside the target that no file has yet. A random part keeps two programs writing the
// same target from picking the same name.
std::filesystem::path UnusedTemporaryPath(const std::filesystem::path& target) {
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
        std::filesystem::path candidate = target;
        candidate += suffix;
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(candidate, error))) {
            return candidate;
        }
    }
}

bool WriteWholeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    if (!stream) {
        return false;
    }
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    stream.close();
    return !stream.fail();
}

} // namespace

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target = PathFromUtf8(path);
    const std::filesystem::path temporary = UnusedTemporaryPath(target);
    std::error_code error;
    if (WriteWholeFile(temporary, bytes)) {
        std::filesystem::rename(temporary, target, error);
        if (!error) {
            return;
        }
    }
    std::filesystem::remove(temporary, error);
    throw FileError("Unable to write to " + path);
}

} // namespace mensurix
