#pragma once

#include "decimal/exact_fraction.h"
#include "input/input_refusal.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace mensurix {

// Bounds that keep hostile input from hanging the reader or exhausting its stack.
constexpr std::size_t MaxTypedBytes = 1000;
constexpr std::size_t MaxTypedNesting = 40;
constexpr std::size_t MaxValueDigits = 2000;

// How the interface language writes numbers. The point and the program's own grouping
// ("1,234.5") are read in every language; a decimal comma ("1,5") only where it writes one.
struct NumberConventions {
    bool DecimalComma = false;
};

// Either the exact value or why there is none.
struct NumberReading {
    ExactFraction Value;
    std::optional<InputRefusal> Refusal;
};

// The value of a typed or pasted UTF-8 text: blanks around it; "+", "-" and U+2212 signs;
// numbers with exponents ("2.5E-7") and digit groups of three (",", blank, no-break and thin
// spaces, "'", "_"); fractions and mixed numbers ("2 3/4"); + - * / × ÷ and parentheses. A text
// that reads two ways is refused with both readings, never guessed.
NumberReading ReadTypedNumber(std::string_view text, const NumberConventions& conventions);

} // namespace mensurix
