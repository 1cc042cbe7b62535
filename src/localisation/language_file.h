#pragma once

#include <string>
#include <vector>

namespace mensurix {

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
};

LanguageMessages ReadLanguageMessages(const std::string& path);

// The component section as "key=value" lines in file order; as with the Windows profile API,
// key names beyond the first 16384 bytes of names are not read.
std::vector<std::string> ReadComponentSection(const std::string& path);

} // namespace mensurix
