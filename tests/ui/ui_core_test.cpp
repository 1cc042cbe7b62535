#include "ui/text_bytes.h"
#include "ui/window/exact_value_tip.h"

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

TEST(ExactValueTip, WrapsAndEndsLongValuesWithAnEllipsis) {
    EXPECT_EQ(ExactValueTip("1.2345", 4, 3), "1.23\n45");
    EXPECT_EQ(ExactValueTip("123456789012", 4, 3), "1234\n5678\n9012");
    EXPECT_EQ(ExactValueTip("1234567890123", 4, 3), "1234\n5678\n901\xE2\x80\xA6");
}

} // namespace
} // namespace mensurix
