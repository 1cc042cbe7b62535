#include "files/file_error.h"
#include "files/file_status.h"
#include "files/read_file_bytes.h"
#include "files/replace_file_contents.h"
#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>

namespace mensurix {
namespace {

HANDLE Hold(const std::string& path, DWORD sharing) {
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    return CreateFileW(file.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A virus scanner or an indexer holds the file open, sharing it with everyone: the file is
// replaced all the same.
TEST(ReplaceFileContentsWindows, FileOpenedWithSharingIsReplaced) {
    const ScratchDirectory directory;
    const std::string path = directory.WriteFile("options.ini", "old");
    const HANDLE scanner = Hold(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    ASSERT_NE(scanner, INVALID_HANDLE_VALUE);
    ReplaceFileContents(path, "new");
    CloseHandle(scanner);
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_EQ(directory.EntryNames(), "options.ini");
}

// A program that holds the file without sharing and lets go within a moment only delays the
// replacement.
TEST(ReplaceFileContentsWindows, ShortHoldWithoutSharingIsWaitedFor) {
    const ScratchDirectory directory;
    const std::string path = directory.WriteFile("options.ini", "old");
    const HANDLE holder = Hold(path, 0);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    std::thread release([holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        CloseHandle(holder);
    });
    ReplaceFileContents(path, "new");
    release.join();
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_EQ(directory.EntryNames(), "options.ini");
}

// A device never ends and is no data: NUL in place of a file is refused like a missing file,
// and nothing is written to it.
TEST(ReplaceFileContentsWindows, DeviceIsNoData) {
    for (const std::string path : {"NUL", "\\\\.\\NUL"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(IsRegularFile(path));
        EXPECT_THROW(ReadFileBytes(path), FileError);
        EXPECT_THROW(ReplaceFileContents(path, "x"), FileError);
    }
}

// Windows names are UTF-16: bytes that are not UTF-8 name no file, and say so as a FileError.
TEST(ReplaceFileContentsWindows, NameThatIsNotUtf8IsAFileError) {
    const ScratchDirectory directory;
    const std::string path = directory.PathOf("") + "\xff\xfe.ini";
    EXPECT_FALSE(IsRegularFile(path));
    EXPECT_THROW(ReadFileBytes(path), FileError);
    EXPECT_THROW(ReplaceFileContents(path, "x"), FileError);
    EXPECT_EQ(directory.EntryNames(), "");
}

} // namespace
} // namespace mensurix
