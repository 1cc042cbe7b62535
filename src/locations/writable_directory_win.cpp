#include "locations/writable_directory.h"

#include "files/utf8_path.h"

#include <windows.h>

namespace mensurix {

bool IsWritableDirectory(const std::string& dir) {
    // The read-only attribute of a folder means nothing on Windows and its access list is hard
    // to evaluate, so create a file that vanishes when it is closed.
    const std::string probe =
        dir + "mensurix-write-test-" + std::to_string(GetCurrentProcessId()) + ".tmp";
    const auto name = PathFromUtf8(probe);
    if (!name) {
        return false;
    }
    const HANDLE file = CreateFileW(name->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

} // namespace mensurix
