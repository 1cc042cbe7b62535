#include "files/replace_file_contents.h"
#include "localisation/language_file.h"
#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <string>

namespace mensurix {
namespace {

// Each test writes its file into a folder of its own: tests of one program may run at once.
class LanguageFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& contents) {
        const std::string path = directory_.PathOf("Language.isl");
        ReplaceFileContents(path, contents);
        return path;
    }

private:
    ScratchDirectory directory_;
};

TEST_F(LanguageFileTest, MessagesAndComponentLines) {
    const auto path = Write("; comment\r\n[messages]\r\nms_homepage = Home: %1 \r\n"
                            "[FrmConvert]\r\nLabel1.Caption = Von:\r\n"
                            "Label2.Caption=a=b\r\n[Other]\r\nX=1\r\n");
    const auto messages = ReadLanguageMessages(path);
    EXPECT_EQ(messages.Homepage, "Home: %1");
    EXPECT_EQ(messages.CopyRight, "");
    EXPECT_EQ(ReadComponentSection(path),
              (std::vector<std::string>{"Label1.Caption=Von:", "Label2.Caption=a=b"}));
}

TEST_F(LanguageFileTest, MissingFileReadsAsEmpty) {
    const std::string path = "no-such-directory/English.isl";
    EXPECT_EQ(ReadLanguageMessages(path).Homepage, "");
    EXPECT_TRUE(ReadComponentSection(path).empty());
}

TEST_F(LanguageFileTest, KeyNamesBeyondTheBufferAreNotRead) {
    std::string contents = "[FrmConvert]\n";
    for (int i = 0; i < 100000; ++i) {
        contents += "Label" + std::to_string(i) + ".Tag=" + std::to_string(i) + "\n";
    }
    const auto lines = ReadComponentSection(Write(contents));
    ASSERT_FALSE(lines.empty());
    EXPECT_LT(lines.size(), 1500U);
    EXPECT_EQ(lines.front(), "Label0.Tag=0");
    std::size_t names = 1;
    for (const auto& line : lines) {
        names += line.find('=') + 1;
    }
    EXPECT_LE(names, 16384U);
}

} // namespace
} // namespace mensurix
