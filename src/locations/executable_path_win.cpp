#include "locations/executable_path.h"

#include <windows.h>

#include <vector>

namespace mensurix {

std::string RunningExecutablePath() {
    // GetModuleFileNameW fills the buffer completely when the name was cut.
    std::vector<wchar_t> wide(MAX_PATH);
    DWORD length = 0;
    for (;;) {
        length = GetModuleFileNameW(nullptr, wide.data(), static_cast<DWORD>(wide.size()));
        if (length == 0) {
            return {};
        }
        if (length < wide.size()) {
            break;
        }
        wide.resize(wide.size() * 2);
    }
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(length),
                                          nullptr, 0, nullptr, nullptr);
    std::string path(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(length), path.data(), bytes,
                        nullptr, nullptr);
    return path;
}

} // namespace mensurix
