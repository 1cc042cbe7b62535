#include "localisation/language_file.h"

#include "profile/profile_file.h"

namespace mensurix {

LanguageMessages ReadLanguageMessages(const std::string& path) {
    const ProfileFile file(path);
    const auto text = [&file](const char* key) { return file.ReadString("Messages", key, ""); };
    return {text("MS_Homepage"),
            text("MS_CopyRight"),
            text("MS_ValueTooLong"),
            text("MS_BelowAbsoluteZero"),
            text("MS_Approximate"),
            text("MS_NoValueAtZero"),
            text("MS_Unit"),
            text("MS_Value"),
            text("MS_FindUnit"),
            text("MS_DecimalMark"),
            {text("MS_NotAValue"), text("MS_Incomplete"), text("MS_DecimalComma"),
             text("MS_TwoReadings"), text("MS_DivisionByZero"), text("MS_UnknownUnit"),
             text("MS_AmbiguousUnit"), text("MS_MissingUnit"), text("MS_NotSummable")}};
}

std::vector<std::string> ReadComponentSection(const std::string& path) {
    return ProfileFile(path).ReadSectionLines("FrmConvert");
}

} // namespace mensurix
