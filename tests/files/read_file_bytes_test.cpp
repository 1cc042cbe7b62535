#include "blocked_file.h"
#include "files/file_error.h"
#include "files/read_file_bytes.h"
#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <system_error>
#include <vector>

namespace mensurix {
namespace {

std::string MessageOf(const std::string& path) {
    try {
        ReadFileBytes(path);
    } catch (const FileError& error) {
        return error.what();
    }
    return "no error";
}

std::string CannotOpenPrefix(const std::string& path) {
    return "Cannot open file \"" + path + "\". ";
}

TEST(ReadFileBytes, ReturnsEveryByteUnchanged) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::string allBytes;
    for (int code = 0; code < 256; ++code) {
        allBytes += static_cast<char>(code);
    }
    const std::vector<Case> cases = {
        {"empty", ""},
        {"NUL and 0xFF", std::string("a\0b\xff\xfe", 5)},
        {"line ends kept", "a\r\nb\rc\n"},
        {"all byte values", allBytes},
        {"larger than one read block", std::string(200000, 'x') + "end"},
    };
    const ScratchDirectory directory;
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReadFileBytes(directory.WriteFile("file.bin", row.bytes)), row.bytes);
    }
}

TEST(ReadFileBytes, OpensNonAsciiNames) {
    const ScratchDirectory directory;
    const std::string path = directory.WriteFile("Gr\xc3\xb6\xc3\x9f"
                                                 "e \xe5\x8d\x95.ini",
                                                 "[A]");
    EXPECT_EQ(ReadFileBytes(path), "[A]");
}

TEST(ReadFileBytes, MissingFileNamesThePathAndTheReason) {
    const ScratchDirectory directory;
    const std::string path = directory.PathOf("missing.dat");
    const std::string message = MessageOf(path);
    ASSERT_EQ(message.rfind(CannotOpenPrefix(path), 0), 0u) << message;
    EXPECT_GT(message.size(), CannotOpenPrefix(path).size());
}

TEST(ReadFileBytes, DirectoryIsRefused) {
    const ScratchDirectory directory;
    const std::string path = directory.PathOf("");
    EXPECT_EQ(MessageOf(path),
              CannotOpenPrefix(path) + std::make_error_code(std::errc::is_a_directory).message());
}

TEST(ReadFileBytes, FileWithoutReadAccessIsRefused) {
    const ScratchDirectory directory;
    const std::string path = directory.WriteFile("secret.ini", "x");
    const BlockedFile blocked(directory.Path() / "secret.ini", BlockedFile::Block::Reading);
    if (!blocked.Holds()) {
        GTEST_SKIP() << "permissions do not stop reading here (privileged user or file system)";
    }
    EXPECT_EQ(MessageOf(path), CannotOpenPrefix(path) +
                                   std::make_error_code(std::errc::permission_denied).message());
}

} // namespace
} // namespace mensurix
