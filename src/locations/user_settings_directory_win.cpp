#include "locations/user_settings_directory.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdlib>
#include <filesystem>

namespace mensurix {
namespace {

std::string Utf8FromWide(const wchar_t* wide) {
    const std::u8string text = std::filesystem::path(wide).u8string();
    return std::string(text.begin(), text.end());
}

// The roaming application-data folder, the one %APPDATA% names.
std::string RoamingAppData() {
    PWSTR known = nullptr;
    std::string folder;
    if (SUCCEEDED(
            SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &known))) {
        folder = Utf8FromWide(known);
    }
    CoTaskMemFree(known);
    if (folder.empty()) {
        if (const wchar_t* variable = _wgetenv(L"APPDATA")) {
            folder = Utf8FromWide(variable);
        }
    }
    return folder;
}

} // namespace

std::string UserSettingsDirectory() {
    std::string folder = RoamingAppData();
    if (folder.empty()) {
        return {};
    }
    if (folder.back() != '\\' && folder.back() != '/') {
        folder += '\\';
    }
    return folder + "Mensurix\\";
}

} // namespace mensurix
