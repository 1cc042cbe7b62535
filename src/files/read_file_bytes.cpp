#include "files/read_file_bytes.h"

#include "files/file_error.h"
#include "files/utf8_path.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#ifdef _WIN32
#include <share.h>
#endif

namespace mensurix {
namespace {

[[noreturn]] void ThrowCannotOpen(const std::string& path, const std::string& reason) {
    throw FileError("Cannot open file \"" + path + "\". " + reason);
}

// The C runtime sets errno for a failed open or read on every platform we build for; the
// fallback only guards against a library that does not.
std::string LastErrorText() {
    const int error = errno;
    if (error == 0) {
        return std::make_error_code(std::errc::io_error).message();
    }
    return std::generic_category().message(error);
}

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, CloseFile>;

// C streams rather than iostreams: a program that only reads a few files at start-up then loads
// none of the iostream and locale machinery.
FileHandle OpenForReading(const std::filesystem::path& file) {
#ifdef _WIN32
    // Shared like the file streams open a file, so that others can keep writing it.
    return FileHandle(_wfsopen(file.c_str(), L"rb", _SH_DENYNO));
#else
    return FileHandle(std::fopen(file.c_str(), "rb"));
#endif
}

} // namespace

std::string ReadFileBytes(const std::string& path) {
    const auto name = PathFromUtf8(path);
    if (!name) {
        ThrowCannotOpen(path, std::make_error_code(std::errc::invalid_argument).message());
    }
    const std::filesystem::path& file = *name;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error) {
        ThrowCannotOpen(path, error.message());
    }
    if (std::filesystem::is_directory(status)) {
        ThrowCannotOpen(path, std::make_error_code(std::errc::is_a_directory).message());
    }
    // Opening a FIFO would wait for a writer, and a device never ends: neither is data.
    if (!std::filesystem::is_regular_file(status)) {
        ThrowCannotOpen(path, "Not a regular file");
    }

    errno = 0;
    const FileHandle stream = OpenForReading(file);
    if (!stream) {
        ThrowCannotOpen(path, LastErrorText());
    }
    std::string bytes;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error) {
        bytes.reserve(static_cast<std::size_t>(size));
    }
    // Read in blocks rather than trusting the size: special files report 0.
    char block[65536];
    std::size_t count = 0;
    while ((count = std::fread(block, 1, sizeof block, stream.get())) > 0) {
        bytes.append(block, count);
    }
    if (std::ferror(stream.get())) {
        ThrowCannotOpen(path, LastErrorText());
    }
    return bytes;
}

} // namespace mensurix
