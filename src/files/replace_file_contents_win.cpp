#include "files/replace_file_steps.h"

#include <windows.h>

#include <algorithm>

namespace mensurix::replace_steps {
namespace {

// Virus scanners, indexers and sync clients open a file for a moment after every change, and
// Windows refuses to replace a file while another handle holds it without sharing. Such holds
// last milliseconds; a second is ample.
constexpr int Attempts = 20;
constexpr DWORD PauseMilliseconds = 50;

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (Valid()) {
            CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

    bool Close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool HeldByAnotherProgram(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Runs the step until it succeeds, fails for another reason, or the attempts are used up.
template <typename Step> bool Retried(Step step) {
    for (int attempt = 1;; ++attempt) {
        if (step()) {
            return true;
        }
        if (attempt == Attempts || !HeldByAnotherProgram(GetLastError())) {
            return false;
        }
        Sleep(PauseMilliseconds);
    }
}

} // namespace

bool MustOverwriteInPlace(const std::filesystem::path& target) {
    const Handle file(CreateFileW(target.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    return file.Valid() && GetFileInformationByHandle(file.Get(), &information) &&
           information.nNumberOfLinks > 1;
}

// ReplaceFileW carries the old file's attributes, owner and access list over to the new one, so
// `original` needs nothing here.
bool WriteNewFile(const std::filesystem::path& file, std::string_view bytes,
                  const std::filesystem::path* /*original*/) {
    Handle handle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    return handle.Valid() && WriteAll(handle.Get(), bytes) && FlushFileBuffers(handle.Get()) &&
           handle.Close();
}

bool MoveOver(const std::filesystem::path& temporary, const std::filesystem::path& target) {
    if (GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return Retried([&] {
            return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
        });
    }
    // With a name for the old file, a replacement that fails half-way leaves both files under
    // names we know (and Wine leaves no scratch file of its own behind).
    std::filesystem::path old = temporary;
    old.replace_extension(".old");
    const bool replaced = Retried([&] {
        return ReplaceFileW(target.c_str(), temporary.c_str(), old.c_str(),
                            REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS,
                            nullptr, nullptr) != 0;
    });
    if (!replaced && GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        // The old file went to its new name, and the new one could not follow: it goes back.
        MoveFileExW(old.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
        DeleteFileW(old.c_str());
    }
    return replaced;
}

bool OverwriteInPlace(const std::filesystem::path& target, std::string_view bytes) {
    HANDLE opened = INVALID_HANDLE_VALUE;
    Retried([&] {
        opened = CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        return opened != INVALID_HANDLE_VALUE;
    });
    Handle handle(opened);
    // SetEndOfFile cuts the file where the writing ended.
    return handle.Valid() && WriteAll(handle.Get(), bytes) && SetEndOfFile(handle.Get()) &&
           FlushFileBuffers(handle.Get()) && handle.Close();
}

} // namespace mensurix::replace_steps
