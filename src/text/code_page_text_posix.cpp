#include "text/code_page_text.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <string_view>

namespace mensurix {
namespace {

// The C library's UTF-8 decoder takes sequences beyond U+10FFFF that the caller's own check
// refuses, so UTF-8 is never asked of it; nor is ASCII, which reads the same.
bool IsUtf8OrAscii(const std::string& codePage) {
    constexpr std::array<std::string_view, 5> names = {"UTF-8", "UTF8", "ANSI_X3.4-1968", "ASCII",
                                                       "US-ASCII"};
    return std::find(names.begin(), names.end(), codePage) != names.end();
}

} // namespace

const std::string& SystemCodePage() {
    // The environment's locale itself, not the process's current one: a program that never
    // called setlocale still reads its files as the user writes them.
    static const std::string name = [] {
        const locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
        if (locale == static_cast<locale_t>(nullptr)) {
            return std::string(); // a locale the system does not have
        }
        std::string set = nl_langinfo_l(CODESET, locale);
        freelocale(locale);
        return set;
    }();
    return name;
}

std::optional<std::string> Utf8FromCodePage(std::string_view bytes, const std::string& codePage) {
    // iconv takes "" for the process's current character set, which is not what was asked.
    if (codePage.empty() || IsUtf8OrAscii(codePage)) {
        return std::nullopt;
    }
    const iconv_t converter = iconv_open("UTF-8", codePage.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    // Enough for any 8-bit code page (three bytes a character at most); the buffer grows for
    // the rest.
    std::string text(bytes.size() * 3 + 4, '\0');
    auto* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    std::size_t done = 0;
    bool converted = true;
    while (inLeft > 0) {
        char* out = text.data() + done;
        std::size_t outLeft = text.size() - done;
        const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        done = text.size() - outLeft;
        if (result != static_cast<std::size_t>(-1)) {
            continue;
        }
        if (errno != E2BIG) {
            converted = false; // a byte that is no character there, or a cut sequence
            break;
        }
        text.resize(text.size() * 2);
    }
    iconv_close(converter);
    if (!converted) {
        return std::nullopt;
    }
    text.resize(done);
    return text;
}

} // namespace mensurix
