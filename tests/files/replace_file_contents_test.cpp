#include "blocked_file.h"
#include "files/file_error.h"
#include "files/read_file_bytes.h"
#include "files/replace_file_contents.h"
#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
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

// Temporaries that a killed run left beside the target go at the next save; names not ours,
// and one another run is writing now, stay.
TEST(ReplaceFileContents, StaleTemporariesOfKilledRunsAreRemoved) {
    namespace fs = std::filesystem;
    const ScratchDirectory directory;
    const auto now = fs::file_time_type::clock::now();
    const struct {
        const char* name;
        std::chrono::hours age;
        bool stays;
    } entries[] = {
        {"options.ini.0123456789abcdef.tmp", std::chrono::hours(2), false},
        {"options.ini.fedcba9876543210.tmp", std::chrono::hours(-1), true}, // younger than the run
        {"options.ini.0123.tmp", std::chrono::hours(2), true},
        {"other.ini.0123456789abcdef.tmp", std::chrono::hours(2), true},
        {"options.ini.0123456789abcdef.tmp.bak", std::chrono::hours(2), true},
    };
    for (const auto& entry : entries) {
        fs::last_write_time(directory.WriteFile(entry.name, "left"), now - entry.age);
    }
    ReplaceFileContents(directory.PathOf("options.ini"), "new");
    std::set<std::string> staying = {"options.ini"};
    for (const auto& entry : entries) {
        if (entry.stays) {
            staying.insert(entry.name);
        }
    }
    std::string expected;
    for (const auto& name : staying) {
        expected += (expected.empty() ? "" : " ") + name;
    }
    EXPECT_EQ(directory.EntryNames(), expected);
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

// A folder without write access, or on Windows a file that another program holds open without
// sharing: the old file stays, and so does nothing else.
TEST(ReplaceFileContents, UnreplaceableTargetKeepsTheOldFile) {
    const ScratchDirectory directory;
    const std::string path = directory.WriteFile("options.ini", "old");
    BlockedFile blocked(directory.Path() / "options.ini", BlockedFile::Block::Replacing);
    if (!blocked.Holds()) {
        GTEST_SKIP() << "permissions do not stop writing here (privileged user or file system)";
    }
    EXPECT_EQ(MessageOf(path, "new"), "Unable to write to " + path);
    blocked.Release();
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(directory.EntryNames(), "options.ini");
}

// A link stays a link, however many stand in a row, and the file at the end of them gets the
// contents; a link to nothing yet gets its file.
TEST(ReplaceFileContents, LinksStayAndTheFileBehindThemIsWritten) {
    const ScratchDirectory directory;
    std::filesystem::create_directory(directory.Path() / "real");
    directory.WriteFile("real/options.ini", "old");
    std::error_code error;
    std::filesystem::create_symlink("real/options.ini", directory.Path() / "middle", error);
    std::filesystem::create_symlink("middle", directory.Path() / "options.ini", error);
    std::filesystem::create_symlink("real/later.ini", directory.Path() / "dangling", error);
    if (error) {
        GTEST_SKIP() << "no symbolic links here";
    }
    ReplaceFileContents(directory.PathOf("options.ini"), "new");
    ReplaceFileContents(directory.PathOf("dangling"), "created");
    EXPECT_TRUE(std::filesystem::is_symlink(directory.Path() / "options.ini"));
    EXPECT_TRUE(std::filesystem::is_symlink(directory.Path() / "middle"));
    EXPECT_TRUE(std::filesystem::is_symlink(directory.Path() / "dangling"));
    EXPECT_EQ(ReadFileBytes(directory.PathOf("real/options.ini")), "new");
    EXPECT_EQ(ReadFileBytes(directory.PathOf("real/later.ini")), "created");
    EXPECT_EQ(directory.EntryNames(), "dangling middle options.ini real");
}

// Every name of a file with several hard links sees the new contents, whichever name is written.
TEST(ReplaceFileContents, EveryHardLinkSeesTheNewContents) {
    const ScratchDirectory directory;
    const std::string path = directory.WriteFile("options.ini", "a much longer old text");
    std::filesystem::create_hard_link(directory.Path() / "options.ini",
                                      directory.Path() / "backup.ini");
    ReplaceFileContents(path, "new");
    EXPECT_EQ(ReadFileBytes(directory.PathOf("backup.ini")), "new");
    ReplaceFileContents(directory.PathOf("backup.ini"), "newer and longer than before");
    EXPECT_EQ(ReadFileBytes(path), "newer and longer than before");
    EXPECT_EQ(directory.EntryNames(), "backup.ini options.ini");
}

} // namespace
} // namespace mensurix
