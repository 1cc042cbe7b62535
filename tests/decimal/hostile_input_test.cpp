#include "decimal/decimal_add.h"
#include "decimal/decimal_multiply.h"
#include "decimal/decimal_round.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mensurix {
namespace {

const std::string Megabyte = std::string(1 << 20, '.');

// Arbitrary bytes are absorbed: they read as zero digits and never crash or hang.
TEST(HostileInput, AnyBytesGiveAText) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b) {
        everyByte += static_cast<char>(b);
    }
    const std::vector<std::string> operands = {
        everyByte,
        std::string("1\0"
                    "2",
                    3),
        "\xff\xfe\x80.\x81",
        Megabyte,
        std::string(1 << 20, '-'),
        "-" + std::string(1 << 20, '9'),
        std::string(1 << 20, '\0'),
    };
    for (const auto& a : operands) {
        for (const auto& b : operands) {
            EXPECT_NO_THROW({
                DecimalAdd(a, b);
                DecimalSubtract(a, b);
                DecimalMultiply(a, b.substr(0, 64));
                DecimalRound(a, 20, true);
            });
        }
    }
}

TEST(HostileInput, DegenerateOperandsComputeAsZero) {
    EXPECT_EQ(DecimalAdd(Megabyte, "1"), "1");
    EXPECT_EQ(DecimalMultiply(Megabyte, Megabyte), "0");
    EXPECT_EQ(DecimalMultiply(std::string(1 << 20, '-'), std::string(1 << 20, '-')), "0");
    EXPECT_EQ(DecimalSubtract(std::string(1 << 20, '-'), "1"), "-1");
    EXPECT_EQ(DecimalAdd(std::string("1\0"
                                     "2",
                                     3),
                         "0"),
              "102");
    EXPECT_EQ(DecimalAdd("\xe9"
                         "5",
                         "1"),
              "6");
}

TEST(HostileInput, RoundingAMegabyteOfNinesCarriesThrough) {
    const std::string value = "0." + std::string(1 << 20, '9');
    EXPECT_EQ(DecimalRound(value, 20, true), "1");
    const std::string big(1 << 20, '9');
    const std::string grouped = DecimalRound(big, 0, true);
    EXPECT_EQ(grouped.size(), big.size() + (big.size() - 1) / 3);
}

} // namespace
} // namespace mensurix
