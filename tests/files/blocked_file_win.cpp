#include "blocked_file.h"

#include <windows.h>

#include <utility>

namespace mensurix {

BlockedFile::BlockedFile(std::filesystem::path file, Block block)
    : file_(std::move(file)), block_(block) {
    const HANDLE handle = CreateFileW(file_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    handle_ = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

BlockedFile::~BlockedFile() {
    Release();
}

bool BlockedFile::Holds() const {
    return handle_ != nullptr;
}

void BlockedFile::Release() {
    if (handle_ != nullptr) {
        CloseHandle(handle_);
        handle_ = nullptr;
    }
}

} // namespace mensurix
