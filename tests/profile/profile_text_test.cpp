#include "profile/profile_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace mensurix {
namespace {

using Lines = std::vector<std::string>;

TEST(ProfileValue, FollowsTheProfileReadingRules) {
    struct Case {
        const char* name;
        std::string contents;
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"plain", "[A]\nk=v\n", "A", "k", "v"},
        {"section and key case", "[OpTiOnS]\nDIGITS=5\n", "options", "digits", "5"},
        {"non-ASCII names match exactly only", "[\xc4]\nk=1\n", "\xe4", "k", std::nullopt},
        {"blanks around names and value", " \t[ A ] \t\n \tk \t= \t v w \t\n", "A", "k", "v w"},
        {"blanks inside a name", "[A]\nmy key=1\n", "A", "my key", "1"},
        {"double quotes", "[A]\nk=\" v \"\n", "A", "k", " v "},
        {"single quotes", "[A]\nk='v'\n", "A", "k", "v"},
        {"only one pair of quotes", "[A]\nk=\"\"v\"\"\n", "A", "k", "\"v\""},
        {"mixed quotes stay", "[A]\nk=\"v'\n", "A", "k", "\"v'"},
        {"lone quote stays", "[A]\nk=\"\n", "A", "k", "\""},
        {"quotes inside stay", "[A]\nk=a\"b\"\n", "A", "k", "a\"b\""},
        {"empty value", "[A]\nk=\n", "A", "k", ""},
        {"value holds '='", "[A]\nk=a=b\n", "A", "k", "a=b"},
        {"missing key", "[A]\nk=v\n", "A", "x", std::nullopt},
        {"missing section", "[A]\nk=v\n", "B", "k", std::nullopt},
        {"key of another section", "[A]\nk=1\n[B]\nj=2\n", "A", "j", std::nullopt},
        {"key before any section", "k=1\n[A]\n", "A", "k", std::nullopt},
        {"first key wins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
        {"first section wins", "[A]\n[B]\nk=0\n[a]\nk=2\n", "A", "k", std::nullopt},
        {"commented key", "[A]\n;k=1\n  ; k=2\nk=3\n", "A", "k", "3"},
        {"commented section", ";[A]\nk=1\n", "A", "k", std::nullopt},
        {"line without '=' is skipped", "[A]\njunk\nk=1\n", "A", "k", "1"},
        {"text after ']' ignored", "[A] ; note\nk=1\n", "A", "k", "1"},
        {"unclosed '[' is no section", "[A]\n[B\nk=1\n", "A", "k", "1"},
        {"CR LF", "[A]\r\nk=v\r\nj=w\r\n", "A", "j", "w"},
        {"CR only", "[A]\rk=v\rj=w", "A", "j", "w"},
        {"mixed line ends", "[A]\rk=1\r\nj=2\n", "A", "j", "2"},
        {"no final line end", "[A]\nk=v", "A", "k", "v"},
        {"NUL and high bytes kept", std::string("[A]\nk=a\0\xff\xe9\n", 10), "A", "k",
         std::string("a\0\xff\xe9", 4)},
        {"byte-order mark before the first section", "\xEF\xBB\xBF[A]\nk=1\n", "A", "k", "1"},
        {"empty contents", "", "A", "k", std::nullopt},
        {"empty key name is no key", "[A]\n=1\n", "A", "", std::nullopt},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ProfileValue(row.contents, row.section, row.key), row.expected);
    }
}

TEST(ProfileValue, LongValuesAreCut) {
    const std::string huge(100000, 'v');
    EXPECT_EQ(ProfileValue("[A]\nk=" + huge + "\n", "A", "k"), huge.substr(0, 2047));
    // The quotes go first: a quoted value of exactly the limit comes back whole.
    const std::string limit(2047, 'q');
    EXPECT_EQ(ProfileValue("[A]\nk=\"" + limit + "\"\n", "A", "k"), limit);
}

TEST(ProfileSectionLines, ListsKeysInFileOrder) {
    struct Case {
        const char* name;
        std::string contents;
        Lines expected;
    };
    const std::vector<Case> cases = {
        {"trimmed and unquoted",
         "[F]\n  Label1.Caption = \"Hi there\" \n; c\njunk\nb='x'\n",
         {"Label1.Caption=Hi there", "b=x"}},
        {"value holding '='", "[F]\na=b=c\n", {"a=b=c"}},
        {"missing section", "[G]\na=1\n", {}},
        {"empty section", "[F]\n[G]\na=1\n", {}},
        {"only the first matching section", "[F]\na=1\n[G]\nb=2\n[f]\nc=3\n", {"a=1"}},
        {"repeated key shows the first value, own spelling",
         "[F]\na=1\nb=2\nA=3\n",
         {"a=1", "b=2", "A=1"}},
        {"CR only, no final line end", "[F]\ra=1\rb=2", {"a=1", "b=2"}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ProfileSectionLines(row.contents, "f"), row.expected);
    }
}

TEST(ProfileSectionLines, KeyNamesBeyondTheNameBufferAreLost) {
    // The long name, its NUL and the final NUL take 16383 bytes: "k" and its NUL do not fit.
    const std::string fits(16381, 'n');
    const Lines lines = ProfileSectionLines("[F]\n" + fits + "=1\nk=2\n", "F");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], fits + "=1");
    EXPECT_EQ(ProfileSectionLines("[F]\n" + fits.substr(1) + "=1\nk=2\n", "F").size(), 2u);
}

