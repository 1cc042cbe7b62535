#pragma once

#include <string>

namespace mensurix {

// The user's own folder for Mensurix's settings, ending in a separator; it may not exist yet.
// $XDG_CONFIG_HOME/mensurix/, else ~/.config/mensurix/ on Linux; %APPDATA%\Mensurix\ on
// Windows. Empty when the system names no such folder.
std::string UserSettingsDirectory();

} // namespace mensurix
