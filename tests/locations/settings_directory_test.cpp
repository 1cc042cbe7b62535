#include "locations/settings_directory.h"
#include "locations/user_settings_directory.h"
#include "locations/writable_directory.h"

#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mensurix {
namespace {

TEST(FindSettingsDirectory, PortableCopiesKeepTheirSettingsBesideTheExecutable) {
    struct Case {
        const char* name;
        std::vector<const char*> files; // beside the executable
        const char* folder;             // a folder beside it, or null
        const char* userDir;
        bool inProgramDir;
    };
    const std::vector<Case> cases = {
        {"settings already there", {"options.ini"}, nullptr, "/home/u/.config/mensurix/", true},
        {"writable portable copy", {"Units.dat"}, nullptr, "/home/u/.config/mensurix/", true},
        {"installed: nothing beside", {}, nullptr, "/home/u/.config/mensurix/", false},
        {"a folder named like the catalogue", {}, "Units.dat", "/home/u/.config/mensurix/", false},
        {"no user folder known", {}, nullptr, "", true},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const ScratchDirectory scratch;
        for (const char* name : row.files) {
            scratch.WriteFile(name, "");
        }
        if (row.folder != nullptr) {
            std::filesystem::create_directory(scratch.Path() / row.folder);
        }
        const std::string programDir = scratch.PathOf("");
        EXPECT_EQ(FindSettingsDirectory(programDir, row.userDir),
                  row.inProgramDir ? programDir : row.userDir);
    }
}

TEST(FindSettingsDirectory, ReadOnlyCopyUsesTheUserFolder) {
    const ScratchDirectory scratch;
    scratch.WriteFile("Units.dat", "");
    const std::string programDir = scratch.PathOf("");
    std::filesystem::permissions(scratch.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const bool writable = IsWritableDirectory(programDir);
    const std::string found = FindSettingsDirectory(programDir, "/home/u/.config/mensurix/");
    std::filesystem::permissions(scratch.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    if (writable) {
        GTEST_SKIP() << "this user may write into a read-only folder";
    }
    EXPECT_EQ(found, "/home/u/.config/mensurix/");
}

#ifndef _WIN32
// Sets or clears an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        Set(value);
    }
    ~ScopedVariable() { Set(old_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void Set(const std::optional<std::string>& value) const {
        if (value) {
            setenv(name_, value->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

TEST(UserSettingsDirectory, FollowsTheBaseDirectoryRules) {
    struct Case {
        std::optional<std::string> configHome;
        std::optional<std::string> home;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"/srv/cfg", "/home/u", "/srv/cfg/mensurix/"},
        {"/srv/cfg//", "/home/u", "/srv/cfg/mensurix/"},
        {"", "/home/u", "/home/u/.config/mensurix/"},
        {"relative/cfg", "/home/u/", "/home/u/.config/mensurix/"},
        {std::nullopt, "/home/u", "/home/u/.config/mensurix/"},
        {std::nullopt, std::nullopt, ""},
        {std::nullopt, "relative", ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.configHome.value_or("(unset)") + " " + row.home.value_or("(unset)"));
        const ScopedVariable configHome("XDG_CONFIG_HOME", row.configHome);
        const ScopedVariable home("HOME", row.home);
        EXPECT_EQ(UserSettingsDirectory(), row.expected);
    }
}
#endif

} // namespace
} // namespace mensurix
