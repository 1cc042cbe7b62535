#include "locations/user_settings_directory.h"

#include <cstdlib>

namespace mensurix {
namespace {

// The variable's value when it names an absolute path, without trailing slashes; the base
// directory rules ignore relative ones.
std::string AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') {
        return {};
    }
    std::string path = value;
    path.erase(path.find_last_not_of('/') + 1);
    return path;
}

} // namespace

std::string UserSettingsDirectory() {
    const std::string configHome = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    if (!configHome.empty()) {
        return configHome + "/mensurix/";
    }
    const std::string home = AbsoluteFromEnvironment("HOME");
    return home.empty() ? std::string() : home + "/.config/mensurix/";
}

} // namespace mensurix
