#include "localisation/language_file.h"

#include "profile/profile_file.h"

namespace mensurix {
namespace {

constexpr std::size_t KeyNameBufferSize = 16384;

} // namespace

LanguageMessages ReadLanguageMessages(const std::string& path) {
    const ProfileFile file(path);
    return {file.ReadString("Messages", "MS_Homepage", ""),
            file.ReadString("Messages", "MS_CopyRight", "")};
}

std::vector<std::string> ReadComponentSection(const std::string& path) {
    const ProfileFile file(path);
    std::vector<std::string> lines = file.ReadSectionLines("FrmConvert");
    // Each name takes its length plus a terminating zero, and the list ends with one more zero.
    std::size_t used = 1;
    std::size_t kept = 0;
    for (const auto& line : lines) {
        used += line.find('=') + 1;
        if (used > KeyNameBufferSize) {
            break;
        }
        ++kept;
    }
    lines.resize(kept);
    return lines;
}

} // namespace mensurix
