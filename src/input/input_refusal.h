#pragma once

#include "decimal/exact_fraction.h"

#include <cstddef>
#include <string>
#include <vector>

namespace mensurix {

// Why a typed value was not read. Each kind names only what its wording needs, so that every
// interface language can say it in its own words.
enum class RefusalKind {
    Empty,               // nothing but blanks
    TooLong,             // more than MaxTypedBytes bytes
    TooDeep,             // parentheses or signs nested deeper than MaxTypedNesting
    TooLarge,            // a value or exponent beyond MaxValueDigits digits, at Position
    LongArithmetic,      // the operator Text at Position in a text beyond MaxExpressionBytes
    UnexpectedCharacter, // Text at Position fits nowhere
    SecondPoint,         // a second "." in one number, at Position
    NoDigit,             // a number without a digit (".") at Position
    NothingAfter,        // the text ends after the operator or "(" Text
    UnclosedParenthesis, // the "(" at Position is never closed
    DecimalComma,        // the "," at Position can only be a decimal comma, which is not read
    TwoReadings,         // Text at Position means Readings[0] or Readings[1]
    DivisionByZero,      // the "/" at Position divides by zero
    UnknownUnit,         // Text at Position is no unit of the category
    AmbiguousUnit,       // Text at Position names several units of the category
    MissingUnit,         // the number Text at Position lacks the unit the other numbers have
    UnitNotSummable,     // Text at Position has an offset or is reciprocal, so it adds to nothing
};

struct InputRefusal {
    RefusalKind Kind = RefusalKind::Empty;
    std::string Text;                    // the offending character or part, whole characters
    std::size_t Position = 0;            // of Text's first character, counted from 1
    std::vector<ExactFraction> Readings; // of TwoReadings: the grouped reading first
};

} // namespace mensurix
