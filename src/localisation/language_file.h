#pragma once

#include <string>
#include <vector>

namespace mensurix {

// Why a typed value was refused, as templates: "%1" is the offending text, "%2" its
// character position, "%3" and "%4" the two readings of a text that reads two ways.
struct RefusalTexts {
    std::string NotAValue;      // a character or number that fits nowhere
    std::string Incomplete;     // the text ends after an operator, or a "(" is never closed
    std::string DecimalComma;   // a "," that can only be a decimal comma, where none is read
    std::string TwoReadings;    // a text that reads two ways
    std::string DivisionByZero; // a "/" that divides by zero
    std::string UnknownUnit;    // no unit of the category
    std::string AmbiguousUnit;  // several units of the category
    std::string MissingUnit;    // a number without the unit the others have
    std::string NotSummable;    // a unit with an offset or a reciprocal one beside others
};

// The texts of the Messages section; a missing file or key reads as empty.
struct LanguageMessages {
    std::string Homepage;
    std::string CopyRight;
    // Said when the value box refuses a text beyond its length limit; "%1" is the limit.
    std::string ValueTooLong;
    // Said of a value below absolute zero; "%1" is the unit whose zero is absolute.
    std::string BelowAbsoluteZero;
    // The tooltip of a result built on a size known only approximately.
    std::string Approximate;
    // The tooltip of a cell that has no value: zero in a reciprocal unit, or the reverse.
    std::string NoValueAtZero;
    // What a screen reader calls the table's two columns and the value box.
    std::string Unit;
    std::string Value;
    // The search box's hint and name.
    std::string FindUnit;
    // "," where the language writes a decimal comma, which typed values may then use.
    std::string DecimalMark;
    RefusalTexts Refusals;
};

LanguageMessages ReadLanguageMessages(const std::string& path);

// The component section as "key=value" lines in file order; as with the Windows profile API,
// key names beyond the first 16384 bytes of names are not read.
std::vector<std::string> ReadComponentSection(const std::string& path);

} // namespace mensurix
