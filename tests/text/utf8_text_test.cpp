#include "text/utf8_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

// A file's text reaches the user as UTF-8 whether the file was saved as UTF-8 or as
// Windows-1252; malformed UTF-8 counts as the legacy code page.
TEST(Utf8FromFileText, KeepsUtf8AndConvertsTheLegacyCodePage) {
    struct Case {
        const char* name;
        std::string bytes;
        bool valid;
        std::string utf8;
        std::size_t characters;
    };
    const std::vector<Case> cases = {
        {"ascii", "Meter (m)", true, "Meter (m)", 9},
        {"degree and micro",
         "\xC2\xB0"
         "F \xC2\xB5m",
         true,
         "\xC2\xB0"
         "F \xC2\xB5m",
         5},
        {"four bytes", "\xF0\x9F\x93\x8F", true, "\xF0\x9F\x93\x8F", 1},
        {"legacy degree",
         "\xB0"
         "F",
         false,
         "\xC2\xB0"
         "F",
         2},
        {"legacy euro and unassigned", "\x80\x81", false, "\xE2\x82\xAC\xC2\x81", 2},
        {"overlong slash", "\xC0\xAF", false, "\xC3\x80\xC2\xAF", 2},
        {"surrogate", "\xED\xA0\x80", false, "\xC3\xAD\xC2\xA0\xE2\x82\xAC", 3},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", false, "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC",
         4},
        {"cut sequence", "m\xC2", false, "m\xC3\x82", 2},
        {"stray continuation", "\x9C", false, "\xC5\x93", 1},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(IsValidUtf8(row.bytes), row.valid);
        const std::string utf8 = Utf8FromFileText(row.bytes);
        EXPECT_EQ(utf8, row.utf8);
        EXPECT_TRUE(IsValidUtf8(utf8));
        EXPECT_EQ(Utf8Length(utf8), row.characters);
    }
}

} // namespace
} // namespace mensurix
