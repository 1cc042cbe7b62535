#include "text/code_page_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace mensurix {
namespace {

// The "CP" names are understood on Windows and by the C library alike.
TEST(Utf8FromCodePage, ReadsEightBitAndDoubleByteCodePages) {
    struct Case {
        const char* name;
        const char* codePage;
        const char* bytes;
        std::optional<std::string> utf8;
    };
    const Case cases[] = {
        {"Cyrillic", "CP1251", "\xcf\xf0\xe8", "При"},
        {"Central European", "CP1250", "\xb3\xf3\x64\x9f", "łódź"},
        {"Japanese", "CP932", "\x93\xfa\x96\x7b", "日本"},
        {"cut double-byte character", "CP932", "\x93\xfa\x96", std::nullopt},
        {"UTF-8 is left to the caller", "UTF-8", "\xe9", std::nullopt},
        {"so is the UTF-8 code page", "CP65001", "\xe9", std::nullopt},
        {"unknown code page", "NO-SUCH-SET", "\xe9", std::nullopt},
        {"no code page", "", "\xe9", std::nullopt},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Utf8FromCodePage(row.bytes, row.codePage), row.utf8);
    }
}

} // namespace
} // namespace mensurix
