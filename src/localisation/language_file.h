#pragma once

#include <string>
#include <vector>

namespace mensurix {

// The two texts of the Messages section; a missing file or key reads as empty.
struct LanguageMessages {
    std::string Homepage;
    std::string CopyRight;
};

LanguageMessages ReadLanguageMessages(const std::string& path);

// The component section as "key=value" lines in file order. As with the Windows profile API,
// the key names of one section share a 16384-byte buffer: names beyond it are not read.
std::vector<std::string> ReadComponentSection(const std::string& path);

} // namespace mensurix
