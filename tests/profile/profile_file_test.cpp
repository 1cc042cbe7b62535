#include "blocked_file.h"
#include "files/file_error.h"
#include "files/read_file_bytes.h"
#include "profile/profile_file.h"
#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace mensurix {
namespace {

using Lines = std::vector<std::string>;

TEST(ProfileFile, MissingFileReadsAsEmptyAndIsCreatedByTheFirstWrite) {
    const ScratchDirectory directory;
    const std::string path = directory.PathOf("options.ini");
    ProfileFile file(path);
    EXPECT_FALSE(file.Exists());
    EXPECT_EQ(file.ReadString("OPTIONS", "Digits", "dflt"), "dflt");
    EXPECT_EQ(file.ReadSectionLines("OPTIONS"), Lines{});

    file.SetString("OPTIONS", "Digits", "8");
    file.SetString("OPTIONS", "Class", "0");
    EXPECT_FALSE(file.Exists());
    file.Save();
    EXPECT_TRUE(file.Exists());
    EXPECT_EQ(ReadFileBytes(path), "[OPTIONS]\r\nDigits=8\r\nClass=0\r\n");
    EXPECT_EQ(file.ReadString("options", "class", ""), "0");
}

TEST(ProfileFile, ReadsAndWritesAnExistingFile) {
    const ScratchDirectory directory;
    const std::string path = directory.WriteFile("lang.isl", "[FrmConvert]\nCaption = 'Hi'\n");
    ProfileFile file(path);
    EXPECT_TRUE(file.Exists());
    EXPECT_EQ(file.ReadString("frmconvert", "CAPTION", "dflt"), "Hi");
    EXPECT_EQ(file.ReadSectionLines("FrmConvert"), Lines{"Caption=Hi"});
    file.SetString("FrmConvert", "Caption", "Ho");
    file.Save();
    EXPECT_EQ(ReadFileBytes(path), "[FrmConvert]\nCaption=Ho\n");
}

TEST(ProfileFile, DirectoryReadsAsNoFileAndCannotBeWritten) {
    const ScratchDirectory directory;
    std::filesystem::create_directory(directory.Path() / "options.ini");
    const std::string path = directory.PathOf("options.ini");
    ProfileFile file(path);
    EXPECT_FALSE(file.Exists());
    EXPECT_EQ(file.ReadString("A", "k", "dflt"), "dflt");
    file.SetString("A", "k", "v");
    EXPECT_THROW(file.Save(), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(directory.Path() / "options.ini"));
}

TEST(ProfileFile, FailedSaveKeepsWhatWasSet) {
    const ScratchDirectory directory;
    const std::string path = directory.PathOf("gone/options.ini");
    ProfileFile file(path);
    file.SetString("A", "k", "v");
    try {
        file.Save();
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
    EXPECT_FALSE(file.Exists());
    EXPECT_EQ(directory.EntryNames(), "");

    // Once the directory is there, the next save writes every key set so far.
    std::filesystem::create_directory(directory.Path() / "gone");
    file.SetString("A", "j", "w");
    file.Save();
    EXPECT_EQ(ReadFileBytes(path), "[A]\r\nk=v\r\nj=w\r\n");
}

// Even once the file can be read again, what was not read is not overwritten.
TEST(ProfileFile, UnreadableFileReadsAsEmptyAndIsNeverOverwritten) {
    const ScratchDirectory directory;
    const std::string path = directory.WriteFile("options.ini", "[A]\nk=secret\n");
    BlockedFile blocked(directory.Path() / "options.ini", BlockedFile::Block::Reading);
    if (!blocked.Holds()) {
        GTEST_SKIP() << "permissions do not stop reading here (privileged user or file system)";
    }
    ProfileFile file(path);
    blocked.Release();
    EXPECT_TRUE(file.Exists());
    EXPECT_EQ(file.ReadString("A", "k", "dflt"), "dflt");
    file.SetString("A", "k", "v");
    EXPECT_THROW(file.Save(), FileError);
    EXPECT_EQ(ReadFileBytes(path), "[A]\nk=secret\n");
}

} // namespace
} // namespace mensurix
