#include "hostile_fixture.h"

namespace mensurix::testing {
namespace {

class HostileSettings : public HostileFixture {
protected:
    void SetUp() override { WriteFile("Units.dat", "[A]\n*a=1|1\n[B]\n*b=1|1\n[C]\n*c=1|1\n"); }
    std::string WriteError() const { return "Unable to write to " + ProgramDir() + "options.ini."; }
    // The thing in place of the file reads as no file, and writing over it at exit is reported.
    void ExpectDefaultsAndRefusedWrite() {
        Open();
        EXPECT_EQ(Digits()->value(), 8);
        const std::string error = WriteError();
        Close();
        ASSERT_EQ(reported_.size(), 1U);
        EXPECT_EQ(reported_[0].toStdString(), error);
        EXPECT_FALSE(HoldsTemporaryFile());
    }
};

// Ten megabytes of other sections and a 10 MB line before the settings: the values are found,
// and closing rewrites only them.
TEST_F(HostileSettings, TenMegabytesKeepEveryOtherByte) {
    const std::string head =
        "; " + std::string(5U << 20, 'c') + "\r\n" +
        Repeated("[Other]\r\nKey=some value of the other program\r\n", (5U << 20) / 43);
    const std::string settings =
        "[OPTIONS]\r\nDigits=3\r\nSeparators=0\r\nClass=2\r\n[LANGUAGE]\r\nDefault=0\r\n";
    ASSERT_GT(head.size(), 10U << 20);
    WriteFile("options.ini", head + settings);
    Open();
    EXPECT_EQ(Digits()->value(), 3);
    EXPECT_FALSE(Separators()->isChecked());
    EXPECT_EQ(Units()->currentIndex(), 2);
    Digits()->setValue(5);
    Close();
    EXPECT_TRUE(reported_.empty());
    std::string expected = head + settings;
    expected.replace(expected.find("Digits=3"), 8, "Digits=5");
    EXPECT_TRUE(ReadFile("options.ini") == expected);
}

// What hostile files make of the saved settings: a language file styles the digits box but
// never changes its value or range, and a catalogue without the saved category keeps it saved.
TEST_F(HostileSettings, HostileFilesNeverChangeWhatIsSaved) {
    const std::string settings =
        "[OPTIONS]\r\nDigits=5\r\nSeparators=0\r\nClass=40\r\n[LANGUAGE]\r\nDefault=0\r\n";
    const struct {
        const char* name;
        std::string language;
    } cases[] = {
        {"value", "SpinEditDec.Value=3\nCheckBoxDouHao.Checked=1\n"},
        {"range", "SpinEditDec.MaxValue=2147483647\nSpinEditDec.Value=2147483647\n"},
        {"minimum", "SpinEditDec.MinValue=12\n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        WriteFile("options.ini", settings);
        WriteFile("Languages/English.isl", "[FrmConvert]\n" + row.language);
        Open();
        EXPECT_EQ(Digits()->value(), 5);
        EXPECT_EQ(Digits()->maximum(), 20);
        EXPECT_FALSE(Separators()->isChecked());
        Close();
        EXPECT_EQ(ReadFile("options.ini"), settings);
    }
}

// Garbage holds no settings: the defaults apply, and the settings are added after every byte of
// it.
TEST_F(HostileSettings, BinaryGarbage) {
    const std::string garbage = BinaryGarbage(1U << 20, 7);
    WriteFile("options.ini", garbage);
    Open();
    EXPECT_EQ(Digits()->value(), 8);
    EXPECT_EQ(Units()->currentIndex(), 0);
    Close();
    EXPECT_TRUE(reported_.empty());
    const std::string written = ReadFile("options.ini");
    EXPECT_TRUE(written.starts_with(garbage));
    EXPECT_NE(written.find("[OPTIONS]", garbage.size()), std::string::npos);
}

// An unreadable value that the run does not change is left for whoever wrote it; missing keys
// are added.
TEST_F(HostileSettings, InvalidUtf8AroundTheKeys) {
    WriteFile("options.ini", "[OPTIONS]\n\xC0\xAF=\xFF\nDigits=\xED\xA0\x80\nClass=1\n");
    Open();
    EXPECT_EQ(Digits()->value(), 8);
    EXPECT_EQ(Units()->currentIndex(), 1);
    Close();
    EXPECT_EQ(ReadFile("options.ini"),
              "[OPTIONS]\n\xC0\xAF=\xFF\nDigits=\xED\xA0\x80\nClass=1\nSeparators=1\n[LANGUAGE]\n"
              "Default=0\n");
}

// A file saved as UTF-16 by a Windows editor gives its settings and stays UTF-16.
TEST_F(HostileSettings, Utf16File) {
    const auto utf16 = [](std::string_view ascii) {
        std::string bytes = "\xFF\xFE";
        for (const char c : ascii) {
            bytes += c;
            bytes += '\0';
        }
        return bytes;
    };
    WriteFile("options.ini", utf16("[OPTIONS]\r\nDigits=3\r\nClass=2\r\n"));
    Open();
    EXPECT_EQ(Digits()->value(), 3);
    EXPECT_EQ(Units()->currentIndex(), 2);
    Digits()->setValue(5);
    Close();
    EXPECT_TRUE(ReadFile("options.ini") ==
                utf16("[OPTIONS]\r\nDigits=5\r\nClass=2\r\nSeparators=1\r\n[LANGUAGE]\r\n"
                      "Default=0\r\n"));
}

// A directory reads as no file; writing over it fails with the message box's text, and the
// directory, its contents and the program directory stay as they were.
TEST_F(HostileSettings, DirectoryInsteadOfTheFile) {
    MakeDirectoryInstead("options.ini");
    ExpectDefaultsAndRefusedWrite();
    EXPECT_TRUE(DirectoryKept("options.ini"));
}

// A FIFO reads as no file, and is never replaced by one: the write at exit fails.
TEST_F(HostileSettings, FifoInsteadOfTheFile) {
    if (!MakeFifo("options.ini")) {
        GTEST_SKIP() << "no FIFOs here";
    }
    ExpectDefaultsAndRefusedWrite();
    EXPECT_TRUE(std::filesystem::is_fifo(PathOf("options.ini")));
}

// A link that leads back to itself holds nothing to lose: it reads as no file, and the settings
// then replace the link with a real file, the other link of the loop untouched.
TEST_F(HostileSettings, LinkLoop) {
    if (!MakeLink("options.ini", "loop") || !MakeLink("loop", "options.ini")) {
        GTEST_SKIP() << "no symbolic links here";
    }
    Open();
    EXPECT_EQ(Digits()->value(), 8);
    Digits()->setValue(4);
    Close();
    EXPECT_TRUE(reported_.empty());
    EXPECT_FALSE(std::filesystem::is_symlink(PathOf("options.ini")));
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("loop")));
    EXPECT_NE(ReadFile("options.ini").find("Digits=4"), std::string::npos);
    EXPECT_FALSE(HoldsTemporaryFile());
}

} // namespace
} // namespace mensurix::testing
