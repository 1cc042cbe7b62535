#include "decimal/decimal_add.h"
#include "decimal/decimal_multiply.h"
#include "decimal/decimal_round.h"
#include "exact_oracle.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace mensurix {
namespace {

// Operands of every shape the converter accepts: signs, leading zeros, empty integer or fraction
// parts, a lone '.', trailing fraction zeros, up to 200 digits on each side.
class OperandGenerator {
public:
    explicit OperandGenerator(unsigned seed) : engine_(seed) {}

    std::string Next() {
        std::string text = Chance(3) ? "-" : "";
        text += DigitRun();
        if (!Chance(4)) {
            text += '.';
            text += DigitRun();
        }
        if (text.empty() || text == "-" || text == "." || text == "-.") {
            text += '0';
        }
        return text;
    }

private:
    bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(engine_) == 1; }

    std::string DigitRun() {
        if (Chance(6)) {
            return {};
        }
        const int length = Chance(3) ? Between(1, 200) : Between(1, 12);
        std::string run;
        for (int i = 0; i < length; ++i) {
            run += static_cast<char>('0' + (Chance(4) ? 0 : Between(0, 9)));
        }
        return run;
    }

    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }

    std::mt19937 engine_;
};

bool IsZero(const oracle::Exact& value) {
    return value.scaled == 0;
}

TEST(DecimalOracle, ArithmeticAgreesWithAnExactModel) {
    OperandGenerator generator(20261208);
    for (int i = 0; i < 5000; ++i) {
        const std::string a = generator.Next();
        const std::string b = generator.Next();
        ASSERT_TRUE(IsDecimalNumber(a) && IsDecimalNumber(b)) << a << " " << b;
        SCOPED_TRACE("a = " + a + ", b = " + b);
        const auto x = oracle::Parse(a);
        const auto y = oracle::Parse(b);
        auto minusY = y;
        minusY.scaled = -minusY.scaled;
        minusY.negativeSign = !y.negativeSign;

        const auto sum = oracle::Add(x, y);
        const bool sumNegativeZero = x.negativeSign && y.negativeSign && IsZero(sum);
        ASSERT_EQ(DecimalAdd(a, b), oracle::Canonical(sum, sumNegativeZero));

        const auto difference = oracle::Add(x, minusY);
        const bool differenceNegativeZero =
            x.negativeSign && minusY.negativeSign && IsZero(difference);
        ASSERT_EQ(DecimalSubtract(a, b), oracle::Canonical(difference, differenceNegativeZero));

        const auto product = oracle::Multiply(x, y);
        const bool productNegativeZero = x.negativeSign != y.negativeSign && IsZero(product);
        const std::string productText = DecimalMultiply(a, b);
        ASSERT_EQ(productText, oracle::Canonical(product, productNegativeZero));

        for (const unsigned long digits : {0UL, 2UL, 8UL, 20UL}) {
            for (const bool group : {false, true}) {
                ASSERT_EQ(DecimalRound(productText, static_cast<int>(digits), group),
                          oracle::Rounded(product, digits, group))
                    << "digits " << digits << " group " << group;
            }
        }
    }
}

} // namespace
} // namespace mensurix