TEST(WithProfileValue, ChangesOnlyTheOneKey) {
    struct Case {
        const char* name;
        std::string before;
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"new file uses CR LF", "", "OPTIONS", "Digits", "8", "[OPTIONS]\r\nDigits=8\r\n"},
        {"replace in place, own spelling and line end", "[options]\r\n  DIGITS = \"3\" \r\nx=1\n",
         "OPTIONS", "Digits", "8", "[options]\r\nDIGITS=8\r\nx=1\n"},
        {"replace the first of two keys", "[A]\nk=1\nk=2\n", "A", "k", "9", "[A]\nk=9\nk=2\n"},
        {"replace in the first matching section only", "[A]\nk=1\n[a]\nk=2\n", "A", "k", "9",
         "[A]\nk=9\n[a]\nk=2\n"},
        {"replace the last line without line end", "[A]\nk=1", "A", "k", "22", "[A]\nk=22"},
        {"add after the last key, before blanks and comments", "[A]\na=1\n\n; b\n[B]\n", "A", "k",
         "2", "[A]\na=1\nk=2\n\n; b\n[B]\n"},
        {"add after the section line of an empty section", "[A]\n\n[B]\n", "A", "k", "2",
         "[A]\nk=2\n\n[B]\n"},
        {"add to a key not yet in the first matching section", "[A]\n[B]\n[A]\nk=1\n", "A", "k",
         "2", "[A]\nk=2\n[B]\n[A]\nk=1\n"},
        {"add after a last line without line end", "[A]\na=1", "A", "k", "2", "[A]\na=1\nk=2\n"},
        {"add a section, file ends with a line end", "[A]\na=1\n", "B", "k", "2",
         "[A]\na=1\n[B]\nk=2\n"},
        {"add a section, no final line end", "; only a comment", "B", "k", "2",
         "; only a comment\r\n[B]\r\nk=2\r\n"},
        {"new lines follow the first line end, CR only", "[A]\ra=1\r", "B", "k", "2",
         "[A]\ra=1\r[B]\rk=2\r"},
        {"new lines follow the first line end, LF", "x\n[A]\r\na=1\r\n", "A", "k", "2",
         "x\n[A]\r\na=1\r\nk=2\n"},
        {"a new line ending in CR keeps the empty LF line after it", "[A]\ra=1\n\n[B]\n", "A", "k",
         "2", "[A]\ra=1\nk=2\r\n\n[B]\n"},
        {"commented key is not replaced", "[A]\nj=0\n;k=1\n", "A", "k", "2",
         "[A]\nj=0\nk=2\n;k=1\n"},
        {"empty value", "[A]\nk=1\n", "A", "k", "", "[A]\nk=\n"},
        {"NUL and high bytes in the value", "[A]\nk=1\n", "A", "k", "\xff\xe9",
         "[A]\nk=\xff\xe9\n"},
        {"byte-order mark stays", "\xEF\xBB\xBF[A]\nk=1\n", "A", "k", "2",
         "\xEF\xBB\xBF[A]\nk=2\n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(WithProfileValue(row.before, row.section, row.key, row.value), row.after);
    }
}

TEST(WithProfileValue, HandEditedFileKeepsEveryOtherByte) {
    const std::string before = "; Mensurix options, edited by hand\r\n"
                               "\r\n"
                               "[Window]\r\n"
                               "  Left = 10 \r\n"
                               "[ options ]\t\r\n"
                               "\tdigits =  12\t; not a comment\r\n"
                               "Colour=\"dark blue\"\r\n"
                               "odd line without equals\r\n"
                               "Separators=0\r\n"
                               "\r\n"
                               "; trailing comment of the section\r\n"
                               "[Extra]\n"
                               "Key=with \xe9 and \xff";
    std::string contents = before;
    contents = WithProfileValue(contents, "OPTIONS", "Digits", "4");
    contents = WithProfileValue(contents, "OPTIONS", "Separators", "1");
    contents = WithProfileValue(contents, "OPTIONS", "Class", "-1");
    contents = WithProfileValue(contents, "LANGUAGE", "Default", "2");
    const std::string expected = "; Mensurix options, edited by hand\r\n"
                                 "\r\n"
                                 "[Window]\r\n"
                                 "  Left = 10 \r\n"
                                 "[ options ]\t\r\n"
                                 "digits=4\r\n"
                                 "Colour=\"dark blue\"\r\n"
                                 "odd line without equals\r\n"
                                 "Separators=1\r\n"
                                 "Class=-1\r\n"
                                 "\r\n"
                                 "; trailing comment of the section\r\n"
                                 "[Extra]\n"
                                 "Key=with \xe9 and \xff\r\n"
                                 "[LANGUAGE]\r\n"
                                 "Default=2\r\n";
    EXPECT_EQ(contents, expected);
    EXPECT_EQ(ProfileValue(contents, "Window", "Left"), "10");
    EXPECT_EQ(ProfileValue(contents, "options", "colour"), "dark blue");
}

TEST(WithProfileValue, ReplacesAHugeValueWhole) {
    const std::string huge(100000, 'v');
    EXPECT_EQ(WithProfileValue("[A]\nk=" + huge + "\nj=1\n", "A", "k", "1"), "[A]\nk=1\nj=1\n");
}

} // namespace
} // namespace mensurix
