#include "files/file_error.h"
#include "files/read_file_bytes.h"
#include "files/replace_file_contents.h"
#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace mensurix {
namespace {

std::string MessageOf(const std::string& path, std::string_view bytes) {
    try {
        ReplaceFileContents(path, bytes);
    } catch (const FileError& error) {
        return error.what();
    }
    return "no error";
}

TEST(ReplaceFileContents, TargetHoldsExactlyTheNewBytesAndNothingIsLeftBeside) {
    struct Case {
        const char* name;
        std::string oldBytes; // empty: no file before
        std::string newBytes;
    };
    const std::vector<Case> cases = {
        {"new file", "", "[OPTIONS]\r\nDigits=8\r\n"},
        {"shorter than the old contents", "a long old text\n", "new"},
        {"longer than the old contents", "old", std::string(100000, 'n')},
        {"emptied", "old", ""},
        {"NUL and 0xFF", "old", std::string("\0\xff\r\n\0", 5)},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const ScratchDirectory directory;
        const std::string path = directory.PathOf("options.ini");
        if (!row.oldBytes.empty()) {
            directory.WriteFile("options.ini", row.oldBytes);
        }
        ReplaceFileContents(path, row.newBytes);
        EXPECT_EQ(ReadFileBytes(path), row.newBytes);
        EXPECT_EQ(directory.EntryNames(), "options.ini");
    }
}

TEST(ReplaceFileContents, WritesNonAsciiNames) {
    const ScratchDirectory directory;
    const std::string path = directory.PathOf("\xc3\xa9t\xc3\xa9.ini");
    ReplaceFileContents(path, "x");
    EXPECT_EQ(ReadFileBytes(path), "x");
}

TEST(ReplaceFileContents, MissingDirectoryFailsWithoutCreatingAnything) {
    const ScratchDirectory directory;
    const std::string path = directory.PathOf("no-such-dir/options.ini");
    EXPECT_EQ(MessageOf(path, "x"), "Unable to write to " + path);
    EXPECT_EQ(directory.EntryNames(), "");
}

TEST(ReplaceFileContents, DirectoryTargetStaysAsItWas) {
    const ScratchDirectory directory;
    std::filesystem::create_directory(directory.Path() / "options.ini");
    directory.WriteFile("options.ini/inside", "kept");
    const std::string path = directory.PathOf("options.ini");
    EXPECT_EQ(MessageOf(path, "x"), "Unable to write to " + path);
    EXPECT_EQ(directory.EntryNames(), "options.ini");
    EXPECT_EQ(ReadFileBytes(directory.PathOf("options.ini/inside")), "kept");
}

TEST(ReplaceFileContents, ReadOnlyDirectoryKeepsTheOldFile) {
    const ScratchDirectory directory;
    const std::string path = directory.WriteFile("options.ini", "old");
    std::filesystem::permissions(directory.Path(), std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::owner_exec);
    if (std::ofstream(directory.Path() / "probe")) {
        std::filesystem::remove(directory.Path() / "probe");
        GTEST_SKIP() << "permissions do not stop writing here (privileged user or file system)";
    }
    EXPECT_EQ(MessageOf(path, "new"), "Unable to write to " + path);
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(directory.EntryNames(), "options.ini");
}

} // namespace
} // namespace mensurix
