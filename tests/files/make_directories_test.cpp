#include "files/make_directories.h"
#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace mensurix {
namespace {

namespace fs = std::filesystem;

TEST(MakeDirectories, CreatesTheMissingFoldersForTheirOwnerAlone) {
    const ScratchDirectory scratch;
    fs::create_directory(scratch.Path() / "shared");
    fs::permissions(scratch.Path() / "shared", fs::perms::all);
    MakeDirectories(scratch.PathOf("shared/.config/mensurix/"));
    ASSERT_TRUE(fs::is_directory(scratch.Path() / "shared/.config/mensurix"));
    MakeDirectories(scratch.PathOf("shared/"));
#ifndef _WIN32
    // Windows folders have access lists, not modes.
    EXPECT_EQ(fs::status(scratch.Path() / "shared/.config").permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(scratch.Path() / "shared/.config/mensurix").permissions(),
              fs::perms::owner_all);
    // A folder that was there stays as it was.
    EXPECT_EQ(fs::status(scratch.Path() / "shared").permissions(), fs::perms::all);
#endif
}

} // namespace
} // namespace mensurix
