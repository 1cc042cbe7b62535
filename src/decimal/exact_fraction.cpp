#include "decimal/exact_fraction.h"

#include "decimal/decimal_add.h"
#include "decimal/decimal_divide.h"
#include "decimal/decimal_multiply.h"
#include "decimal/decimal_round.h"
#include "decimal/natural_number.h"

namespace mensurix {
namespace {

const char* const Ellipsis = "\xE2\x80\xA6";

bool Negative(const DecimalText& text) {
    return !text.empty() && text.front() == '-';
}

// Canonical, with zero always "0".
DecimalText Canonical(DecimalText text) {
    return text == "-0" ? DecimalText("0") : text;
}

DecimalText Product(std::string_view a, std::string_view b) {
    return Canonical(DecimalMultiply(a, b));
}

// The canonical text of a value: the same as its product with 1, without multiplying where the
// text is a well-formed number.
DecimalText CanonicalValue(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (!IsDecimalNumber(trimmed)) {
        return Product(text, "1");
    }
    const bool negative = trimmed.starts_with('-');
    DecimalText magnitude = CanonicalMagnitude(negative ? trimmed.substr(1) : trimmed);
    return negative && magnitude != "0" ? "-" + magnitude : magnitude;
}

DecimalText Negated(const DecimalText& text) {
    if (text == "0") {
        return text;
    }
    return Negative(text) ? text.substr(1) : "-" + text;
}

ExactFraction Missing() {
    return {"0", "0"};
}

// Both parts as integers over a common power of ten, signs dropped.
struct IntegerFraction {
    natural::Limbs numerator;
    natural::Limbs denominator;
};

IntegerFraction IntegersOf(const ExactFraction& a) {
    const std::string_view n = Negative(a.Numerator) ? std::string_view(a.Numerator).substr(1)
                                                     : std::string_view(a.Numerator);
    const auto top = natural::WithoutPoint(n);
    const auto bottom = natural::WithoutPoint(a.Denominator);
    return {natural::FromDigits(top.Digits, bottom.FractionDigits),
            natural::FromDigits(bottom.Digits, top.FractionDigits)};
}

std::string Grouped(const std::string& decimal, bool groupThousands) {
    return DecimalExact(decimal, groupThousands);
}

} // namespace

ExactFraction FractionOf(std::string_view decimal) {
    return FractionOf(decimal, "1");
}

ExactFraction FractionOf(std::string_view numerator, std::string_view denominator) {
    DecimalText top = CanonicalValue(numerator);
    DecimalText bottom = CanonicalValue(denominator);
    if (top.empty() || bottom.empty() || bottom == "0") {
        return Missing();
    }
    if (Negative(bottom)) {
        return {Negated(top), bottom.substr(1)};
    }
    return {std::move(top), std::move(bottom)};
}

ExactFraction Times(const ExactFraction& a, const ExactFraction& b) {
    if (!Exists(a) || !Exists(b)) {
        return Missing();
    }
    return {Product(a.Numerator, b.Numerator), Product(a.Denominator, b.Denominator)};
}

ExactFraction Plus(const ExactFraction& a, const ExactFraction& b) {
    if (!Exists(a) || !Exists(b)) {
        return Missing();
    }
    if (a.Denominator == b.Denominator) {
        return {Canonical(DecimalAdd(a.Numerator, b.Numerator)), a.Denominator};
    }
    return {Canonical(DecimalAdd(Product(a.Numerator, b.Denominator),
                                 Product(b.Numerator, a.Denominator))),
            Product(a.Denominator, b.Denominator)};
}

ExactFraction Minus(const ExactFraction& a, const ExactFraction& b) {
    return Plus(a, {Negated(b.Numerator), b.Denominator});
}

ExactFraction Reciprocal(const ExactFraction& a) {
    if (!Exists(a) || IsZero(a)) {
        return Missing();
    }
    if (Negative(a.Numerator)) {
        return {"-" + a.Denominator, a.Numerator.substr(1)};
    }
    return {a.Denominator, a.Numerator};
}

bool Exists(const ExactFraction& a) {
    return a.Denominator != "0";
}

bool IsNegative(const ExactFraction& a) {
    return Exists(a) && Negative(a.Numerator);
}

bool IsZero(const ExactFraction& a) {
    return Exists(a) && a.Numerator == "0";
}

bool operator==(const ExactFraction& a, const ExactFraction& b) {
    if (!Exists(a) || !Exists(b)) {
        return Exists(a) == Exists(b);
    }
    return Product(a.Numerator, b.Denominator) == Product(b.Numerator, a.Denominator);
}

std::string FractionText(const ExactFraction& a) {
    if (!Exists(a)) {
        return {};
    }
    IntegerFraction parts = IntegersOf(a);
    const natural::Limbs divisor =
        natural::GreatestCommonDivisor(parts.numerator, parts.denominator);
    const std::string sign = IsNegative(a) ? "-" : "";
    if (divisor.empty()) {
        return "0";
    }
    const std::string top = natural::ToDigits(natural::Divide(parts.numerator, divisor).Quotient);
    const std::string bottom =
        natural::ToDigits(natural::Divide(parts.denominator, divisor).Quotient);
    return bottom == "1" ? sign + top : sign + top + "/" + bottom;
}

std::string ExactValueText(const ExactFraction& a, std::size_t significantDigits,
                           bool groupThousands) {
    if (!Exists(a)) {
        return {};
    }
    const IntegerFraction parts = IntegersOf(a);
    const std::string top = natural::ToDigits(parts.numerator);
    const std::string bottom = natural::ToDigits(parts.denominator);
    // A denominator of d digits holds at most 3.33 d factors of 2 or 5, so a terminating value
    // ends within 4 d fraction digits.
    const DecimalQuotient whole = DecimalDivide(top, bottom, 4 * bottom.size());
    const std::string sign = IsNegative(a) ? "-" : "";
    if (whole.Rest == DivisionRest::Zero) {
        return sign + Grouped(whole.Quotient, groupThousands);
    }
    // Enough fraction digits for the significant ones, however small the value; then cut.
    const std::size_t magnitude = top.size() > bottom.size() ? top.size() - bottom.size() : 0;
    const std::size_t leadingZeros = bottom.size() > top.size() ? bottom.size() - top.size() : 0;
    const std::size_t fractionDigits =
        (significantDigits > magnitude ? significantDigits - magnitude : 1) + leadingZeros + 1;
    std::string cut = DecimalDivide(top, bottom, fractionDigits).Quotient;
    const std::size_t point = cut.find('.');
    std::size_t kept = 0;
    std::size_t end = 0;
    for (std::size_t i = 0; i < cut.size(); ++i) {
        if (cut[i] == '.') {
            continue;
        }
        if (kept > 0 || cut[i] != '0') {
            ++kept;
        }
        end = i + 1;
        if (kept >= significantDigits && i > point) {
            break;
        }
    }
    cut.resize(end);
    if (cut.find('.') == std::string::npos) {
        cut += ".0";
    }
    return sign + Grouped(cut, groupThousands) + Ellipsis + " = " + FractionText(a);
}

} // namespace mensurix
