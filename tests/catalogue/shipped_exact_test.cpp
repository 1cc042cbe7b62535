#include "catalogue/catalogue_reader.h"
#include "catalogue/category_conversion.h"

#include "table_rows.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

// Random conversions over the shipped catalogue, judged by rational arithmetic from the unit
// sizes the generator derived from the definitions, independently of the factors in the file.
namespace mensurix {
namespace {

struct Size {
    mpq_class Value;
    mpq_class Zero;
    bool Reciprocal = false;
    bool Absolute = false;
    std::size_t CertainDigits = 0; // 0: exact
};

mpz_class PowerOfTen(unsigned long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

mpq_class DecimalValue(const std::string& text) {
    const bool negative = text.starts_with('-');
    const std::string body = negative ? text.substr(1) : text;
    const auto point = body.find('.');
    std::string digits = body;
    unsigned long places = 0;
    if (point != std::string::npos) {
        digits.erase(point, 1);
        places = body.size() - point - 1;
    }
    mpq_class value(mpz_class(digits.empty() ? "0" : digits, 10), PowerOfTen(places));
    value.canonicalize();
    return negative ? mpq_class(-value) : value;
}

mpq_class FractionValue(const std::string& text) {
    mpq_class value(text, 10);
    value.canonicalize();
    return value;
}

std::size_t SignificantDigits(const std::string& decimal) {
    std::string digits;
    for (const char c : decimal) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? 0 : digits.size() - first;
}

// category -> sizes in catalogue order, from the generator's table.
std::vector<std::pair<std::string, std::vector<Size>>> ShippedSizes() {
    std::vector<std::pair<std::string, std::vector<Size>>> sizes;
    for (const TableRow& row : ReadTableRows(MENSURIX_TESTS_DIR "/shipped_sizes.tsv")) {
        const std::string category = row.Field(0), kind = row.Field(2), size = row.Field(3),
                          zero = row.Field(4);
        if (sizes.empty() || sizes.back().first != category) {
            sizes.emplace_back(category, std::vector<Size>{});
        }
        Size entry;
        entry.Reciprocal = kind == "reciprocal";
        entry.Absolute = kind == "absolute";
        if (size.starts_with('~')) {
            entry.Value = DecimalValue(size.substr(1));
            entry.CertainDigits = SignificantDigits(size);
        } else {
            entry.Value = FractionValue(size);
        }
        entry.Zero = FractionValue(zero);
        sizes.back().second.push_back(entry);
    }
    return sizes;
}

// |value| rounded half away from zero at 10^-place (a negative place rounds within the integer
// part), as text with trailing zeros dropped.
std::string Rounded(const mpq_class& value, long place) {
    const mpq_class magnitude = abs(value);
    mpq_class scaled = magnitude;
    if (place >= 0) {
        scaled *= PowerOfTen(static_cast<unsigned long>(place));
    } else {
        scaled /= PowerOfTen(static_cast<unsigned long>(-place));
    }
    const mpq_class half = scaled + mpq_class(1, 2);
    mpz_class units;
    mpz_fdiv_q(units.get_mpz_t(), half.get_num_mpz_t(), half.get_den_mpz_t());
    if (units == 0) {
        return "0";
    }
    std::string digits;
    if (place <= 0) {
        digits = units.get_str() + std::string(static_cast<std::size_t>(-place), '0');
    } else {
        digits = units.get_str();
        const auto places = static_cast<std::size_t>(place);
        if (digits.size() <= places) {
            digits.insert(0, places + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - places, 1, '.');
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == '.') {
            digits.pop_back();
        }
    }
    return (value < 0 ? "-" : "") + digits;
}

// Digits of the integer part of |value|, 0 below 1.
long IntegerDigits(const mpq_class& value) {
    mpz_class whole;
    mpz_tdiv_q(whole.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
    whole = abs(whole);
    return whole == 0 ? 0 : static_cast<long>(whole.get_str().size());
}

// What the window shows: `digits` fraction places, never more significant digits than certain.
std::string Expected(const mpq_class& value, int digits, std::size_t certain) {
    long place = digits;
    if (certain != 0) {
        place = std::min(place, static_cast<long>(certain) - IntegerDigits(value));
    }
    return Rounded(value, place);
}

std::size_t CertainDigits(const Size& source, const Size& target, bool same) {
    std::size_t certain = 0;
    for (const std::size_t digits : {source.CertainDigits, target.CertainDigits}) {
        if (digits != 0 && !same) {
            certain = certain == 0 ? digits : std::min(certain, digits);
        }
    }
    return certain == 0 ? 0 : std::max<std::size_t>(certain, 4) - 3;
}

// The exact decimal text of a value with a terminating expansion, or "" when it has none.
std::string TerminatingText(const mpq_class& value) {
    mpz_class denominator = value.get_den();
    unsigned long places = 0;
    while (places < 200 && PowerOfTen(places) % denominator != 0) {
        ++places;
    }
    if (PowerOfTen(places) % denominator != 0) {
        return {};
    }
    const mpz_class scaled = abs(value.get_num()) * (PowerOfTen(places) / denominator);
    std::string digits = scaled.get_str();
    if (places > 0) {
        if (digits.size() <= places) {
            digits.insert(0, places + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - places, 1, '.');
    }
    return (value < 0 ? "-" : "") + digits;
}

class TypedValues {
public:
    explicit TypedValues(unsigned seed) : engine_(seed) {}

    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }

    // From 1e-30 to 1e30 with up to 40 digits, one in ten up to 1000 digits; a quarter negative.
    std::string Random() {
        const int length = Between(1, 10) == 1 ? Between(41, 1000) : Between(1, 40);
        std::string digits(1, static_cast<char>('1' + Between(0, 8)));
        for (int i = 1; i < length; ++i) {
            digits += static_cast<char>('0' + Between(0, 9));
        }
        const int integerDigits = Between(-29, 31);
        std::string text;
        if (integerDigits <= 0) {
            text = "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
        } else if (static_cast<std::size_t>(integerDigits) >= digits.size()) {
            text = digits + std::string(integerDigits - digits.size(), '0');
        } else {
            text = digits.insert(static_cast<std::size_t>(integerDigits), ".");
        }
        return (Between(1, 4) == 1 ? "-" : "") + text;
    }

    // A value whose shown result in a unit is an exact tie at `digits` places.
    mpq_class Tie(int digits) {
        mpq_class tie(2 * Between(0, 99999) + 1, 2);
        tie /= PowerOfTen(static_cast<unsigned long>(digits));
        return Between(1, 4) == 1 ? mpq_class(-tie) : tie;
    }

private:
    std::mt19937 engine_;
};

mpq_class BaseOf(const Size& unit, const mpq_class& value) {
    return unit.Reciprocal ? mpq_class(unit.Value / value)
                           : mpq_class(value * unit.Value + unit.Zero);
}

mpq_class ValueIn(const Size& unit, const mpq_class& base) {
    return unit.Reciprocal ? mpq_class(unit.Value / base)
                           : mpq_class((base - unit.Zero) / unit.Value);
}

struct Checked {
    int Values = 0;
    int Mismatches = 0;
};

void CheckConversion(const UnitCategory& category, const std::vector<Size>& sizes,
                     std::size_t source, const std::string& typed, int digits, Checked& checked) {
    const mpq_class value = DecimalValue(typed);
    const Size& from = sizes[source];
    const auto results = ConvertAcrossCategory(category, source, typed);
    if (from.Reciprocal && value == 0) {
        for (const auto& result : results.Values) {
            checked.Mismatches += result.Kept.empty() ? 0 : 1;
        }
        return;
    }
    const mpq_class base = BaseOf(from, value);
    bool belowAbsoluteZero = false;
    for (const Size& unit : sizes) {
        belowAbsoluteZero = belowAbsoluteZero || (unit.Absolute && base < unit.Zero);
    }
    if (belowAbsoluteZero != (results.Refusal == ConversionRefusal::BelowAbsoluteZero)) {
        ADD_FAILURE() << category.Name << ": " << typed << " in unit " << source
                      << (belowAbsoluteZero ? " is below absolute zero" : " was refused");
        ++checked.Mismatches;
        return;
    }
    for (std::size_t target = 0; target < results.Values.size(); ++target) {
        const Size& to = sizes[target];
        const std::string expected =
            to.Reciprocal && base == 0
                ? std::string()
                : Expected(ValueIn(to, base), digits, CertainDigits(from, to, source == target));
        const std::string shown = ShownValue(results.Values[target], digits, false);
        ++checked.Values;
        if (shown != expected) {
            ++checked.Mismatches;
            if (checked.Mismatches <= 10) {
                ADD_FAILURE() << category.Name << ": " << typed << " "
                              << category.Units[source].Name << " -> "
                              << category.Units[target].Name << " @" << digits << " shows " << shown
                              << ", exactly " << expected;
            }
        }
    }
}

TEST(ShippedExact, RandomConversionsMatchRationalArithmetic) {
    const UnitCatalogue catalogue = ReadCatalogueFile(MENSURIX_DATA_DIR "/Units.dat");
    const auto sizes = ShippedSizes();
    ASSERT_EQ(sizes.size(), catalogue.size());
    TypedValues typed(20261209);
    Checked checked;
    int ties = 0;
    for (std::size_t c = 0; c < catalogue.size(); ++c) {
        const UnitCategory& category = catalogue[c];
        const auto& units = sizes[c].second;
        ASSERT_EQ(category.Name, sizes[c].first);
        ASSERT_EQ(category.Units.size(), units.size()) << category.Name;
        for (int round = 0; round < 12; ++round) {
            const auto source =
                static_cast<std::size_t>(typed.Between(0, static_cast<int>(units.size()) - 1));
            const int digits = typed.Between(0, 20);
            CheckConversion(category, units, source, typed.Random(), digits, checked);
            // A tie in some other unit, typed exactly where that is a terminating decimal, and
            // one unit beyond its last typed place either side.
            const auto target =
                static_cast<std::size_t>(typed.Between(0, static_cast<int>(units.size()) - 1));
            const Size& to = units[target];
            if (to.Reciprocal || units[source].Reciprocal || to.CertainDigits ||
                units[source].CertainDigits) {
                continue;
            }
            const mpq_class inSource = ValueIn(units[source], BaseOf(to, typed.Tie(digits)));
            const std::string tie = TerminatingText(inSource);
            if (tie.empty()) {
                continue;
            }
            ++ties;
            const std::string widened =
                tie.find('.') == std::string::npos ? tie + ".000" : tie + "000";
            const std::string unit =
                "0." + std::string(widened.size() - widened.find('.') - 2, '0') + "1";
            const mpq_class step = DecimalValue(unit);
            for (const mpq_class& near :
                 {inSource, mpq_class(inSource + step), mpq_class(inSource - step)}) {
                CheckConversion(category, units, source, TerminatingText(near), digits, checked);
            }
        }
    }
    EXPECT_EQ(checked.Mismatches, 0);
    EXPECT_GT(checked.Values, 20000);
    EXPECT_GT(ties, 150);
}

} // namespace
} // namespace mensurix
