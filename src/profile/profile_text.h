#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Profile ("INI") files as Windows reads and writes them: "[Section]" lines open sections,
// "Key=Value" lines give values, lines beginning with ';' are comments. Section and key names
// match without regard to ASCII case; the first matching section, and the first matching key in
// it, win. Blanks around names and values are dropped, then one pair of enclosing quotes (both
// '"' or both '\'') from a value, which is then cut to kProfileValueBytes.
namespace mensurix {

inline constexpr std::size_t kProfileValueBytes = 2047;

// The key names of one section that a reader sees: names that do not fit whole into this many
// bytes, each counted with a terminating NUL after the last name's own, are lost.
inline constexpr std::size_t kProfileSectionNameBytes = 16384;

// The value of the key; nullopt when the section or the key is missing.
std::optional<std::string> ProfileValue(std::string_view contents, std::string_view section,
                                        std::string_view key);

// For every key line of the section, in file order, its name + "=" + the value a lookup of that
// name gives (so a repeated key shows the first one's value each time).
std::vector<std::string> ProfileSectionLines(std::string_view contents, std::string_view section);

// The contents with the one key set to `value`, written as given. The first matching key line
// becomes "Key=value" (its own spelling of the key, its own line end); a missing key is added
// after the section's last key line, a missing section with its key at the end of the file. New
// lines use the first line end of the contents, CR LF when there is none or when a lone CR would
// join the LF of the line after it. Every other byte stays.
std::string WithProfileValue(std::string_view contents, std::string_view section,
                             std::string_view key, std::string_view value);

} // namespace mensurix
