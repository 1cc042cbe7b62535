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

} // namespace
} // namespace mensurix
