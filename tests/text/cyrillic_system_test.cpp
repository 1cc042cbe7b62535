#include "text/code_page_text.h"
#include "text/utf8_text.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace mensurix {
namespace {

// Run in a Russian locale (see CMakeLists.txt): a language file or catalogue saved in the
// system's 8-bit code page reads as Cyrillic, not as Windows-1252 mojibake.
TEST(CyrillicSystem, EightBitFilesAreReadInItsCodePage) {
#ifdef MENSURIX_LOCALES
    // The C library finds the locale generated into the build there (one test property can set
    // only one variable).
    setenv("LOCPATH", MENSURIX_LOCALES, 1);
#endif
    ASSERT_EQ(SystemCodePage(), "CP1251");
    EXPECT_EQ(Utf8FromFileText("\xcf\xf0\xe8\xe2\xe5\xf2"), "Привет");
    EXPECT_EQ(Utf8FromFileText("\xc3\xb0"), "\xc3\xb0"); // UTF-8 stays UTF-8
}

} // namespace
} // namespace mensurix
