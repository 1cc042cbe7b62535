#include "decimal/decimal_add.h"
#include "decimal/decimal_multiply.h"
#include "decimal/decimal_round.h"
#include "decimal/magnitude_steps.h"
#include "exact_oracle.h"
#include "fuzz_expect.h"
#include "fuzz_fields.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Input: operand a, '\n', operand b, '\n', then a byte choosing the fraction digits of the
// rounding (-1 to 21, beyond the spin box on both sides) and a byte whose low bit groups.
namespace mensurix::fuzz {
namespace {

// Longer operands are multiplied by the library only: the reference product below runs one
// whole addition per digit, far too slow for kilobytes of digits at fuzzing speed.
constexpr std::size_t ReferenceLength = 300;

bool IsZero(const oracle::Exact& value) {
    return value.scaled == 0;
}

oracle::Exact Negated(oracle::Exact value) {
    value.scaled = -value.scaled;
    value.negativeSign = !value.negativeSign;
    return value;
}

void CheckRounding(const std::string& what, const std::string& canonical,
                   const oracle::Exact& value, int digits, bool group) {
    const auto places = static_cast<unsigned long>(digits < 0 ? 0 : digits);
    ExpectEqual("round " + what, DecimalRound(canonical, digits, group),
                oracle::Rounded(value, places, group));
}

// Both operands are numbers as the converter accepts them: every result is the exact value in
// canonical form, with the sign rules of the empty text and of "-0".
void CheckAgainstOracle(const std::string& a, const std::string& b, int digits, bool group) {
    const auto x = oracle::Parse(a);
    const auto y = oracle::Parse(b);

    const auto sum = oracle::Add(x, y);
    const std::string sumText = DecimalAdd(a, b);
    ExpectEqual("add", sumText,
                oracle::Canonical(sum, x.negativeSign && y.negativeSign && IsZero(sum)));

    const auto minusY = Negated(y);
    const auto difference = oracle::Add(x, minusY);
    ExpectEqual(
        "subtract", DecimalSubtract(a, b),
        oracle::Canonical(difference, x.negativeSign && minusY.negativeSign && IsZero(difference)));

    const auto product = oracle::Multiply(x, y);
    const std::string productText = DecimalMultiply(a, b);
    ExpectEqual("multiply", productText,
                oracle::Canonical(product, x.negativeSign != y.negativeSign && IsZero(product)));

    CheckRounding("product", productText, product, digits, group);
    CheckRounding("sum", sumText, sum, digits, group);
}

// The product as the schoolbook method of the arithmetic's definition forms it: one partial
// product per digit of b, shifted and summed. Any byte reads as its digit value, as there.
std::string ReferenceMagnitudeProduct(std::string_view a, std::string_view b) {
    const auto pointA = a.find('.');
    const auto pointB = b.find('.');
    const std::size_t fraction = (pointA == std::string_view::npos ? 0 : a.size() - pointA - 1) +
                                 (pointB == std::string_view::npos ? 0 : b.size() - pointB - 1);
    const auto digitsOf = [](std::string_view text, std::size_t point) {
        return point == std::string_view::npos
                   ? std::string(text)
                   : std::string(text.substr(0, point)) + std::string(text.substr(point + 1));
    };
    const std::string da = digitsOf(a, pointA);
    const std::string db = digitsOf(b, pointB);
    std::string acc;
    std::string shift;
    for (auto i = db.size(); i-- > 0;) {
        acc = MagnitudeAdd(acc, MultiplyByDigit(da, DigitValue(db[i])) + shift);
        shift += '0';
    }
    if (acc.size() < fraction) {
        acc.insert(0, fraction - acc.size(), '0');
    }
    acc.insert(acc.size() - fraction, 1, '.');
    return TrimZeros(acc);
}

// Anything else: every operation returns, and the fast product still agrees with the defined
// method digit for digit, since malformed factors from a catalogue reach it unaltered.
void ExerciseAnyBytes(const std::string& a, const std::string& b, int digits, bool group) {
    const std::string sum = DecimalAdd(a, b);
    DecimalSubtract(a, b);
    const std::string product = DecimalMultiply(a, b);
    DecimalRound(a, digits, group);
    DecimalRound(sum, digits, group);
    DecimalRound(product, digits, group);
    if (a.size() <= ReferenceLength && b.size() <= ReferenceLength) {
        ExpectEqual("magnitude product", MagnitudeMultiply(a, b), ReferenceMagnitudeProduct(a, b));
    }
}

} // namespace
} // namespace mensurix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mensurix;
    fuzz::FuzzFields fields(data, size);
    const std::string a(fields.Next());
    const std::string b(fields.Next());
    const std::string_view options = fields.Rest();
    const int digits = options.empty() ? 8 : static_cast<unsigned char>(options[0]) % 23 - 1;
    const bool group = options.size() > 1 && (static_cast<unsigned char>(options[1]) & 1) != 0;
    if (IsDecimalNumber(a) && IsDecimalNumber(b)) {
        fuzz::CheckAgainstOracle(a, b, digits, group);
    } else {
        fuzz::ExerciseAnyBytes(a, b, digits, group);
    }
    return 0;
}
