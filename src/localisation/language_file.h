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
};

LanguageMessages ReadLanguageMessages(const std::string& path);

// The component section as "key=value" lines in file order; as with the Windows profile API,
// key names beyond the first 16384 bytes of names are not read.
std::vector<std::string> ReadComponentSection(const std::string& path);

} // namespace mensurix
