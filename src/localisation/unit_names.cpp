#include "localisation/unit_names.h"

#include "profile/profile_file.h"
#include "profile/profile_line_reader.h"
#include "profile/profile_text.h"
#include "text/ascii_case.h"

namespace mensurix {
namespace {

std::string KeyOf(std::string_view category, std::string_view unit) {
    std::string key = AsciiLowercase(category);
    key += '\n';
    key += AsciiLowercase(unit);
    return key;
}

} // namespace

UnitNames::UnitNames(std::string_view contents) {
    ProfileLineReader reader(contents);
    ProfileLine line;
    std::string_view category;
    bool inSection = false;
    while (reader.Next(line)) {
        if (line.kind == ProfileLineKind::Section) {
            category = line.name;
            inSection = true;
        } else if (line.kind == ProfileLineKind::Key && inSection && !line.value.empty()) {
            names_.try_emplace(KeyOf(category, line.name),
                               line.value.substr(0, kProfileValueBytes));
        }
    }
}

std::optional<std::string_view> UnitNames::Find(std::string_view category,
                                                std::string_view englishName) const {
    const auto found = names_.find(KeyOf(category, englishName));
    if (found == names_.end()) {
        return std::nullopt;
    }
    return found->second;
}

UnitNames ReadUnitNames(const std::string& path) {
    return UnitNames(ProfileFile(path).Contents());
}

std::string UnitNamesPathFor(std::string_view languageFilePath) {
    const std::size_t dot = languageFilePath.rfind('.');
    const std::size_t slash = languageFilePath.find_last_of("/\\");
    const bool hasExtension =
        dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
    std::string path(hasExtension ? languageFilePath.substr(0, dot) : languageFilePath);
    path += ".units";
    return path;
}

} // namespace mensurix
