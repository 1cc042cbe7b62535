#pragma once

#include "decimal/exact_fraction.h"
#include "input/input_refusal.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace mensurix {

// Bounds that keep hostile input from hanging the reader or exhausting its stack. A number alone
// may be as long as the value box takes (32,767 characters), so that its longest number converts
// whole; arithmetic and sums are read in shorter texts, on values of fewer digits, so that no
// chain of operations on huge values can take long.
constexpr std::size_t MaxTypedBytes = 131072;
constexpr std::size_t MaxExpressionBytes = 1000;
constexpr std::size_t MaxTypedNesting = 40;
constexpr std::size_t MaxValueDigits = 65536;
constexpr std::size_t MaxOperandDigits = 4000;

// How the interface language writes numbers. The point and the program's own grouping
// ("1,234.5") are read in every language; a decimal comma ("1,5") only where it writes one.
struct NumberConventions {
    bool DecimalComma = false;
};

// Either the exact value or why there is none.
struct NumberReading {
    ExactFraction Value;
    std::optional<InputRefusal> Refusal;
    bool NamesUnits = false; // a sum of quantities with their units ("5 ft 3 in"), not a number
};

// The value of a typed or pasted UTF-8 text: blanks around it; "+", "-" and U+2212 signs;
// numbers with exponents ("2.5E-7") and digit groups of three (",", blank, no-break and thin
// spaces, "'", "_"); fractions and mixed numbers ("2 3/4"); + - * / × ÷ and parentheses. A text
// that reads two ways is refused with both readings, never guessed.
NumberReading ReadTypedNumber(std::string_view text, const NumberConventions& conventions);

} // namespace mensurix
