#include "text/code_page_text.h"

#include <windows.h>

#include <charconv>
#include <climits>

namespace mensurix {

const std::string& SystemCodePage() {
    static const std::string name = "CP" + std::to_string(GetACP());
    return name;
}

std::optional<std::string> Utf8FromCodePage(std::string_view bytes, const std::string& codePage) {
    const std::string_view prefix = "CP";
    UINT number = 0;
    const char* const last = codePage.data() + codePage.size();
    if (codePage.compare(0, prefix.size(), prefix) != 0 ||
        std::from_chars(codePage.data() + prefix.size(), last, number).ptr != last ||
        number == CP_UTF8 || number == 20127 || bytes.size() > INT_MAX) {
        return std::nullopt;
    }
    if (bytes.empty()) {
        return std::string();
    }
    // MB_ERR_INVALID_CHARS: a byte that is no character there fails instead of becoming "?".
    const int size = static_cast<int>(bytes.size());
    const int wideSize =
        MultiByteToWideChar(number, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (wideSize == 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(number, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), wideSize);
    const int utf8Size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(utf8Size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, text.data(), utf8Size, nullptr, nullptr);
    return text;
}

} // namespace mensurix
