#include "converter_fixture.h"

#include <filesystem>

namespace mensurix::testing {
namespace {

class SettingsWindow : public ConverterFixture {
protected:
    void SetUp() override {
        WriteFile("Units.dat", "[A]\n*a=1.23456|1\n[B]\n*b=1|1\n[C]\n*c=1|1\n");
    }
};

TEST_F(SettingsWindow, ValuesReachTheControls) {
    struct Case {
        const char* name;
        std::string file;
        int digits;
        bool separators;
        int category;
    };
    const std::vector<Case> cases = {
        {"no file", "", 8, true, 0},
        {"all four", "[OPTIONS]\nDigits=3\nSeparators=0\nClass=2\n", 3, false, 2},
        {"clamped digits", "[OPTIONS]\nDigits=25\n", 20, true, 0},
        {"negative digits", "[OPTIONS]\nDigits=-3\n", 0, true, 0},
        {"hexadecimal", "[OPTIONS]\nDigits=0x0A\n", 10, true, 0},
        {"category beyond the list", "[OPTIONS]\nClass=3\n", 8, true, -1},
        {"no category", "[OPTIONS]\nClass=-1\n", 8, true, -1},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(dir_.filePath("options.ini").toStdString());
        if (!row.file.empty()) {
            WriteFile("options.ini", row.file);
        }
        Open();
        EXPECT_EQ(Digits()->value(), row.digits);
        EXPECT_EQ(Separators()->isChecked(), row.separators);
        EXPECT_EQ(Units()->currentIndex(), row.category);
        if (row.category < 0) {
            EXPECT_EQ(From()->count(), 0);
        } else {
            EXPECT_EQ(From()->currentIndex(), 0);
            EXPECT_FALSE(ExactValues().empty());
        }
        Close();
    }
}

TEST_F(SettingsWindow, FirstTableUsesTheLoadedDigits) {
    WriteFile("options.ini", "[OPTIONS]\nDigits=2\n");
    Open();
    EXPECT_EQ(Cell(1, 0), "1.23");
}

TEST_F(SettingsWindow, ExitWritesTheControlsKeepingEveryOtherLine) {
    const std::string handEdited = "; my converter\r\n[Window]\r\nPlace = left\r\n\r\n"
                                   "[options]\r\n  digits = 5 \r\nSeparators=1\r\n# note\r\n"
                                   "class=0\r\nExtra=keep me\r\n";
    WriteFile("options.ini", handEdited);
    Open();
    Digits()->setValue(12);
    Separators()->setChecked(false);
    Choose(Units(), 2);
    Close();
    EXPECT_EQ(ReadFile("options.ini"), "; my converter\r\n[Window]\r\nPlace = left\r\n\r\n"
                                       "[options]\r\ndigits=12\r\nSeparators=0\r\n# note\r\n"
                                       "class=2\r\nExtra=keep me\r\n[LANGUAGE]\r\nDefault=0\r\n");
}

TEST_F(SettingsWindow, UnwritableFileIsReportedAndTheWindowStillCloses) {
    Open();
    // A directory where the settings file should be cannot be replaced by a file.
    std::filesystem::create_directory(dir_.filePath("options.ini").toStdString());
    Close();
    ASSERT_EQ(reported_.size(), 1U);
    EXPECT_TRUE(reported_[0].startsWith("Unable to write to " + dir_.path()));
    EXPECT_TRUE(std::filesystem::is_directory(dir_.filePath("options.ini").toStdString()));
}

} // namespace
} // namespace mensurix::testing
