#include "decimal/decimal_add.h"
#include "decimal/decimal_divide.h"
#include "decimal/decimal_multiply.h"
#include "decimal/decimal_round.h"
#include "exact_oracle.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

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

mpz_class PowerOfTen(unsigned long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

// Division against GMP: a / b truncated at every kept precision, the rest classified against
// half a unit of the last kept digit, for operands of every shape and up to 200 digits a side.
TEST(DecimalOracle, DivisionAgreesWithAnExactModel) {
    OperandGenerator generator(20261209);
    int divided = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string a = generator.Next();
        const std::string b = generator.Next();
        SCOPED_TRACE("a = " + a + ", b = " + b);
        const auto x = oracle::Parse(a);
        const auto y = oracle::Parse(b);
        for (const unsigned long digits : {0UL, 1UL, 21UL, 60UL}) {
            const DecimalQuotient quotient = DecimalDivide(a, b, digits);
            if (y.scaled == 0) {
                ASSERT_TRUE(quotient.Quotient.empty());
                continue;
            }
            // a / b x 10^digits = x.scaled x 10^(y.scale + digits) / (y.scaled x 10^x.scale)
            const mpz_class top = abs(x.scaled) * PowerOfTen(y.scale + digits);
            const mpz_class bottom = abs(y.scaled) * PowerOfTen(x.scale);
            mpz_class truncated;
            mpz_class rest;
            mpz_tdiv_qr(truncated.get_mpz_t(), rest.get_mpz_t(), top.get_mpz_t(),
                        bottom.get_mpz_t());
            const bool negative = (x.scaled < 0) != (y.scaled < 0);
            const oracle::Exact expected{negative ? mpz_class(-truncated) : truncated, digits,
                                         false};
            ASSERT_EQ(quotient.Quotient, oracle::Canonical(expected, false)) << digits;
            const int half = cmp(2 * rest, bottom);
            const DivisionRest rank = rest == 0   ? DivisionRest::Zero
                                      : half < 0  ? DivisionRest::BelowHalf
                                      : half == 0 ? DivisionRest::Half
                                                  : DivisionRest::AboveHalf;
            ASSERT_EQ(quotient.Rest, rank) << digits;
            ASSERT_EQ(quotient.Negative, negative && (truncated != 0 || rest != 0));
            ++divided;
        }
    }
    EXPECT_GT(divided, 10000);
}

// Quotients whose rest is exactly half, just below and just above it, and divisors of one limb
// and of many, where the long division's trial digits need correcting.
TEST(DecimalOracle, DivisionTiesAndLongDivisors) {
    struct Case {
        const char* a;
        const char* b;
        std::size_t digits;
        const char* quotient;
        DivisionRest rest;
    };
    const std::vector<Case> cases = {
        {"1", "8", 2, "0.12", DivisionRest::Half},
        {"1", "3", 3, "0.333", DivisionRest::BelowHalf},
        {"2", "3", 3, "0.666", DivisionRest::AboveHalf},
        {"-7", "2", 0, "-3", DivisionRest::Half},
        {"0.0254", "0.0254", 5, "1", DivisionRest::Zero},
        {"1", "-0.000001", 0, "-1000000", DivisionRest::Zero},
        {"999999999999999999999999999", "999999999000000000", 0, "1000000001",
         DivisionRest::BelowHalf},
        {"100000000000000000000000000000000000", "99999999999999999999", 0, "1000000000000000",
         DivisionRest::BelowHalf},
        {"1", "  ", 3, "", DivisionRest::Zero},
        {"1", "0.000", 3, "", DivisionRest::Zero},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.a) + " / " + row.b);
        const DecimalQuotient quotient = DecimalDivide(row.a, row.b, row.digits);
        EXPECT_EQ(quotient.Quotient, row.quotient);
        EXPECT_EQ(quotient.Rest, row.rest);
    }
}

} // namespace
} // namespace mensurix
