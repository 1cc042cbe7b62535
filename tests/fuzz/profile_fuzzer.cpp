#include "fuzz_expect.h"
#include "fuzz_fields.h"
#include "profile/profile_text.h"
#include "text/ascii_case.h"
#include "text_lines.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Input: section, '\n', key, '\n', value, '\n', then the contents of the file.
namespace mensurix::fuzz {
namespace {

constexpr std::string_view Blanks = " \t";

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool IsTrimmed(std::string_view text) {
    return text.empty() || (Blanks.find(text.front()) == std::string_view::npos &&
                            Blanks.find(text.back()) == std::string_view::npos);
}

// Names a reader can find again once written: a section line "[name]" and a key line
// "name=value" must read back as that section and that key.
bool IsWritable(std::string_view section, std::string_view key, std::string_view value) {
    return !HasLineBreak(section) && section.find(']') == std::string_view::npos &&
           IsTrimmed(section) && !key.empty() && !HasLineBreak(key) &&
           key.find('=') == std::string_view::npos && key.front() != '[' && key.front() != ';' &&
           IsTrimmed(key) && !HasLineBreak(value);
}

// What a reader returns for a written value: blanks dropped, then one pair of enclosing quotes,
// then cut to the value limit.
std::string ValueAsRead(std::string_view value) {
    const auto first = value.find_first_not_of(Blanks);
    value = first == std::string_view::npos
                ? std::string_view()
                : value.substr(first, value.find_last_not_of(Blanks) - first + 1);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, kProfileValueBytes));
}

std::string_view NameBeforeEquals(std::string_view content) {
    content = content.substr(0, content.find('='));
    const auto first = content.find_first_not_of(Blanks);
    return first == std::string_view::npos
               ? std::string_view()
               : content.substr(first, content.find_last_not_of(Blanks) - first + 1);
}

// The written file differs from the old one in one place only: one key line rewritten with its
// own line end, or new lines (the key, after a new section line when there was no section)
// inserted after a line, that line getting a line end when it was the last one without.
void CheckOtherLinesKept(std::string_view before, std::string_view after, std::string_view section,
                         std::string_view key, std::string_view value) {
    const auto old = SplitTextLines(before);
    const auto now = SplitTextLines(after);
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::size_t removed = old.size() - prefix - suffix;
    const std::size_t added = now.size() - prefix - suffix;
    const std::string keyLine = std::string(key) + "=" + std::string(value);

    if (removed == 0 && added == 0) {
        Expect(before == after, "an unchanged file only when the key had the value already");
        return;
    }
    if (removed == 1 && added == 1) {
        const TextLine& replaced = old[prefix];
        const TextLine& written = now[prefix];
        Expect(EqualsIgnoringAsciiCase(NameBeforeEquals(replaced.content), key),
               "only the key's own line is rewritten");
        Expect(written.end == replaced.end, "a rewritten line keeps its line end");
        Expect(EqualsIgnoringAsciiCase(NameBeforeEquals(written.content), key) &&
                   written.content.substr(written.content.find('=') + 1) == value,
               "the rewritten line is the key with the new value");
        return;
    }

    const auto firstEnd =
        old.empty() || old.front().end.empty() ? std::string_view("\r\n") : old.front().end;
    std::size_t at = prefix;
    if (removed == 1) {
        Expect(old[prefix].end.empty() && prefix + 1 == old.size() && added >= 2 &&
                   now[prefix].content == old[prefix].content && now[prefix].end == firstEnd,
               "a last line without line end only gains one");
        ++at;
    } else {
        Expect(removed == 0, "no line is lost");
    }
    const std::size_t stop = prefix + added;
    Expect(stop - at == 1 || stop - at == 2, "one key line, after a section line when it is new");
    if (stop - at == 2) {
        Expect(now[at].content == "[" + std::string(section) + "]" && now[at].end == firstEnd,
               "a new section line");
        ++at;
    }
    // A lone CR would join an empty LF line after it into one line end, so CR LF is used there.
    const bool joinsNext = firstEnd == "\r" && at + 1 < now.size() && now[at + 1].content.empty() &&
                           now[at + 1].end == "\n";
    Expect(now[at].content == keyLine && now[at].end == (joinsNext ? "\r\n" : firstEnd),
           "a new key line");
}

} // namespace
} // namespace mensurix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mensurix;
    fuzz::FuzzFields fields(data, size);
    const std::string_view section = fields.Next();
    const std::string_view key = fields.Next();
    const std::string_view value = fields.Next();
    const std::string_view contents = fields.Rest();

    // Reading never fails, whatever the bytes and names.
    ProfileValue(contents, section, key);
    ProfileSectionLines(contents, section);
    if (!fuzz::IsWritable(section, key, value)) {
        return 0;
    }
    const std::string written = WithProfileValue(contents, section, key, value);
    const auto readBack = ProfileValue(written, section, key);
    fuzz::Expect(readBack.has_value(), "a written key is found");
    fuzz::ExpectEqual("value read back", *readBack, fuzz::ValueAsRead(value));
    fuzz::CheckOtherLinesKept(contents, written, section, key, value);
    fuzz::ExpectEqual("writing the same value again",
                      WithProfileValue(written, section, key, value), written);
    return 0;
}
