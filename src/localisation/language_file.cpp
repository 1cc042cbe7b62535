#include "localisation/language_file.h"

#include "profile/profile_file.h"

namespace mensurix {

LanguageMessages ReadLanguageMessages(const std::string& path) {
    const ProfileFile file(path);
    return {file.ReadString("Messages", "MS_Homepage", ""),
            file.ReadString("Messages", "MS_CopyRight", ""),
            file.ReadString("Messages", "MS_ValueTooLong", ""),
            file.ReadString("Messages", "MS_BelowAbsoluteZero", ""),
            file.ReadString("Messages", "MS_Approximate", ""),
            file.ReadString("Messages", "MS_NoValueAtZero", ""),
            file.ReadString("Messages", "MS_Unit", ""),
            file.ReadString("Messages", "MS_Value", ""),
            file.ReadString("Messages", "MS_FindUnit", "")};
}

std::vector<std::string> ReadComponentSection(const std::string& path) {
    return ProfileFile(path).ReadSectionLines("FrmConvert");
}

} // namespace mensurix
