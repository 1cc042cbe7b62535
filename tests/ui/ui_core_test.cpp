#include "ui/program_dir.h"
#include "ui/text_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

TEST(DirectoryOfExecutable, WindowsAndPosixPaths) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"C:\\Mensurix.exe", "C:\\"},
        {"C:\\Program Files\\Mensurix\\Mensurix.exe", "C:\\Program Files\\Mensurix\\"},
        {"D:Mensurix.exe", "D:\\"},
        {"\\\\server\\share\\Mensurix.exe", "\\\\server\\share\\"},
        {"C:/Tools/Mensurix.exe", "C:/Tools/"},
        {"/usr/lib/mensurix/mensurix", "/usr/lib/mensurix/"},
        {"mensurix", "./"},
    };
    for (const auto& [path, dir] : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(DirectoryOfExecutable(path), dir);
    }
}

TEST(TextFromBytes, Utf8OrWindows1252) {
    EXPECT_EQ(TextFromBytes("L\xc3\xa4nge"), QString::fromUtf8("Länge"));
    EXPECT_EQ(TextFromBytes("\xef\xbb\xbfMasse"), "Masse");
    EXPECT_EQ(TextFromBytes("L\xe4nge \x80 \x9f"), QString::fromUtf8("Länge € Ÿ"));
    EXPECT_EQ(TextFromBytes(""), "");
    EXPECT_EQ(BytesFromText(QString::fromUtf8("Länge")), "L\xc3\xa4nge");
}

} // namespace
} // namespace mensurix
