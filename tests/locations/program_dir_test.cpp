#include "locations/executable_path.h"
#include "locations/program_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

struct ProgramDirCase {
    std::string path;
    PathStyle style;
    std::string dir;
};

TEST(DirectoryOfExecutable, DelimitersMeanWhatTheirPlatformMakesOfThem) {
    const std::vector<ProgramDirCase> cases = {
        {"C:\\Mensurix.exe", PathStyle::Windows, "C:\\"},
        {"C:\\Program Files\\Mensurix\\Mensurix.exe", PathStyle::Windows,
         "C:\\Program Files\\Mensurix\\"},
        {"D:Mensurix.exe", PathStyle::Windows, "D:\\"},
        {"\\\\server\\share\\Mensurix.exe", PathStyle::Windows, "\\\\server\\share\\"},
        {"C:/Tools/Mensurix.exe", PathStyle::Windows, "C:\\Tools\\"},
        {"Mensurix.exe", PathStyle::Windows, ".\\"},
        {"/usr/lib/mensurix/mensurix", PathStyle::Posix, "/usr/lib/mensurix/"},
        {"/opt/tools/mens:urix", PathStyle::Posix, "/opt/tools/"},
        {"/opt/back\\slash/mensurix", PathStyle::Posix, "/opt/back\\slash/"},
        {"/mensurix", PathStyle::Posix, "/"},
        {"mensurix", PathStyle::Posix, "./"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(DirectoryOfExecutable(row.path, row.style), row.dir);
    }
}

TEST(GetProgramDir, IsTheFolderOfThisTestProgram) {
    const std::string self = RunningExecutablePath();
    ASSERT_FALSE(self.empty());
    const std::string dir = GetProgramDir();
    EXPECT_EQ(self.rfind(dir, 0), 0U);
    EXPECT_EQ(self.find_first_of(HostPathStyle == PathStyle::Windows ? "\\/" : "/", dir.size()),
              std::string::npos);
}

} // namespace
} // namespace mensurix
