#include "ui/exact_value_tip.h"
#include "ui/platform/system_code_page.h"
#include "ui/text_bytes.h"

#include <gtest/gtest.h>

namespace mensurix {
namespace {

TEST(TextFromBytes, Utf8OrWindows1252) {
    EXPECT_EQ(TextFromBytes("L\xc3\xa4nge"), QString::fromUtf8("Länge"));
    EXPECT_EQ(TextFromBytes("\xef\xbb\xbfMasse"), "Masse");
    EXPECT_EQ(TextFromBytes("L\xe4nge \x80 \x9f"), QString::fromUtf8("Länge € Ÿ"));
    EXPECT_EQ(TextFromBytes(""), "");
    EXPECT_EQ(BytesFromText(QString::fromUtf8("Länge")), "L\xc3\xa4nge");
}

// Where the locale's character set is an 8-bit one, text that is not UTF-8 is read in it.
TEST(CodePageDecoder, EightBitSetsDecodeAndUtf8OrAsciiAreLeftToTheCaller) {
    struct Case {
        const char* set;
        const char* bytes;
        const char* text; // nullptr: no decoder
    };
    const Case cases[] = {
        {"KOI8-R", "\xf0\xd2\xc9", "При"},
        {"CP1251", "\xcf\xf0\xe8", "При"},
        {"ISO-8859-2",
         "\xb3\xf3"
         "d\xbc",
         "łódź"},
        {"UTF-8", "", nullptr},
        {"ANSI_X3.4-1968", "", nullptr},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.set);
        QStringDecoder decoder = CodePageDecoder(row.set);
        ASSERT_EQ(decoder.isValid(), row.text != nullptr);
        if (row.text != nullptr) {
            EXPECT_EQ(QString(decoder.decode(QByteArrayView(row.bytes))),
                      QString::fromUtf8(row.text));
        }
    }
}

TEST(ExactValueTip, WrapsAndEndsLongValuesWithAnEllipsis) {
    EXPECT_EQ(ExactValueTip("1.2345", 4, 3), "1.23\n45");
    EXPECT_EQ(ExactValueTip("123456789012", 4, 3), "1234\n5678\n9012");
    EXPECT_EQ(ExactValueTip("1234567890123", 4, 3), "1234\n5678\n901\xE2\x80\xA6");
}

} // namespace
} // namespace mensurix
