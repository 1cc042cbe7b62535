#include "blocked_file.h"
#include "files/file_error.h"
#include "files/read_file_bytes.h"
#include "scratch_directory.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace mensurix {

void PrintTo(const Settings& s, std::ostream* out) {
    *out << "{Digits " << s.Digits << ", Separators " << s.Separators << ", Class " << s.Class
         << ", Language " << int{s.Language} << "}";
}

namespace {

// Options as a hand-edited file would hold them, every key present unless overridden.
std::string OptionsFile(const std::string& options, const std::string& language = "Default=3") {
    return "[OPTIONS]\n" + options + "\n[LANGUAGE]\n" + language + "\n";
}

TEST(ReadSettings, DefaultsAndRanges) {
    struct Case {
        const char* name;
        std::optional<std::string> contents; // nullopt: no file
        std::uint8_t currentLanguage;
        Settings expected;
    };
    const std::vector<Case> cases = {
        {"no file keeps the current language", std::nullopt, 0, {8, true, 0, 0}},
        {"no file keeps a non-zero current language", std::nullopt, 4, {8, true, 0, 4}},
        {"empty file: language not chosen", "", 4, {8, true, 0, 7}},
        {"all values",
         "[OPTIONS]\nDigits=12\nSeparators=0\nClass=5\n[LANGUAGE]\nDefault=2\n",
         0,
         {12, false, 5, 2}},
        {"no LANGUAGE section", "[OPTIONS]\nDigits=3\n", 0, {3, true, 0, 7}},
        {"Default=9", OptionsFile("", "Default=9"), 0, {8, true, 0, 7}},
        {"Default=-2", OptionsFile("", "Default=-2"), 3, {8, true, 0, 0}},
        {"Default=abc", OptionsFile("", "Default=abc"), 0, {8, true, 0, 7}},
        {"Digits=25", OptionsFile("Digits=25"), 0, {20, true, 0, 3}},
        {"Digits=-3", OptionsFile("Digits=-3"), 0, {0, true, 0, 3}},
        {"Digits=abc", OptionsFile("Digits=abc"), 0, {8, true, 0, 3}},
        {"Digits=", OptionsFile("Digits="), 0, {8, true, 0, 3}},
        {"Digits=0x0A", OptionsFile("Digits=0x0A"), 0, {10, true, 0, 3}},
        {"Digits=$14", OptionsFile("Digits=$14"), 0, {20, true, 0, 3}},
        {"Digits out of 32 bits", OptionsFile("Digits=4294967296"), 0, {8, true, 0, 3}},
        {"Separators=0", OptionsFile("Separators=0"), 0, {8, false, 0, 3}},
        {"Separators=2", OptionsFile("Separators=2"), 0, {8, true, 0, 3}},
        {"Separators=yes", OptionsFile("Separators=yes"), 0, {8, true, 0, 3}},
        {"Separators=-1", OptionsFile("Separators=-1"), 0, {8, true, 0, 3}},
        {"Class=-1", OptionsFile("Class=-1"), 0, {8, true, -1, 3}},
        {"Class far beyond any catalogue", OptionsFile("Class=99999"), 0, {8, true, 99999, 3}},
        {"Class=x", OptionsFile("Class=x"), 0, {8, true, 0, 3}},
        {"names in any case, blanks, quotes, CR LF",
         "[options]\r\n  DIGITS = \"4\" \r\nseparators\t=\t0\r\n[Language]\r\ndefault=1\r\n",
         0,
         {4, false, 0, 1}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const ScratchDirectory directory;
        const std::string path = row.contents ? directory.WriteFile("options.ini", *row.contents)
                                              : directory.PathOf("options.ini");
        EXPECT_EQ(ReadSettings(path, row.currentLanguage), row.expected);
    }
}

// Settings that differ from `settings` in every value, as read at the start of a run that then
// changed all of them. The lowest bit is flipped, so that no value overflows.
Settings UnlikeEveryValue(const Settings& settings) {
    return {settings.Digits ^ 1, !settings.Separators, settings.Class ^ 1,
            static_cast<std::uint8_t>(settings.Language ^ 1U)};
}

TEST(WriteSettings, FreshFileHoldsTheFourKeysInOrder) {
    const ScratchDirectory directory;
    const std::string path = directory.PathOf("options.ini");
    // Unchanged values are written where the file lacks them.
    WriteSettings(path, Settings{}, Settings{});
    EXPECT_EQ(ReadFileBytes(path), "[OPTIONS]\r\n"
                                   "Digits=8\r\n"
                                   "Separators=1\r\n"
                                   "Class=0\r\n"
                                   "[LANGUAGE]\r\n"
                                   "Default=0\r\n");
    EXPECT_EQ(directory.EntryNames(), "options.ini");
}

TEST(WriteSettings, ValuesReadBackUnchanged) {
    const ScratchDirectory directory;
    const std::string path = directory.PathOf("options.ini");
    const std::vector<Settings> values = {{0, false, -1, 7}, {20, true, 12, 5}, {8, true, 0, 0}};
    for (const Settings& value : values) {
        WriteSettings(path, value, UnlikeEveryValue(value));
        EXPECT_EQ(ReadSettings(path, 0), value);
    }
    // Digits out of their range are never written as they are.
    for (const int digits : {-1, 21, 2147483647}) {
        const Settings settings{digits, true, 0, 0};
        WriteSettings(path, settings, UnlikeEveryValue(settings));
        EXPECT_EQ(ReadSettings(path, 0).Digits, digits < 0 ? 0 : 20);
        EXPECT_EQ(ReadFileBytes(path).find("Digits=" + std::to_string(digits)), std::string::npos);
    }
}

TEST(WriteSettings, HandEditedFileKeepsEveryOtherByte) {
    const std::string handEdited = "; Written by hand\r\n"
                                   "[Window]\r\n"
                                   "Left=100\r\n"
                                   "\r\n"
                                   "  [ Options ]  \r\n"
                                   "  digits\t=\t12  \r\n"
                                   "Theme = \"dark\"\r\n"
                                   "separators=0\r\n"
                                   "\r\n"
                                   "[language]\r\n"
                                   "; 0 English, 7 ask\r\n"
                                   "DEFAULT = 7\r\n"
                                   "Extra=\xe9\xff\r\n";
    const ScratchDirectory directory;
    const std::string path = directory.WriteFile("options.ini", handEdited);
    WriteSettings(path, Settings{4, true, -1, 2}, Settings{12, false, 0, 7});
    EXPECT_EQ(ReadFileBytes(path), "; Written by hand\r\n"
                                   "[Window]\r\n"
                                   "Left=100\r\n"
                                   "\r\n"
                                   "  [ Options ]  \r\n"
                                   "digits=4\r\n"
                                   "Theme = \"dark\"\r\n"
                                   "separators=1\r\n"
                                   "Class=-1\r\n"
                                   "\r\n"
                                   "[language]\r\n"
                                   "; 0 English, 7 ask\r\n"
                                   "DEFAULT=2\r\n"
                                   "Extra=\xe9\xff\r\n");
}

TEST(WriteSettings, UnknownValuesKeepWhatTheFileHolds) {
    const std::string stored = "[OPTIONS]\r\nDigits=5\r\nSeparators=0\r\nClass=2\r\n"
                               "[LANGUAGE]\r\nDefault=3\r\n";
    const Settings designValues{8, false, -1, 0};
    const Settings readAtStart{5, false, 2, 3};
    struct Case {
        const char* name;
        SettingsKnown known;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"nothing known", {false, false, false, false}, stored},
        {"only the digits",
         {true, false, false, false},
         "[OPTIONS]\r\nDigits=8\r\nSeparators=0\r\nClass=2\r\n[LANGUAGE]\r\nDefault=3\r\n"},
        {"all but the language",
         {true, true, true, false},
         "[OPTIONS]\r\nDigits=8\r\nSeparators=0\r\nClass=-1\r\n[LANGUAGE]\r\nDefault=3\r\n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const ScratchDirectory directory;
        const std::string path = directory.WriteFile("options.ini", stored);
        WriteSettings(path, designValues, readAtStart, row.known);
        EXPECT_EQ(ReadFileBytes(path), row.expected);
    }
    const ScratchDirectory directory;
    WriteSettings(directory.PathOf("options.ini"), designValues, readAtStart,
                  {false, false, false, false});
    EXPECT_EQ(directory.EntryNames(), "");
}

// The four keys reach the file together or not at all.
TEST(WriteSettings, FailedWriteChangesNoKey) {
    const std::string old = OptionsFile("Digits=3\nSeparators=0\nClass=2");
    const ScratchDirectory directory;
    const std::string path = directory.WriteFile("options.ini", old);
    BlockedFile blocked(directory.Path() / "options.ini", BlockedFile::Block::Replacing);
    if (!blocked.Holds()) {
        GTEST_SKIP() << "permissions do not stop writing here (privileged user or file system)";
    }
    EXPECT_THROW(WriteSettings(path, Settings{}, UnlikeEveryValue(Settings{})), FileError);
    blocked.Release();
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(directory.EntryNames(), "options.ini");
}

TEST(WriteSettings, UnwritablePathFails) {
    const ScratchDirectory directory;
    const std::string path = directory.PathOf("missing/options.ini");
    try {
        WriteSettings(path, Settings{}, Settings{});
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
    EXPECT_EQ(directory.EntryNames(), "");
}

// What another window or a hand edit wrote while this run was open survives its save.
TEST(WriteSettings, SavesOnlyWhatThisRunChanged) {
    const std::string atStart = "[OPTIONS]\r\nDigits=5\r\nSeparators=1\r\nClass=2\r\n"
                                "[LANGUAGE]\r\nDefault=3\r\n";
    const Settings readAtStart{5, true, 2, 3};
    struct Case {
        const char* name;
        std::string meanwhile; // the file at the time of saving
        Settings now;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"nothing changed: a hand edit stays byte for byte",
         "[OPTIONS]\r\nDigits=abc\r\nSeparators=0\r\nClass=9\r\n[LANGUAGE]\r\nDefault=4\r\n; by "
         "hand\r\n",
         readAtStart,
         "[OPTIONS]\r\nDigits=abc\r\nSeparators=0\r\nClass=9\r\n[LANGUAGE]\r\nDefault=4\r\n; by "
         "hand\r\n"},
        {"another window's digits and this run's separators",
         "[OPTIONS]\r\nDigits=12\r\nSeparators=1\r\nClass=2\r\n[LANGUAGE]\r\nDefault=3\r\n",
         {5, false, 2, 3},
         "[OPTIONS]\r\nDigits=12\r\nSeparators=0\r\nClass=2\r\n[LANGUAGE]\r\nDefault=3\r\n"},
        {"a change that another window also made wins",
         "[OPTIONS]\r\nDigits=12\r\nSeparators=1\r\nClass=2\r\n[LANGUAGE]\r\nDefault=3\r\n",
         {7, true, 2, 3},
         "[OPTIONS]\r\nDigits=7\r\nSeparators=1\r\nClass=2\r\n[LANGUAGE]\r\nDefault=3\r\n"},
        {"keys removed meanwhile come back with this run's values",
         "[OPTIONS]\r\nDigits=12\r\n",
         {5, true, 4, 3},
         "[OPTIONS]\r\nDigits=12\r\nSeparators=1\r\nClass=4\r\n[LANGUAGE]\r\nDefault=3\r\n"},
        {"the file removed meanwhile is made again whole", "", readAtStart,
         "[OPTIONS]\r\nDigits=5\r\nSeparators=1\r\nClass=2\r\n[LANGUAGE]\r\nDefault=3\r\n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const ScratchDirectory directory;
        const std::string path = directory.WriteFile("options.ini", atStart);
        ASSERT_EQ(ReadSettings(path, 0), readAtStart);
        if (row.meanwhile.empty()) {
            std::filesystem::remove(path);
        } else {
            directory.WriteFile("options.ini", row.meanwhile);
        }
        WriteSettings(path, row.now, readAtStart);
        EXPECT_EQ(ReadFileBytes(path), row.expected);
    }
}

std::string Utf16Bytes(std::u16string_view text, bool littleEndian) {
    std::string bytes;
    for (const char16_t unit : text) {
        const auto low = static_cast<char>(unit & 0xFF);
        const auto high = static_cast<char>(unit >> 8);
        bytes += littleEndian ? low : high;
        bytes += littleEndian ? high : low;
    }
    return bytes;
}

// A file saved by a Windows editor is read, and written back in its own encoding with every
// other byte kept, a damaged one (a lone surrogate, an odd last byte) included.
TEST(WriteSettings, KeepsTheEncodingOfTheFile) {
    const std::u16string before = u"\uFEFF; \u00C9dit\u00E9 \u00E0 la main \U0001F600\r\n"
                                  u"[OPTIONS]\r\nDigits=3\r\nSeparators=0\r\nClass=4\r\n"
                                  u"[LANGUAGE]\r\nDefault=2\r\nNote=\u20AC\r\n";
    const std::u16string after = u"\uFEFF; \u00C9dit\u00E9 \u00E0 la main \U0001F600\r\n"
                                 u"[OPTIONS]\r\nDigits=11\r\nSeparators=0\r\nClass=4\r\n"
                                 u"[LANGUAGE]\r\nDefault=2\r\nNote=\u20AC\r\n";
    const std::u16string loneSurrogate = u"[OPTIONS]\r\nX=";
    struct Case {
        const char* name;
        std::string contents;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"UTF-8 with a byte-order mark",
         "\xEF\xBB\xBF[OPTIONS]\r\nDigits=3\r\nSeparators=0\r\nClass=4\r\n[LANGUAGE]\r\n"
         "Default=2\r\nNote=\xE2\x82\xAC\r\n",
         "\xEF\xBB\xBF[OPTIONS]\r\nDigits=11\r\nSeparators=0\r\nClass=4\r\n[LANGUAGE]\r\n"
         "Default=2\r\nNote=\xE2\x82\xAC\r\n"},
        {"UTF-16 little-endian", Utf16Bytes(before, true), Utf16Bytes(after, true)},
        {"UTF-16 big-endian", Utf16Bytes(before, false), Utf16Bytes(after, false)},
        {"damaged UTF-16",
         Utf16Bytes(before, true) + Utf16Bytes(loneSurrogate, true) + "\x3D\xD8" +
             "\r\n"
             "\x0A",
         Utf16Bytes(after, true) + Utf16Bytes(loneSurrogate, true) + "\x3D\xD8" +
             "\r\n"
             "\x0A"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const ScratchDirectory directory;
        const std::string path = directory.WriteFile("options.ini", row.contents);
        const Settings read = ReadSettings(path, 0);
        EXPECT_EQ(read, (Settings{3, false, 4, 2}));
        WriteSettings(path, {11, false, 4, 2}, read);
        EXPECT_EQ(ReadFileBytes(path), row.expected);
    }
}

} // namespace
} // namespace mensurix
