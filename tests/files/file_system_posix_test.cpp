#include "files/file_error.h"
#include "files/file_status.h"
#include "files/read_file_bytes.h"
#include "files/replace_file_contents.h"
#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace mensurix {
namespace {

struct stat StatusOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info;
}

// The replacement is a new file, which must come out with the old one's mode, and as root with
// its owner too (a user cannot give a file away; the file is then rewritten in place).
TEST(ReplaceFileContentsPosix, ModeAndOwnerStay) {
    const std::vector<mode_t> modes = {0600, 0640, 0604, 0666};
    for (const mode_t mode : modes) {
        SCOPED_TRACE(mode);
        const ScratchDirectory directory;
        const std::string path = directory.WriteFile("options.ini", "old");
        ASSERT_EQ(chmod(path.c_str(), mode), 0);
        const bool root = geteuid() == 0;
        if (root) {
            ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
        }
        ReplaceFileContents(path, "new");
        EXPECT_EQ(ReadFileBytes(path), "new");
        const struct stat info = StatusOf(path);
        EXPECT_EQ(info.st_mode & 07777, mode);
        EXPECT_EQ(info.st_uid, root ? 65534 : geteuid());
        EXPECT_EQ(directory.EntryNames(), "options.ini");
    }
}

// A FIFO would block the reader until some writer came, a device never ends: both are refused
// like a missing file, and neither is replaced by a file.
TEST(ReplaceFileContentsPosix, FifoAndDeviceAreNoData) {
    const ScratchDirectory directory;
    const std::string fifo = directory.PathOf("fifo.ini");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/null", directory.Path() / "device.ini");
    for (const std::string& path : {fifo, directory.PathOf("device.ini")}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(IsRegularFile(path));
        EXPECT_THROW(ReadFileBytes(path), FileError);
        EXPECT_THROW(ReplaceFileContents(path, "x"), FileError);
    }
    EXPECT_TRUE(S_ISFIFO(StatusOf(fifo).st_mode));
    EXPECT_TRUE(std::filesystem::is_symlink(directory.Path() / "device.ini"));
    EXPECT_TRUE(S_ISCHR(StatusOf("/dev/null").st_mode));
    EXPECT_EQ(directory.EntryNames(), "device.ini fifo.ini");
}

// Any bytes but '/' and NUL make a file name here, UTF-8 or not.
TEST(ReplaceFileContentsPosix, NameThatIsNotUtf8IsAName) {
    const ScratchDirectory directory;
    const std::string path = directory.PathOf("\xff\xfe.ini");
    ReplaceFileContents(path, "x");
    EXPECT_TRUE(IsRegularFile(path));
    EXPECT_EQ(ReadFileBytes(path), "x");
}

} // namespace
} // namespace mensurix
