#include "cli/console.h"

#include <windows.h>

#include <shellapi.h>

namespace mensurix {
namespace {

std::string Utf8FromWide(const wchar_t* wide) {
    const int length = static_cast<int>(wcslen(wide));
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, text.data(), bytes, nullptr, nullptr);
    return text;
}

std::wstring WideFromUtf8(std::string_view text) {
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

} // namespace

// The narrow argv is in the ANSI code page and loses every character outside it (a "°" on a
// Cyrillic system), so the arguments are read again from the wide command line.
std::vector<std::string> CommandLineArguments(int, char**) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(Utf8FromWide(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

// A console shows UTF-16 whatever its code page; a pipe or a file gets the UTF-8 bytes.
bool WriteToConsole(ConsoleStream stream, std::string_view text) {
    if (text.empty()) {
        return true;
    }
    const HANDLE handle =
        GetStdHandle(stream == ConsoleStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = WideFromUtf8(text);
        return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written,
                             nullptr) &&
               written == wide.size();
    }
    return WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

} // namespace mensurix
