#include "profile/profile_text.h"

#include "profile/profile_line_reader.h"
#include "text/ascii_case.h"

#include <unordered_map>

namespace mensurix {
namespace {

std::string_view UnquotedValue(std::string_view raw) {
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') &&
        raw.back() == raw.front()) {
        raw = raw.substr(1, raw.size() - 2);
    }
    return raw.substr(0, kProfileValueBytes);
}

// Calls `onKey` for every key line of the first section named `section`; stops early when it
// returns false. The reader is left after the last line visited.
template <typename OnKey>
void ForEachKeyOfSection(ProfileLineReader& reader, std::string_view section, OnKey onKey) {
    ProfileLine line;
    bool inSection = false;
    while (reader.Next(line)) {
        if (line.kind == ProfileLineKind::Section) {
            if (inSection) {
                return;
            }
            inSection = EqualsIgnoringAsciiCase(line.name, section);
            if (inSection && !onKey(line)) {
                return;
            }
        } else if (inSection && line.kind == ProfileLineKind::Key && !onKey(line)) {
            return;
        }
    }
}

std::string_view FirstLineEnd(std::string_view contents) {
    const std::size_t at = contents.find_first_of("\r\n");
    if (at == std::string_view::npos || contents.compare(at, 2, "\r\n") == 0) {
        return "\r\n";
    }
    return contents.substr(at, 1);
}

bool EndsWithLineEnd(std::string_view contents) {
    return contents.ends_with('\n') || contents.ends_with('\r');
}

} // namespace

std::optional<std::string> ProfileValue(std::string_view contents, std::string_view section,
                                        std::string_view key) {
    std::optional<std::string> value;
    ProfileLineReader reader(contents);
    ForEachKeyOfSection(reader, section, [&](const ProfileLine& line) {
        if (line.kind == ProfileLineKind::Key && EqualsIgnoringAsciiCase(line.name, key)) {
            value.emplace(UnquotedValue(line.value));
            return false;
        }
        return true;
    });
    return value;
}

std::vector<std::string> ProfileSectionLines(std::string_view contents, std::string_view section) {
    std::vector<ProfileLine> keys;
    std::unordered_map<std::string, std::string_view> firstValues;
    std::size_t nameBytes = 1; // the NUL that ends the list of names
    ProfileLineReader reader(contents);
    ForEachKeyOfSection(reader, section, [&](const ProfileLine& line) {
        if (line.kind == ProfileLineKind::Key) {
            nameBytes += line.name.size() + 1;
            if (nameBytes > kProfileSectionNameBytes) {
                return false;
            }
            keys.push_back(line);
            firstValues.try_emplace(AsciiLowercase(line.name), UnquotedValue(line.value));
        }
        return true;
    });
    std::vector<std::string> lines;
    lines.reserve(keys.size());
    for (const ProfileLine& line : keys) {
        const std::string_view value = firstValues.at(AsciiLowercase(line.name));
        std::string text;
        text.reserve(line.name.size() + 1 + value.size());
        text.append(line.name).append("=").append(value);
        lines.push_back(std::move(text));
    }
    return lines;
}

std::string WithProfileValue(std::string_view contents, std::string_view section,
                             std::string_view key, std::string_view value) {
    const std::string_view lineEnd = FirstLineEnd(contents);
    std::optional<ProfileLine> match;
    std::optional<ProfileLine> last; // the section line or the section's last key line
    ProfileLineReader reader(contents);
    ForEachKeyOfSection(reader, section, [&](const ProfileLine& line) {
        if (line.kind == ProfileLineKind::Key && EqualsIgnoringAsciiCase(line.name, key)) {
            match = line;
            return false;
        }
        last = line;
        return true;
    });

    std::string result;
    result.reserve(contents.size() + section.size() + key.size() + value.size() + 8);
    if (match) {
        result.append(contents.substr(0, match->begin));
        result.append(match->name).append("=").append(value);
        result.append(contents.substr(match->contentEnd));
    } else if (last) {
        const std::string_view rest = contents.substr(last->end);
        // A lone CR in front of the LF that ends the next line would join it into one line end
        // and lose that line; CR LF keeps both.
        const std::string_view keyLineEnd =
            lineEnd == "\r" && rest.starts_with('\n') ? "\r\n" : lineEnd;
        result.append(contents.substr(0, last->end));
        if (last->end == last->contentEnd) {
            result.append(lineEnd);
        }
        result.append(key).append("=").append(value).append(keyLineEnd);
        result.append(rest);
    } else {
        result.append(contents);
        if (!contents.empty() && !EndsWithLineEnd(contents)) {
            result.append(lineEnd);
        }
        result.append("[").append(section).append("]").append(lineEnd);
        result.append(key).append("=").append(value).append(lineEnd);
    }
    return result;
}

} // namespace mensurix
