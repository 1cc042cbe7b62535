#include "locations/data_directory.h"

#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace mensurix {
namespace {

// A prefix with bin/ and share/mensurix/ under it, as an install lays them out.
class DataDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(scratch_.Path() / "bin");
        std::filesystem::create_directories(scratch_.Path() / "share" / "mensurix");
    }

    // The folder in the running platform's own spelling, as the program derives it.
    std::string Dir(const char* relative) const {
        std::string dir = scratch_.PathOf(relative);
        std::replace(dir.begin(), dir.end(), '/', DirectorySeparator(HostPathStyle));
        return dir;
    }

    ScratchDirectory scratch_;
};

TEST_F(DataDirectoryTest, PortableCopyWinsOverTheInstalledData) {
    scratch_.WriteFile("share/mensurix/Units.dat", "[Length]\n");
    scratch_.WriteFile("bin/Units.dat", "[Length]\n");
    EXPECT_EQ(FindDataDirectory(Dir("bin/")), Dir("bin/"));
}

TEST_F(DataDirectoryTest, InstalledDataBesideTheParentFolder) {
    scratch_.WriteFile("share/mensurix/Units.dat", "[Length]\n");
    EXPECT_EQ(FindDataDirectory(Dir("bin/")), Dir("share/mensurix/"));
}

TEST_F(DataDirectoryTest, WithoutDataTheProgramFolderIsNamed) {
    EXPECT_EQ(FindDataDirectory(Dir("bin/")), Dir("bin/"));
    // A folder of that name is no catalogue.
    std::filesystem::create_directories(scratch_.Path() / "share" / "mensurix" / "Units.dat");
    EXPECT_EQ(FindDataDirectory(Dir("bin/")), Dir("bin/"));
    EXPECT_EQ(FindDataDirectory("/", PathStyle::Posix), "/");
}

} // namespace
} // namespace mensurix
