#pragma once

#include "decimal/exact_fraction.h"
#include "input/input_refusal.h"
#include "input/typed_number.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// One number as written, without sign or arithmetic. Private to the readers.
namespace mensurix::typed {

// A refusal at a byte span of the text; the reader turns it into characters.
struct SpanRefusal {
    RefusalKind Kind = RefusalKind::UnexpectedCharacter;
    std::size_t At = 0;
    std::size_t Length = 0;
    std::vector<ExactFraction> Readings;
};

struct NumberLiteral {
    std::size_t End = 0; // the byte after the literal; its start when there is none
    ExactFraction Value;
    bool PlainInteger = false; // digits alone: a part of a mixed number ("2 3/4")
    // Exactly one group after a blank ("2 345"): before a "/" also a mixed number, these parts.
    std::optional<ExactFraction> BlankGroupWhole;
    std::optional<ExactFraction> BlankGroupPart;
    std::optional<SpanRefusal> Refusal;
};

// The literal that begins at byte `at`: digits in groups of three with one kind of mark, a
// fraction after "." (or after "," where the language writes a decimal comma), an exponent.
NumberLiteral ReadNumberLiteral(std::string_view text, std::size_t at,
                                const NumberConventions& conventions);

} // namespace mensurix::typed
